#include "qparser/CommParser.h"

#include "TransferFile.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

constexpr int kMaxBlockSize = 65536;
// What a receive may gather in memory. Both protocols state the block count in at most five
// digits: at the usual 1 KiB a block that is under 98 MiB, so only an absurd block size from
// the settings meets this cap; the largest flash region of any model is under 1 MiB.
constexpr std::uint64_t kMaxImageBytes = 128u << 20;
constexpr unsigned char kMagic[4] = {'Q', 'P', ' ', ' '};
constexpr const char* kUnaskedBlock =
    CF_TR_NOOP("Transfer", "The receiver sent a block it was not asked for, so a block may have "
                           "been taken twice: nothing received is kept");

/// Block sizes come from the settings store, which is input like any other.
int SaneBlockSize(int value) {
    return value >= 1 && value <= kMaxBlockSize ? value : 1024;
}

/// Offsets and sizes of the 18 version slots: 1-3 of 4 bytes, 4 of 16, 5-18 of 4.
constexpr int SlotOffset(int slot) {
    return slot <= 4 ? (slot - 1) * 4 : 28 + (slot - 5) * 4;
}
constexpr int SlotSize(int slot) {
    return slot == 4 ? 16 : 4;
}

bool IsDelimiter(char c) {
    return c == ',' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

bool QPResult_Tag::AddCommand(const void* bytes, int length) {
    const int slot = CommandCount();
    if (slot == kQPMaxCommands || length < 0 || length > kQPMaxCommandLength)
        return false;
    std::memcpy(commands[slot], bytes, static_cast<std::size_t>(length));
    commandLengths[slot] = length;
    resultCode = std::max(resultCode, static_cast<int>(kQPCommands));
    return true;
}

int QPResult_Tag::CommandCount() const {
    int count = 0;
    while (count < kQPMaxCommands && commandLengths[count] > 0)
        ++count;
    return count;
}

CCommParser::CCommParser(const qparser::ParserPolicy& policy)
    : blockSize_(SaneBlockSize(policy.receiveBlockSize)), startBlock_(policy.startBlock),
      flashBlockSize_(SaneBlockSize(policy.sendBlockSize)),
      checksumSize_(policy.checksumSize == 2 ? 2 : 1), byteOrder_(policy.byteOrder != 0 ? 1 : 0),
      file_(std::make_unique<qparser::TransferFile>()) {}

CCommParser::~CCommParser() = default;

qparser::ReceiverFacts CCommParser::TakeReceiverFacts() {
    return std::exchange(facts_, {});
}

int CCommParser::Initialize(const std::string& path, bool write) {
    file_->Close();
    if (write) {
        std::memset(info_, 0, kInfoSize); // a received image starts with a blank info block
        unsigned char header[kHeaderSize];
        std::memcpy(header, kMagic, 4);
        header[4] = kInfoSize;
        header[5] = 0;
        std::memcpy(header + 6, info_, kInfoSize);
        if (!file_->Create(path) || !file_->Append(header, kHeaderSize)) {
            file_->Close();
            return 0;
        }
    } else {
        unsigned char header[6] = {};
        if (!file_->Open(path) || file_->ReadAt(0, header, 6) != 6 ||
            std::memcmp(header, kMagic, 4) != 0 || header[4] != kInfoSize || header[5] != 0 ||
            file_->ReadAt(6, info_, kInfoSize) != kInfoSize) {
            file_->Close();
            return 0;
        }
    }
    path_ = path;
    receiving_ = write;
    const std::int64_t length = file_->Size();
    payloadSize_ =
        static_cast<std::uint32_t>(std::clamp<std::int64_t>(length - kHeaderSize, 0, 0xFFFFFFFFll));
    sentBlockSums_.assign(write ? 0 : UploadBlockCount(true), -1);
    state_ = kStateIdle;
    quiet_ = QuietWait::None;
    reRequested_ = false;
    answersOwed_ = 0;
    droppedBytes_ = 0;
    storedBytes_ = 0;
    failure_.clear();
    requestedBlock_ = -1;
    return 1;
}

void CCommParser::ResetBuffer() {
    buffer_.clear();
    buffer_.shrink_to_fit();
    fill_ = 0;
    receivedBytes_ = 0;
}

int CCommParser::GetProcessPercent() const {
    static constexpr int kFixed[18] = {0,   300, 500, 600, 800, -1,   9950, 0,    100,
                                       500, 0,   700, 900, -1,  9999, -1,   9950, 0};
    std::int64_t figure = 0;
    switch (state_) {
    case kStateBlocksArriving:
        figure = 900;
        if (expectedBytes_ > 0 && receivedBytes_ > 0)
            figure += receivedBytes_ * 9000 / expectedBytes_;
        break;
    case kStateBlocksSending:
        figure = 900;
        if (payloadSize_ > 0)
            figure += uploadOffset_ * 9000 / payloadSize_;
        break;
    case kStateFlashWriting:
        if (const int blocks = UploadBlockCount(true); blocks > 0)
            figure = static_cast<std::int64_t>(flashWritten_) * 10000 / blocks;
        break;
    default:
        figure = state_ < 18 ? kFixed[state_] : 0;
    }
    return static_cast<int>(std::clamp<std::int64_t>(figure, 0, 10000));
}

int CCommParser::GetBlocksDone() const {
    if (!receiving_)
        return static_cast<int>(std::count_if(sentBlockSums_.begin(), sentBlockSums_.end(),
                                              [](std::int16_t sum) { return sum >= 0; }));
    return static_cast<int>(storedBytes_ / blockSize_);
}

int CCommParser::GetBlocksTotal() const {
    if (!receiving_)
        return static_cast<int>(sentBlockSums_.size());
    return static_cast<int>(expectedBytes_ / static_cast<std::uint32_t>(blockSize_));
}

std::string_view CCommParser::GetVersionField(int slot) const {
    if (slot < 1 || slot > kVersionSlots)
        return {};
    const char* text = version_ + SlotOffset(slot);
    return {text, strnlen(text, static_cast<std::size_t>(SlotSize(slot)))};
}

char* CCommParser::VersionSlot(int slot) {
    return version_ + SlotOffset(slot);
}

int CCommParser::GetParamNo(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos)
        return -1;
    std::int64_t number = 0;
    std::size_t i = colon + 1;
    const std::size_t first = i;
    // Enough digits for any block number of a 32-bit image offset, and no overflow.
    for (; i < line.size() && i - first < 9 && line[i] >= '0' && line[i] <= '9'; ++i)
        number = number * 10 + (line[i] - '0');
    return i == first ? -1 : static_cast<int>(number);
}

int CCommParser::StoreVersionFields(char* text, const int* slotOfField, int count) {
    // A tokenizer that skips runs of delimiters, as the receivers' lines rely on.
    char* cursor = text;
    for (int field = 0; field < count; ++field) {
        while (*cursor != '\0' && IsDelimiter(*cursor))
            ++cursor;
        if (*cursor == '\0')
            return 0;
        char* end = cursor;
        while (*end != '\0' && !IsDelimiter(*end))
            ++end;
        const bool last = *end == '\0';
        *end = '\0';
        char* slot = VersionSlot(slotOfField[field]);
        const int size = SlotSize(slotOfField[field]);
        std::memset(slot, 0, static_cast<std::size_t>(size));
        std::strncpy(slot, cursor, static_cast<std::size_t>(size - 1));
        cursor = last ? end : end + 1;
    }
    return 1;
}

// ---- buffer and line framing ----

void CCommParser::EnsureBuffer() {
    if (!buffer_.empty())
        return;
    buffer_.assign(static_cast<std::size_t>(Capacity()), 0);
    fill_ = 0;
    receivedBytes_ = 0;
}

void CCommParser::ClearBuffer() {
    std::fill(buffer_.begin(), buffer_.end(), 0);
    fill_ = 0;
    receivedBytes_ = 0;
}

void CCommParser::Append(const unsigned char* data, int length) {
    std::memcpy(buffer_.data() + fill_, data, static_cast<std::size_t>(length));
    fill_ += length;
    receivedBytes_ += length;
}

void CCommParser::Consume(int length) {
    length = std::min(length, fill_);
    std::memmove(buffer_.data(), buffer_.data() + length, static_cast<std::size_t>(fill_ - length));
    std::fill(buffer_.begin() + (fill_ - length), buffer_.begin() + fill_, 0);
    fill_ -= length;
}

std::string_view CCommParser::Buffered() const {
    return {reinterpret_cast<const char*>(buffer_.data()), static_cast<std::size_t>(fill_)};
}

CCommParser::Line CCommParser::FirstLine() const {
    const std::string_view bytes = Buffered();
    const auto end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos)
        return {bytes, false, fill_};
    return {bytes.substr(0, end), true, static_cast<int>(end) + 1};
}

bool CCommParser::IsLineNoise(unsigned char byte) const {
    return byte == '\r' || byte == '\n' || byte == 0;
}

QPResult_Tag CCommParser::RunStep(const unsigned char* data, int length, const Rule& rule) {
    QPResult_Tag result;
    if (data == nullptr || length <= 0)
        return result;
    EnsureBuffer();
    if (state_ == kStateBlocksArriving) {
        GatherBlock(data, length, result);
        return result;
    }
    // A lone zero byte between lines is the line settling (a receiver switching on).
    if (length == 1 && data[0] == 0)
        return result;
    int offset = 0;
    while (offset < length && state_ != kStateBlocksArriving && state_ != kStateLastBlockStored &&
           state_ != kStateReceiveFinished && result.resultCode != kQPFailure) {
        const int take = std::min(length - offset, Capacity() - fill_);
        Append(data + offset, take);
        offset += take;
        ExamineLines(rule, result);
        // A line as long as the whole buffer is no message of either protocol.
        if (fill_ == Capacity())
            ClearBuffer();
    }
    return result;
}

void CCommParser::ExamineLines(const Rule& rule, QPResult_Tag& result) {
    while (fill_ > 0) {
        int noise = 0;
        while (noise < fill_ && IsLineNoise(buffer_[static_cast<std::size_t>(noise)]))
            ++noise;
        Consume(noise);
        if (fill_ == 0)
            break;
        const int consumed = rule(result);
        if (consumed <= 0)
            break;
        Consume(consumed);
        if (state_ == kStateBlocksArriving || state_ == kStateLastBlockStored)
            break;
    }
}

// ---- receive side: blocks ----

void CCommParser::BeginBlocks(int blockCount, QPResult_Tag& result) {
    blockCounter_ = 0;
    storedBytes_ = 0;
    ClearBuffer();
    // A receiver announces the flash region it keeps, often more than the tables fill, so the
    // count is taken as given; whether the bytes hold a database is for the caller to decide.
    // Even an empty database fills blocks, so an announcement of none is a receiver fault.
    const std::uint64_t bytes =
        static_cast<std::uint64_t>(blockCount) * static_cast<std::uint64_t>(blockSize_);
    if (blockCount <= 0 || bytes > kMaxImageBytes) {
        char text[128];
        std::snprintf(text, sizeof text,
                      blockCount <= 0
                          ? "The receiver announced no data (%d blocks)"
                          : "The receiver announced %d blocks, more than any flash holds",
                      blockCount);
        failure_ = text;
        result.resultCode = kQPFailure;
        return;
    }
    expectedBytes_ = static_cast<std::uint32_t>(bytes);
    state_ = kStateBlocksArriving;
    answersOwed_ = 1;
    AddNumbered(result, "REQUEST_1024DOWN:", 0, "\n");
}

void CCommParser::GatherBlock(const unsigned char* data, int length, QPResult_Tag& result) {
    if (quiet_ != QuietWait::None) {
        DropUntilQuiet(length, result);
        return;
    }
    const int need = blockSize_ + checksumSize_;
    // Bytes beyond one block and its checksum were sent before the next request: never a block.
    const int take = std::min(length, need - fill_);
    Append(data, take);
    receivedBytes_ = storedBytes_ + fill_;
    if (fill_ < need)
        return;
    answersOwed_ = std::max(0, answersOwed_ - 1);
    if (!CheckSumCheck()) {
        ClearBuffer();
        receivedBytes_ = storedBytes_;
        quiet_ = QuietWait::Resend;
        return;
    }
    StoreBlock(result, take < length);
    if (take < length)
        DropUntilQuiet(length - take, result);
}

void CCommParser::DropUntilQuiet(int length, QPResult_Tag& result) {
    // What follows a damaged block is its rest or noise, whatever its length.
    if (quiet_ == QuietWait::Resend)
        return;
    // The blocks still owed may come, with some noise; a whole block beyond them answers no
    // request, so the blocks taken may not be the ones asked for (a late copy of one taken as
    // the next). The receiver's blocks carry no number, so this is the only sign of it.
    droppedBytes_ += length;
    const int lineBytes = blockSize_ + checksumSize_;
    if (droppedBytes_ >= static_cast<std::int64_t>(answersOwed_ + 1) * lineBytes) {
        failure_ = kUnaskedBlock;
        result.resultCode = kQPFailure;
    }
}

bool CCommParser::CheckSumCheck() const {
    std::uint32_t sum = 0;
    for (int i = 0; i < blockSize_; ++i)
        sum += buffer_[static_cast<std::size_t>(i)];
    const auto* sent = buffer_.data() + blockSize_;
    if (checksumSize_ == 2)
        return (sum & 0xFFFF) == static_cast<std::uint32_t>(sent[0] | sent[1] << 8);
    return (sum & 0xFF) == sent[0];
}

void CCommParser::StoreBlock(QPResult_Tag& result, bool followed) {
    if (!file_->Append(buffer_.data(), blockSize_)) {
        result.resultCode = kQPFailure;
        return;
    }
    storedBytes_ += blockSize_;
    ClearBuffer();
    receivedBytes_ = storedBytes_;
    droppedBytes_ = 0;
    if (storedBytes_ >= expectedBytes_) {
        // Only once the line is quiet: a receiver that answered a request twice still owes the
        // last block then, and the blocks taken are not the ones it holds.
        quiet_ = QuietWait::ConfirmEnd;
        return;
    }
    QPResult_Tag ack;
    AddNumbered(ack, "1024DOWN_SUCCESS:", blockCounter_, "\n");
    ++blockCounter_;
    AddNumbered(ack, "REQUEST_1024DOWN:", blockCounter_, "\n");
    ack.nextBlock = blockCounter_;
    if (reRequested_ || followed) {
        // The receiver may still answer the earlier request for this block, or is sending
        // something unasked: acknowledge only once the line is quiet, so what it still sends is
        // not taken for the next block.
        heldAck_ = ack;
        quiet_ = QuietWait::ReleaseAck;
        reRequested_ = false;
        return;
    }
    answersOwed_ = 1;
    for (int i = 0; i < ack.CommandCount(); ++i)
        result.AddCommand(ack.commands[i], ack.commandLengths[i]);
    result.nextBlock = ack.nextBlock;
}

QPResult_Tag CCommParser::FinishReceive() {
    QPResult_Tag result;
    state_ = kStateLastBlockStored;
    if (!file_->WriteAt(6, info_, kInfoSize) || !file_->Commit()) {
        result.resultCode = kQPFailure;
        return result;
    }
    state_ = kStateReceiveFinished;
    for (std::string_view word : ReceiveEndWords())
        result.AddCommand(word);
    ClearBuffer();
    return result;
}

QPResult_Tag CCommParser::OnQuietLine() {
    const QuietWait waited = std::exchange(quiet_, QuietWait::None);
    switch (waited) {
    case QuietWait::Resend:
        return RequestBlockAgain();
    case QuietWait::ReleaseAck:
        answersOwed_ = 1;
        return heldAck_;
    case QuietWait::ConfirmEnd:
        return FinishReceive();
    case QuietWait::None:
        break;
    }
    return {};
}

QPResult_Tag CCommParser::RequestBlockAgain() {
    if (quiet_ == QuietWait::ReleaseAck || quiet_ == QuietWait::ConfirmEnd)
        return OnQuietLine();
    QPResult_Tag result;
    if (state_ != kStateBlocksArriving)
        return result;
    EnsureBuffer();
    ClearBuffer();
    receivedBytes_ = storedBytes_;
    quiet_ = QuietWait::None;
    reRequested_ = true;
    ++answersOwed_;
    AddNumbered(result, "REQUEST_1024DOWN:", blockCounter_, "\n");
    result.nextBlock = blockCounter_;
    return result;
}

// ---- send side: blocks ----

int CCommParser::UploadBlockCount(bool roundUp) const {
    const std::uint32_t size = static_cast<std::uint32_t>(flashBlockSize_);
    return static_cast<int>(payloadSize_ / size + (roundUp && payloadSize_ % size != 0 ? 1 : 0));
}

bool CCommParser::AnswerBlockRequest(int k, int checksumBytes, QPResult_Tag& result) {
    // One block per step: a second request waits in the buffer for the next step.
    if (result.resultCode == kQPDataAndCommands ||
        result.CommandCount() + checksumBytes > kQPMaxCommands)
        return false;
    requestedBlock_ = k;
    uploadOffset_ = static_cast<std::int64_t>(k) * flashBlockSize_ + kHeaderSize;
    std::vector<unsigned char> block(static_cast<std::size_t>(flashBlockSize_), 0);
    // A short last block goes out at full size, zero-padded.
    if (file_->ReadAt(uploadOffset_, block.data(), flashBlockSize_) <= 0)
        block.clear();
    std::uint32_t sum = 0;
    for (unsigned char byte : block)
        sum += byte;
    if (k >= 0 && k < static_cast<int>(sentBlockSums_.size()))
        sentBlockSums_[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(sum & 0xFF);
    result.data = std::move(block);
    if (checksumBytes == 1) {
        const unsigned char low = sum & 0xFF;
        result.AddCommand(&low, 1);
    } else {
        const unsigned char low = sum & 0xFF;
        const unsigned char high = (sum >> 8) & 0xFF;
        result.AddCommand(byteOrder_ != 0 ? &low : &high, 1);
        result.AddCommand(byteOrder_ != 0 ? &high : &low, 1);
    }
    result.resultCode = kQPDataAndCommands;
    return true;
}

std::uint8_t CCommParser::TotalChecksum() const {
    // Each block counts once, however often the receiver asked for it.
    std::uint32_t total = 0;
    for (std::int16_t sum : sentBlockSums_)
        if (sum >= 0)
            total += static_cast<std::uint32_t>(sum);
    return static_cast<std::uint8_t>(total & 0xFF);
}

void CCommParser::AddNumbered(QPResult_Tag& result, const char* prefix, int number,
                              const char* end) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%s%04d%s", prefix, number, end);
    result.AddCommand(text, length);
}
