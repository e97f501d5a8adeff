// Random chunk sequences into both parsers' receive conversations.
#include "FuzzSession.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzqp::PreparePolicy();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    auto parser = fuzzqp::MakeParser(data[0]);
    if (parser->Initialize(fuzzqp::ScratchDir() + "/received.bin", true) != 1)
        return 0;
    fuzzqp::FeedChunks(data, size, *parser,
                       [](CCommParser& p, const std::uint8_t* bytes, int length) {
                           return p.ParsingData4Download(bytes, length);
                       });
    if (data[0] & 2)
        parser->RequestBlockAgain(); // the re-request timer firing at the end
    return 0;
}
