// Shared by the parser fuzzers: the parsers' policy, transfer files, and the input cut
// into chunks (each chunk: one length byte, then that many bytes).
#pragma once

#include "qparser/CommParser.h"
#include "qparser/QVRCommParser.h"
#include "qparser/STCommParser.h"
#include "utils/Registry.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace fuzzqp {

inline std::string ScratchDir() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/chanforge-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made != nullptr ? made : "/tmp");
    }();
    return dir;
}

/// The transfer parameters both families use, over the defaults of a private settings store.
inline qparser::ParserPolicy& Policy() {
    static qparser::ParserPolicy policy;
    return policy;
}

inline void PreparePolicy() {
    utils::SetSettingsPath(ScratchDir() + "/settings.ini");
    qparser::ParserPolicy& policy = Policy();
    policy = qparser::StoredParserPolicy();
    policy.receiveBlockSize = 1024;
    policy.sendBlockSize = 1024;
    policy.checksumSize = 2;
    policy.startBlock = 3648;
}

/// A channel file of three and a half blocks to send.
inline std::string UploadFile() {
    const std::string path = ScratchDir() + "/send.bin";
    std::ofstream out(path, std::ios::binary);
    out << std::string("QP  \x50\0", 6) << std::string(80, '\0');
    for (int i = 0; i < 3584; ++i)
        out.put(static_cast<char>(i * 31));
    return path;
}

/// The first byte chooses the parser (low bit); the chunks follow it.
template <typename Step>
void FeedChunks(const std::uint8_t* data, std::size_t size, CCommParser& parser, Step step) {
    std::size_t at = 1;
    while (at < size) {
        const std::size_t length = std::min<std::size_t>(data[at], size - at - 1);
        const QPResult_Tag result = step(parser, data + at + 1, static_cast<int>(length));
        // Every reply must fit the frame it claims.
        for (int i = 0; i < kQPMaxCommands; ++i)
            if (result.commandLengths[i] < 0 || result.commandLengths[i] > kQPMaxCommandLength)
                std::abort();
        if (parser.GetProcessPercent() < 0 || parser.GetProcessPercent() > 10000)
            std::abort();
        if (parser.AwaitsQuietLine())
            parser.OnQuietLine();
        at += 1 + length;
    }
}

inline std::unique_ptr<CCommParser> MakeParser(std::uint8_t selector) {
    if (selector & 1)
        return std::make_unique<CSTCommParser>(Policy());
    return std::make_unique<CQVRCommParser>(Policy());
}

} // namespace fuzzqp
