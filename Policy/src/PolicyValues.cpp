// Typed getters and setters of the product policy over the settings store.
#include "policy/Policy.h"

#include "utils/Registry.h"

#include <cstdint>

namespace {

struct Value {
    const char* name;
    std::uint32_t fallback;
};

constexpr Value kProductType{"Product Type", 0};
constexpr Value kProductList{"Product List", 0};
constexpr Value kGridColumn{"Flexgrid Column", 0};
constexpr Value kStartBlock{"Flash Write Start Block", 3648};
constexpr Value kBlockSize{"Flash Write Block Size", 1024};
constexpr Value kRequestBlock{"Flash Write Request Block", 384};
constexpr Value kSectorSize{"Flash One Sector Size", 4096};
constexpr Value kByteOrder{"Flash Byte Order", 0};
constexpr Value kMaxMuxCount{"Flash MAX Mux Count", 0};
constexpr Value kMailboxCount{"Flash Mailbox Count", 0};
constexpr Value kChecksumSize{"CheckSum Data Size", 2};
constexpr Value kMaxBufferSize{"MAX Buffer Size", 1024};

// Block descriptions: start position, total count, chunk size and, for two blocks, one more.
constexpr Value kMMIBlock[] = {{"Flash MMI Start Position", 0},
                               {"Flash MMI Total Count", 1},
                               {"Flash MMI Chunk Size", 20},
                               {"Flash Favorite Count", 32}};
constexpr Value kSatBlock[] = {
    {"Flash SAT Start Position", 4096}, {"Flash SAT Total Count", 1}, {"Flash SAT Chunk Size", 44}};
constexpr Value kBrdBlock[] = {
    {"Flash BRD Start Position", 8192}, {"Flash BRD Total Count", 2}, {"Flash BRD Chunk Size", 20}};
constexpr Value kTPBlock[] = {
    {"Flash TP Start Position", 16384}, {"Flash TP Total Count", 6}, {"Flash TP Chunk Size", 14}};
constexpr Value kCHBlock[] = {{"Flash CH Start Position", 49152},
                              {"Flash CH Total Count", 40},
                              {"Flash CH Chunk Size", 44},
                              {"Flash CH Name Length", 17}};
constexpr Value kMuxBlock[] = {
    {"Flash MUX Start Position", 0}, {"Flash MUX Total Count", 0}, {"Flash MUX Chunk Size", 0}};

/// A single value; when the store cannot be read the default is the answer.
int Get(const Value& value) {
    std::uint32_t result = value.fallback;
    GetRegistry(kChanforgeKey, value.name, &result, value.fallback);
    return static_cast<int>(result);
}

int Set(const Value& value, int number) {
    return SetRegistry(kChanforgeKey, value.name, static_cast<std::uint32_t>(number));
}

/// Reads every value of a block into its own variable; a failed read leaves that variable as
/// it was. The result is that of the last read.
template <std::size_t N> int GetBlock(const Value (&values)[N], std::uint32_t* const (&out)[N]) {
    int result = 0;
    for (std::size_t i = 0; i < N; ++i) {
        std::uint32_t read = 0;
        result = GetRegistry(kChanforgeKey, values[i].name, &read, values[i].fallback);
        if (result && out[i] != nullptr)
            *out[i] = read;
    }
    return result;
}

template <std::size_t N> int SetBlock(const Value (&values)[N], const int (&numbers)[N]) {
    int result = 0;
    for (std::size_t i = 0; i < N; ++i)
        result = Set(values[i], numbers[i]);
    return result;
}

} // namespace

extern "C" {

int GetProductType() {
    return Get(kProductType);
}
int SetProductType(int value) {
    return Set(kProductType, value);
}
int GetProductList() {
    return Get(kProductList);
}
int SetProductList(int value) {
    return Set(kProductList, value);
}
int GetGridColumn() {
    return Get(kGridColumn);
}
int SetGridColumn(int value) {
    return Set(kGridColumn, value);
}
int GetFlashStartBlock() {
    return Get(kStartBlock);
}
int SetFlashStartBlock(int value) {
    return Set(kStartBlock, value);
}
int GetFlashBlockSize() {
    return Get(kBlockSize);
}
int SetFlashBlockSize(int value) {
    return Set(kBlockSize, value);
}
int GetFlashRequestBlock() {
    return Get(kRequestBlock);
}
int SetFlashRequestBlock(int value) {
    return Set(kRequestBlock, value);
}
int GetFlashOneSectorSize() {
    return Get(kSectorSize);
}
int SetFlashOneSectorSize(int value) {
    return Set(kSectorSize, value);
}
int GetFlashByteOrder() {
    return Get(kByteOrder);
}
int SetFlashByteOrder(int value) {
    return Set(kByteOrder, value);
}
int GetFlashMaxMuxCount() {
    return Get(kMaxMuxCount);
}
int SetFlashMaxMuxCount(int value) {
    return Set(kMaxMuxCount, value);
}
int GetFlashMailboxCount() {
    return Get(kMailboxCount);
}
int SetFlashMailboxCount(int value) {
    return Set(kMailboxCount, value);
}
int GetBufChecksumSize() {
    return Get(kChecksumSize);
}
int SetBufChecksumSize(int value) {
    return Set(kChecksumSize, value);
}
int GetBufMaxSize() {
    return Get(kMaxBufferSize);
}
int SetBufMaxSize(int value) {
    return Set(kMaxBufferSize, value);
}

int GetFlashMMIBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk,
                         std::uint32_t* favorites) {
    return GetBlock(kMMIBlock, {start, count, chunk, favorites});
}
int SetFlashMMIBlockInfo(int start, int count, int chunk, int favorites) {
    return SetBlock(kMMIBlock, {start, count, chunk, favorites});
}
int GetFlashSatBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk) {
    return GetBlock(kSatBlock, {start, count, chunk});
}
int SetFlashSatBlockInfo(int start, int count, int chunk) {
    return SetBlock(kSatBlock, {start, count, chunk});
}
int GetFlashBrdBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk) {
    return GetBlock(kBrdBlock, {start, count, chunk});
}
int SetFlashBrdBlockInfo(int start, int count, int chunk) {
    return SetBlock(kBrdBlock, {start, count, chunk});
}
int GetFlashTPBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk) {
    return GetBlock(kTPBlock, {start, count, chunk});
}
int SetFlashTPBlockInfo(int start, int count, int chunk) {
    return SetBlock(kTPBlock, {start, count, chunk});
}
int GetFlashCHBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk,
                        std::uint32_t* nameLength) {
    return GetBlock(kCHBlock, {start, count, chunk, nameLength});
}
int SetFlashCHBlockInfo(int start, int count, int chunk, int nameLength) {
    return SetBlock(kCHBlock, {start, count, chunk, nameLength});
}
int GetFlashMuxBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk) {
    return GetBlock(kMuxBlock, {start, count, chunk});
}
int SetFlashMuxBlockInfo(int start, int count, int chunk) {
    return SetBlock(kMuxBlock, {start, count, chunk});
}

int SetProductVersion(const char* text) {
    if (text == nullptr)
        return 0;
    return SetRegistry(kChanforgeKey, "QVR Version String", text);
}

} // extern "C"
