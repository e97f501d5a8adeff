// What the window calls severities, rules, tables and kinds of change: catalogue texts of the
// context "Check", where the names in Findings.h and Diff.h are the scripts' stable ids.
#pragma once

#include "chanforge/check/Diff.h"
#include "chanforge/check/Findings.h"

namespace chanforge::check {

const char* SeverityTitle(Severity severity);
const char* RuleTitle(Rule rule);
const char* TableTitle(TableId table);
const char* ChangeKindTitle(ChangeKind kind);

} // namespace chanforge::check
