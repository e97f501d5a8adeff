#include "chanforge/codec/ChannelFile.h"

#include <algorithm>

namespace chanforge::codec {

namespace {

constexpr std::uint8_t kChannelMagic[4] = {'Q', 'P', ' ', ' '};
constexpr std::uint8_t kVersionMagic[4] = {'R', 'I', 'X', 'A'};
constexpr std::size_t kChecksumBlock = 1024;

bool StartsWith(std::span<const std::uint8_t> bytes, const std::uint8_t (&magic)[4]) {
    return bytes.size() >= 4 && std::equal(magic, magic + 4, bytes.begin());
}

std::uint16_t CrcStep(std::uint16_t crc, std::uint8_t byte) {
    crc ^= static_cast<std::uint16_t>(byte << 8);
    for (int bit = 0; bit < 8; ++bit)
        crc = static_cast<std::uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    return crc;
}

void AppendChannelHeader(std::vector<std::uint8_t>& out) {
    out.insert(out.end(), kChannelMagic, kChannelMagic + 4);
    out.push_back(static_cast<std::uint8_t>(kInfoBlockSize));
    out.push_back(0);
}

} // namespace

bool StartsWithChannelMagic(std::span<const std::uint8_t> file) {
    return StartsWith(file, kChannelMagic);
}

bool StartsWithVersionMagic(std::span<const std::uint8_t> file) {
    return StartsWith(file, kVersionMagic);
}

bool ReadChannelHeader(std::span<const std::uint8_t> file, HeaderState& state) {
    if (!StartsWithChannelMagic(file) || file.size() < kChannelHeaderSize)
        return false;
    if ((file[4] | file[5] << 8) != kInfoBlockSize)
        return false;
    std::copy_n(file.begin() + 6, kInfoBlockSize, state.info.begin());
    state.versionFile =
        StartsWith(std::span(state.info).subspan(kInfoVersionOffset), kVersionMagic);
    return true;
}

void WriteChannelHeader(std::vector<std::uint8_t>& file, const HeaderState& state) {
    if (file.size() < kChannelHeaderSize)
        file.resize(kChannelHeaderSize, 0);
    std::vector<std::uint8_t> head;
    AppendChannelHeader(head);
    std::copy(head.begin(), head.end(), file.begin());
    std::copy(state.info.begin(), state.info.end(), file.begin() + 6);
}

std::vector<std::uint8_t> ToWorkFile(std::span<const std::uint8_t> opened,
                                     const HeaderState& state) {
    std::vector<std::uint8_t> work;
    if (opened.empty())
        return work;
    if (StartsWithChannelMagic(opened))
        return {opened.begin(), opened.end()};
    work.reserve(kChannelHeaderSize + opened.size());
    AppendChannelHeader(work);
    if (StartsWithVersionMagic(opened))
        work.insert(work.end(), kInfoVersionOffset, 0);
    else
        work.insert(work.end(), state.info.begin(), state.info.end());
    work.insert(work.end(), opened.begin(), opened.end());
    return work;
}

std::vector<std::uint8_t> ToSavedFile(std::span<const std::uint8_t> work,
                                      const HeaderState& state) {
    if (!state.versionFile)
        return {work.begin(), work.end()};
    std::vector<std::uint8_t> saved(state.info.begin() + kInfoVersionOffset, state.info.end());
    if (work.size() > kChannelHeaderSize)
        saved.insert(saved.end(), work.begin() + kChannelHeaderSize, work.end());
    return saved;
}

std::uint16_t Crc16Xmodem(std::span<const std::uint8_t> data) {
    std::uint16_t crc = 0;
    for (std::uint8_t byte : data)
        crc = CrcStep(crc, byte);
    return crc;
}

std::uint16_t VersionImageChecksum(std::span<const std::uint8_t> versionFile) {
    if (versionFile.size() <= kVersionHeaderSize)
        return 0;
    const auto image = versionFile.subspan(kVersionHeaderSize);
    std::uint16_t crc = Crc16Xmodem(image);
    // The image is summed as if zero-padded to the next 1 KiB boundary.
    const std::size_t pad = (kChecksumBlock - image.size() % kChecksumBlock) % kChecksumBlock;
    for (std::size_t i = 0; i < pad; ++i)
        crc = CrcStep(crc, 0);
    return crc;
}

void StampVersionChecksum(std::vector<std::uint8_t>& versionFile) {
    if (versionFile.size() < kVersionHeaderSize)
        return;
    const std::uint16_t crc = VersionImageChecksum(versionFile);
    versionFile[kVersionChecksumOffset] = static_cast<std::uint8_t>(crc);
    versionFile[kVersionChecksumOffset + 1] = static_cast<std::uint8_t>(crc >> 8);
}

} // namespace chanforge::codec
