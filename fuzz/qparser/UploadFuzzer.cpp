// Random chunk sequences into both parsers' send conversations.
#include "FuzzSession.h"

namespace {
std::string uploadPath;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzqp::PreparePolicy();
    uploadPath = fuzzqp::UploadFile();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    auto parser = fuzzqp::MakeParser(data[0]);
    if (parser->Initialize(uploadPath, false) != 1)
        std::abort();
    fuzzqp::FeedChunks(data, size, *parser,
                       [](CCommParser& p, const std::uint8_t* bytes, int length) {
                           QPResult_Tag result = p.ParsingData4Upload(bytes, length);
                           // A block answer is one flash block or nothing.
                           if (!result.data.empty() && result.data.size() != 1024)
                               std::abort();
                           return result;
                       });
    return 0;
}
