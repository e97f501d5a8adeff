// Checks a database against what the receiver model can hold, before it is saved or sent.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/check/Findings.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"

namespace chanforge::check {

/// Every finding for the tables and document values under the layout's model, errors and
/// warnings mixed, in rule order. Reads the store only.
Findings CheckDatabase(tabstore::CQoDB& db, const DocumentValues& values,
                       const codec::FlashLayout& layout);

} // namespace chanforge::check
