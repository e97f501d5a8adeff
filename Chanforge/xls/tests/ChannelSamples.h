// Deterministic channels for the tests, the interop tools and the benchmark.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

#include <cstdio>
#include <cstring>

namespace chanforge::xls::test {

/// Channel n (1-based) with a different value in every field, names with bytes above 0x7F.
inline chanforge::RowPtr<chanforge::Channel_Info_Tag> SampleChannel(std::uint32_t n) {
    auto ch = chanforge::MakeRow<chanforge::Channel_Info_Tag>();
    ch->CAS = n % 7 == 0 ? 0x80000000u : n * 2654435761u;
    ch->Favorite = n * 40503u;
    ch->ProgramNum = static_cast<std::uint16_t>(n);
    ch->SatID = static_cast<std::uint8_t>(n % 200 + 1);
    ch->TPID = static_cast<std::uint8_t>(n * 3);
    ch->BroadcastID = static_cast<std::uint16_t>(n * 5);
    ch->ServiceID = static_cast<std::uint16_t>(n * 7 + 1);
    ch->VideoPID = static_cast<std::uint16_t>(0x100 + n % 0x1F00);
    ch->AudioPID = static_cast<std::uint16_t>(0x200 + n % 0x1E00);
    ch->PCRPID = static_cast<std::uint16_t>(0x1FFF - n % 100);
    ch->Attributes = static_cast<std::uint16_t>(
        (n % 2 ? chanforge::attr::kTV : chanforge::attr::kRadio) | n % 16);
    ch->NumOfAudio = static_cast<std::uint8_t>(n % 4);
    ch->NumOfSubTTX = static_cast<std::uint8_t>(n % 3);
    std::snprintf(ch->Name, sizeof ch->Name, "Ch\xE9 %u \x80\x9F", n);
    ch->CodeTable = static_cast<std::uint8_t>(n % 11);
    ch->Tuner = static_cast<std::uint8_t>(n % 2);
    ch->Record = static_cast<std::uint8_t>(n % 5);
    ch->LogicalNumber = static_cast<std::uint16_t>(n + 100);
    for (int k = 0; k < chanforge::kFavoriteGroupsMax; ++k)
        ch->FavoriteSlot[k] = static_cast<std::uint16_t>(n * 31 + static_cast<std::uint32_t>(k));
    ch->ShowNum = static_cast<std::uint16_t>(65535 - n);
    ch->ParentRate = static_cast<std::uint8_t>(n % 18);
    ch->StreamType = static_cast<std::uint8_t>(n % 9);
    ch->OrgNetID = static_cast<std::uint16_t>(n * 11);
    ch->NetworkID = static_cast<std::uint16_t>(n * 13);
    ch->TSID = static_cast<std::uint16_t>(n * 17);
    ch->VolOffset = static_cast<std::uint8_t>(n % 250);
    ch->OrgMuxID = static_cast<std::uint8_t>(n % 251);
    ch->NetNameID = static_cast<std::uint16_t>(n * 19);
    ch->ServiceType = static_cast<std::uint8_t>(n % 25);
    return ch;
}

inline void FillChannels(tabstore::CQoDB& db, std::uint32_t count) {
    for (std::uint32_t n = 1; n <= count; ++n)
        chanforge::AppendRow(db, chanforge::kChannelTable, SampleChannel(n));
}

} // namespace chanforge::xls::test
