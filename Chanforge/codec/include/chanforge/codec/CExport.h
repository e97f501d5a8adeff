// The channel table as C source: an initialised SSVC_INFO array for receiver firmware.
#pragma once

#include <string>

namespace tabstore {
class CQoDB;
}

namespace chanforge::codec {

/// The whole fragment: opening line, one line per channel in key order, closing count.
std::string DefaultChannelTableSource(tabstore::CQoDB& db);

} // namespace chanforge::codec
