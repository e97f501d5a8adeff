#include "chanforge/editing/ChannelName.h"

#include "utils/Translatable.h"

#include <algorithm>
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

utils::Phrase NameTooLongPhrase(std::string_view name, std::size_t nameBytes) {
    return {
        "ChannelName",
        CF_TR_NOOP("ChannelName",
                   "\"%1\" is longer than the %2 characters the receiver keeps of a name"),
        {utils::Phrase::Verbatim(std::string(name)), utils::Phrase::Number(NameRoom(nameBytes))}};
}

void StoreName(Channel_Info_Tag& channel, std::string_view stored) {
    std::memset(channel.Name, 0, sizeof channel.Name);
    std::memcpy(channel.Name, stored.data(), std::min(stored.size(), sizeof channel.Name - 1));
}

std::string_view NameOf(const Channel_Info_Tag& channel) {
    return {channel.Name, strnlen(channel.Name, sizeof channel.Name)};
}

} // namespace chanforge::editing
