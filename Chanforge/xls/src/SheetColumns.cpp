#include "SheetColumns.h"

#include <cstdio>
#include <cstring>
#include <limits>

namespace chanforge::xls::channel {

namespace {

using chanforge::Channel_Info_Tag;

#define CF_FIELD(name)                                                                             \
    Column {                                                                                       \
#name, offsetof(Channel_Info_Tag, name), sizeof(Channel_Info_Tag::name)                    \
    }

std::array<Column, kColumnCount> MakeColumns() {
    std::array<Column, kColumnCount> c{};
    std::size_t i = 0;
    for (const Column& col :
         {CF_FIELD(ProgramNum), CF_FIELD(CAS), CF_FIELD(Favorite), CF_FIELD(SatID), CF_FIELD(TPID),
          CF_FIELD(BroadcastID), CF_FIELD(ServiceID), CF_FIELD(VideoPID), CF_FIELD(AudioPID),
          CF_FIELD(PCRPID), CF_FIELD(Attributes), CF_FIELD(NumOfAudio), CF_FIELD(NumOfSubTTX)})
        c[i++] = col;
    c[i++] = Column{"Name", offsetof(Channel_Info_Tag, Name), 0};
    for (const Column& col :
         {CF_FIELD(CodeTable), CF_FIELD(Tuner), CF_FIELD(Record), CF_FIELD(LogicalNumber)})
        c[i++] = col;
    for (std::size_t slot = 0; slot < chanforge::kFavoriteGroupsMax; ++slot) {
        char header[8];
        std::snprintf(header, sizeof header, "F%zu", slot);
        c[i++] =
            Column{header, offsetof(Channel_Info_Tag, FavoriteSlot) + slot * sizeof(std::uint16_t),
                   sizeof(std::uint16_t)};
    }
    // NetNameID precedes NetworkID in the sheet, unlike in the record.
    for (const Column& col :
         {CF_FIELD(ShowNum), CF_FIELD(ParentRate), CF_FIELD(StreamType), CF_FIELD(OrgNetID),
          CF_FIELD(TSID), CF_FIELD(VolOffset), CF_FIELD(OrgMuxID), CF_FIELD(NetNameID),
          CF_FIELD(NetworkID), CF_FIELD(ServiceType)})
        c[i++] = col;
    return c;
}

#undef CF_FIELD

} // namespace

const std::array<Column, kColumnCount>& Columns() {
    static const std::array<Column, kColumnCount> columns = MakeColumns();
    return columns;
}

std::int32_t ReadField(const Channel_Info_Tag& ch, const Column& column) {
    const auto* p = reinterpret_cast<const unsigned char*>(&ch) + column.offset;
    switch (column.width) {
    case 1:
        return *p;
    case 2: {
        std::uint16_t v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    case 4: {
        std::uint32_t v;
        std::memcpy(&v, p, sizeof v);
        return static_cast<std::int32_t>(v);
    }
    default:
        return 0;
    }
}

FieldRange RangeOf(const Column& column) {
    switch (column.width) {
    case 1:
        return {0, 0xFF};
    case 2:
        return {0, 0xFFFF};
    default:
        return {std::numeric_limits<std::int32_t>::min(), 0xFFFFFFFF};
    }
}

void WriteField(Channel_Info_Tag& ch, const Column& column, std::int64_t value) {
    auto* p = reinterpret_cast<unsigned char*>(&ch) + column.offset;
    const auto bits = static_cast<std::uint64_t>(value);
    switch (column.width) {
    case 1:
        *p = static_cast<std::uint8_t>(bits);
        break;
    case 2: {
        const auto v = static_cast<std::uint16_t>(bits);
        std::memcpy(p, &v, sizeof v);
        break;
    }
    case 4: {
        const auto v = static_cast<std::uint32_t>(bits);
        std::memcpy(p, &v, sizeof v);
        break;
    }
    default:
        break;
    }
}

} // namespace chanforge::xls::channel
