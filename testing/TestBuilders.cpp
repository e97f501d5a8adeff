#include "TestBuilders.h"

#include "chanforge/TableAccess.h"

namespace chanforge::testkit {

Channel_Info_Tag MakeChannel(std::string_view name, std::uint16_t number, std::uint16_t attributes,
                             std::uint8_t satId, std::uint8_t tpId) {
    auto ch = ZeroRecord<Channel_Info_Tag>();
    SetName(ch.Name, name);
    ch.ProgramNum = number;
    ch.Attributes = attributes;
    ch.SatID = satId;
    ch.TPID = tpId;
    return ch;
}

} // namespace chanforge::testkit
