// The open database's satellites and their transponders as satellites.xml, for other tools:
// one <sat> per orbital position (C and Ku band of one position together, as the format keeps
// them), in the units and codes the reader takes back; the cable multiplexes as cables.xml,
// the terrestrial ones as terrestrial.xml.
#pragma once

#include "policy/ProductKind.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <string>
#include <vector>

namespace chanforge::transponders {

std::vector<std::uint8_t> SatellitesXmlBytes(tabstore::CQoDB& db,
                                             const policy::ProductKind& product);
/// The cable multiplexes as cables.xml: one <cable> network named name.
std::vector<std::uint8_t> CablesXmlBytes(tabstore::CQoDB& db, const policy::ProductKind& product,
                                         const std::string& name);
/// The terrestrial multiplexes as terrestrial.xml: one <terrestrial> region named name.
std::vector<std::uint8_t> TerrestrialXmlBytes(tabstore::CQoDB& db,
                                              const policy::ProductKind& product,
                                              const std::string& name);

} // namespace chanforge::transponders
