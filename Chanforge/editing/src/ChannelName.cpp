#include "chanforge/editing/ChannelName.h"

#include "Rows.h"
#include "utils/CodeTable.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace chanforge::editing {

std::size_t NameRoom(std::size_t nameBytes) {
    return std::min(nameBytes, sizeof Channel_Info_Tag::Name - 1);
}

FittedName FitName(std::string_view name, std::size_t nameBytes, bool cutToFit) {
    name = name.substr(0, name.find('\0'));
    const std::size_t room = NameRoom(nameBytes);
    if (name.size() <= room)
        return {NameFit::Fits, std::string(name)};
    if (!cutToFit)
        return {NameFit::TooLong, std::string(name)};
    return {NameFit::Cut, std::string(name.substr(0, room))};
}

FittedName FitText(std::string_view utf8, std::uint8_t codeTable, std::size_t nameBytes,
                   bool cutToFit) {
    utf8 = utf8.substr(0, utf8.find('\0'));
    const utils::EncodedName encoded = utils::NameFromUtf8(utf8, codeTable, cutToFit);
    if (!encoded.Encoded())
        return {NameFit::NotInTable, std::string(utf8), encoded.refused};
    FittedName fitted = FitName(encoded.bytes, nameBytes, cutToFit);
    fitted.replaced = encoded.replaced;
    if (fitted.replaced > 0 && fitted.fit == NameFit::Fits)
        fitted.fit = NameFit::Cut;
    return fitted;
}

utils::Phrase RefusedNamePhrase(const FittedName& name, std::uint8_t codeTable,
                                std::size_t nameBytes) {
    if (name.fit != NameFit::NotInTable)
        return NameTooLongPhrase(name.stored, codeTable, nameBytes);
    return {"ChannelName",
            CF_TR_NOOP("ChannelName",
                       "\"%1\" holds %2, which the channel's character table cannot hold"),
            {utils::Phrase::Text(name.stored),
             utils::Phrase::Text(utils::CharacterText(name.refused))}};
}

utils::Phrase NameTooLongPhrase(std::string_view name, std::uint8_t codeTable,
                                std::size_t nameBytes) {
    // A name of hundreds of characters (a pasted paragraph) is shown by its start.
    constexpr std::size_t kShownBytes = 40;
    std::string shown(name.substr(0, kShownBytes));
    if (name.size() > kShownBytes)
        shown += "...";
    return {"ChannelName",
            CF_TR_NOOP("ChannelName",
                       "\"%1\" is longer than the %2 characters the receiver keeps of a name"),
            {utils::Phrase::Name(shown, codeTable), utils::Phrase::Number(NameRoom(nameBytes))}};
}

void StoreName(Channel_Info_Tag& channel, std::string_view stored) {
    std::memset(channel.Name, 0, sizeof channel.Name);
    std::memcpy(channel.Name, stored.data(), std::min(stored.size(), sizeof channel.Name - 1));
}

std::string_view NameOf(const Channel_Info_Tag& channel) {
    return {channel.Name, strnlen(channel.Name, sizeof channel.Name)};
}

std::string NameText(const Channel_Info_Tag& channel) {
    return utils::NameToUtf8(NameOf(channel), channel.CodeTable);
}

utils::Phrase NamePhrase(const Channel_Info_Tag& channel) {
    return utils::Phrase::Name(std::string(NameOf(channel)), channel.CodeTable);
}

std::uint8_t CodeTableForSatellite(tabstore::CQoDB& db, std::uint8_t satID) {
    std::array<std::size_t, 256> uses{};
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (satID == 0 || ch.SatID == satID)
            ++uses[ch.CodeTable];
    });
    const auto most = std::max_element(uses.begin(), uses.end());
    return *most == 0 ? 0 : static_cast<std::uint8_t>(most - uses.begin());
}

} // namespace chanforge::editing
