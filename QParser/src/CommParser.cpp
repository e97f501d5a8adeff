#include "qparser/CommParser.h"

#include "TransferFile.h"
#include "policy/Policy.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kMaxBlockSize = 65536;
constexpr unsigned char kMagic[4] = {'Q', 'P', ' ', ' '};

/// Block sizes come from the settings store, which is input like any other.
int SaneBlockSize(int value) { return value >= 1 && value <= kMaxBlockSize ? value : 1024; }

/// Offsets and sizes of the 18 version slots: 1-3 of 4 bytes, 4 of 16, 5-18 of 4.
constexpr int SlotOffset(int slot) { return slot <= 4 ? (slot - 1) * 4 : 28 + (slot - 5) * 4; }
constexpr int SlotSize(int slot) { return slot == 4 ? 16 : 4; }

bool IsDelimiter(char c) { return c == ',' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

bool QPResult_Tag::AddCommand(const void* bytes, int length) {
    const int slot = CommandCount();
    if (slot == kQPMaxCommands || length < 0 || length > kQPMaxCommandLength) return false;
    std::memcpy(commands[slot], bytes, static_cast<std::size_t>(length));
    commandLengths[slot] = length;
    resultCode = std::max(resultCode, static_cast<int>(kQPCommands));
    return true;
}

int QPResult_Tag::CommandCount() const {
    int count = 0;
    while (count < kQPMaxCommands && commandLengths[count] > 0) ++count;
    return count;
}

CCommParser::CCommParser()
    : m_blockSize(SaneBlockSize(GetBufMaxSize())),
      m_startBlock(GetFlashStartBlock()),
      m_flashBlockSize(SaneBlockSize(GetFlashBlockSize())),
      m_checksumSize(GetBufChecksumSize() == 2 ? 2 : 1),
      m_byteOrder(GetFlashByteOrder() != 0 ? 1 : 0),
      m_file(std::make_unique<qparser::TransferFile>()) {}

CCommParser::~CCommParser() = default;

int CCommParser::Initialize(const std::string& path, bool write) {
    m_file->Close();
    if (write) {
        std::memset(m_info, 0, kInfoSize); // a received image starts with a blank info block
        unsigned char header[kHeaderSize];
        std::memcpy(header, kMagic, 4);
        header[4] = kInfoSize;
        header[5] = 0;
        std::memcpy(header + 6, m_info, kInfoSize);
        if (!m_file->Create(path) || !m_file->Append(header, kHeaderSize)) {
            m_file->Close();
            return 0;
        }
    } else {
        unsigned char header[6] = {};
        if (!m_file->Open(path) || m_file->ReadAt(0, header, 6) != 6 ||
            std::memcmp(header, kMagic, 4) != 0 || header[4] != kInfoSize || header[5] != 0 ||
            m_file->ReadAt(6, m_info, kInfoSize) != kInfoSize) {
            m_file->Close();
            return 0;
        }
    }
    m_path = path;
    m_receiving = write;
    const std::int64_t length = m_file->Size();
    m_payloadSize = static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(length - kHeaderSize, 0, 0xFFFFFFFFll));
    m_sentBlockSums.assign(write ? 0 : UploadBlockCount(true), -1);
    m_state = kStateIdle;
    m_quiet = QuietWait::None;
    m_reRequested = false;
    m_storedBytes = 0;
    m_failure.clear();
    m_requestedBlock = -1;
    return 1;
}

void CCommParser::ResetBuffer() {
    m_buffer.clear();
    m_buffer.shrink_to_fit();
    m_fill = 0;
    m_receivedBytes = 0;
}

int CCommParser::GetProcessPercent() const {
    static constexpr int kFixed[18] = {0,   300, 500, 600, 800, -1,   9950, 0,  100,
                                       500, 0,   700, 900, -1,  9999, -1,   9950, 0};
    std::int64_t figure = 0;
    switch (m_state) {
    case kStateBlocksArriving:
        figure = 900;
        if (m_expectedBytes > 0 && m_receivedBytes > 0)
            figure += m_receivedBytes * 9000 / m_expectedBytes;
        break;
    case kStateBlocksSending:
        figure = 900;
        if (m_payloadSize > 0) figure += m_uploadOffset * 9000 / m_payloadSize;
        break;
    case kStateFlashWriting:
        if (const int blocks = UploadBlockCount(true); blocks > 0)
            figure = static_cast<std::int64_t>(m_flashWritten) * 10000 / blocks;
        break;
    default:
        figure = m_state < 18 ? kFixed[m_state] : 0;
    }
    return static_cast<int>(std::clamp<std::int64_t>(figure, 0, 10000));
}

int CCommParser::GetBlocksDone() const {
    if (!m_receiving)
        return static_cast<int>(std::count_if(m_sentBlockSums.begin(), m_sentBlockSums.end(),
                                              [](std::int16_t sum) { return sum >= 0; }));
    return static_cast<int>(m_storedBytes / m_blockSize);
}

int CCommParser::GetBlocksTotal() const {
    if (!m_receiving) return static_cast<int>(m_sentBlockSums.size());
    return static_cast<int>(m_expectedBytes / static_cast<std::uint32_t>(m_blockSize));
}

std::string_view CCommParser::GetVersionField(int slot) const {
    if (slot < 1 || slot > kVersionSlots) return {};
    const char* text = m_version + SlotOffset(slot);
    return {text, strnlen(text, static_cast<std::size_t>(SlotSize(slot)))};
}

char* CCommParser::VersionSlot(int slot) { return m_version + SlotOffset(slot); }

int CCommParser::GetParamNo(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return -1;
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
        while (*cursor != '\0' && IsDelimiter(*cursor)) ++cursor;
        if (*cursor == '\0') return 0;
        char* end = cursor;
        while (*end != '\0' && !IsDelimiter(*end)) ++end;
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
    if (!m_buffer.empty()) return;
    m_buffer.assign(static_cast<std::size_t>(Capacity()), 0);
    m_fill = 0;
    m_receivedBytes = 0;
}

void CCommParser::ClearBuffer() {
    std::fill(m_buffer.begin(), m_buffer.end(), 0);
    m_fill = 0;
    m_receivedBytes = 0;
}

void CCommParser::Append(const unsigned char* data, int length) {
    std::memcpy(m_buffer.data() + m_fill, data, static_cast<std::size_t>(length));
    m_fill += length;
    m_receivedBytes += length;
}

void CCommParser::Consume(int length) {
    length = std::min(length, m_fill);
    std::memmove(m_buffer.data(), m_buffer.data() + length, static_cast<std::size_t>(m_fill - length));
    std::fill(m_buffer.begin() + (m_fill - length), m_buffer.begin() + m_fill, 0);
    m_fill -= length;
}

std::string_view CCommParser::Buffered() const {
    return {reinterpret_cast<const char*>(m_buffer.data()), static_cast<std::size_t>(m_fill)};
}

CCommParser::Line CCommParser::FirstLine() const {
    const std::string_view bytes = Buffered();
    const auto end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) return {bytes, false, m_fill};
    return {bytes.substr(0, end), true, static_cast<int>(end) + 1};
}

bool CCommParser::IsLineNoise(unsigned char byte) const {
    return byte == '\r' || byte == '\n' || byte == 0;
}

QPResult_Tag CCommParser::RunDownloadStep(const unsigned char* data, int length,
                                          const Rule& rule,
                                          std::initializer_list<const char*> successWords) {
    QPResult_Tag result = RunStep(data, length, rule);
    if (m_state != kStateLastBlockStored) return result;
    const bool failed = result.resultCode == kQPFailure;
    result = QPResult_Tag{};
    if (failed) {
        result.resultCode = kQPFailure;
    } else {
        m_state = kStateReceiveFinished;
        for (const char* word : successWords) result.AddCommand(word);
    }
    ClearBuffer();
    return result;
}

QPResult_Tag CCommParser::RunStep(const unsigned char* data, int length, const Rule& rule) {
    QPResult_Tag result;
    if (data == nullptr || length <= 0) return result;
    EnsureBuffer();
    if (m_state == kStateBlocksArriving) {
        GatherBlock(data, length, result);
        return result;
    }
    // A lone zero byte between lines is the line settling (a receiver switching on).
    if (length == 1 && data[0] == 0) return result;
    int offset = 0;
    while (offset < length && m_state != kStateBlocksArriving && m_state != kStateLastBlockStored &&
           m_state != kStateReceiveFinished && result.resultCode != kQPFailure) {
        const int take = std::min(length - offset, Capacity() - m_fill);
        Append(data + offset, take);
        offset += take;
        ExamineLines(rule, result);
        // A line as long as the whole buffer is no message of either protocol.
        if (m_fill == Capacity()) ClearBuffer();
    }
    return result;
}

void CCommParser::ExamineLines(const Rule& rule, QPResult_Tag& result) {
    while (m_fill > 0) {
        int noise = 0;
        while (noise < m_fill && IsLineNoise(m_buffer[static_cast<std::size_t>(noise)])) ++noise;
        Consume(noise);
        if (m_fill == 0) break;
        const int consumed = rule(result);
        if (consumed <= 0) break;
        Consume(consumed);
        if (m_state == kStateBlocksArriving || m_state == kStateLastBlockStored) break;
    }
}

// ---- receive side: blocks ----

void CCommParser::BeginBlocks(int blockCount, QPResult_Tag& result) {
    m_expectedBytes = static_cast<std::uint32_t>(blockCount) * static_cast<std::uint32_t>(m_blockSize);
    m_blockCounter = 0;
    m_storedBytes = 0;
    ClearBuffer();
    // Even an empty database fills blocks, so an announcement of none (or of more than the
    // model's flash holds) is a receiver fault, and taking it would replace the target with
    // a file that cannot be opened.
    if (blockCount == 0 || blockCount > ImageBlockLimit()) {
        char text[128];
        std::snprintf(text, sizeof text,
                      blockCount == 0 ? "The receiver announced no data (%d blocks)"
                                      : "The receiver announced %d blocks, more than its flash holds",
                      blockCount);
        m_failure = text;
        result.resultCode = kQPFailure;
        return;
    }
    m_state = kStateBlocksArriving;
    AddNumbered(result, "REQUEST_1024DOWN:", 0, "\n");
}

void CCommParser::GatherBlock(const unsigned char* data, int length, QPResult_Tag& result) {
    if (m_quiet != QuietWait::None) return; // dropped until the line is quiet
    const int need = m_blockSize + m_checksumSize;
    // Bytes beyond one block and its checksum are noise: a receiver sends nothing unasked.
    const int take = std::min(length, need - m_fill);
    Append(data, take);
    m_receivedBytes = m_storedBytes + m_fill;
    if (m_fill < need) return;
    if (!CheckSumCheck()) {
        ClearBuffer();
        m_receivedBytes = m_storedBytes;
        m_quiet = QuietWait::Resend;
        return;
    }
    StoreBlock(result);
}

bool CCommParser::CheckSumCheck() const {
    std::uint32_t sum = 0;
    for (int i = 0; i < m_blockSize; ++i) sum += m_buffer[static_cast<std::size_t>(i)];
    const auto* sent = m_buffer.data() + m_blockSize;
    if (m_checksumSize == 2) return (sum & 0xFFFF) == static_cast<std::uint32_t>(sent[0] | sent[1] << 8);
    return (sum & 0xFF) == sent[0];
}

void CCommParser::StoreBlock(QPResult_Tag& result) {
    if (!m_file->Append(m_buffer.data(), m_blockSize)) {
        result.resultCode = kQPFailure;
        return;
    }
    m_storedBytes += m_blockSize;
    ClearBuffer();
    m_receivedBytes = m_storedBytes;
    if (m_storedBytes >= m_expectedBytes) {
        if (!FinishReceive()) result.resultCode = kQPFailure;
        return;
    }
    QPResult_Tag ack;
    AddNumbered(ack, "1024DOWN_SUCCESS:", m_blockCounter, "\n");
    ++m_blockCounter;
    AddNumbered(ack, "REQUEST_1024DOWN:", m_blockCounter, "\n");
    ack.nextBlock = m_blockCounter;
    if (m_reRequested) {
        // The receiver may still answer the earlier request for this block: acknowledge only
        // once the line is quiet, so that late copy is not taken for the next block.
        m_heldAck = ack;
        m_quiet = QuietWait::ReleaseAck;
        m_reRequested = false;
        return;
    }
    for (int i = 0; i < ack.CommandCount(); ++i) result.AddCommand(ack.commands[i], ack.commandLengths[i]);
    result.nextBlock = ack.nextBlock;
}

bool CCommParser::FinishReceive() {
    const bool written = m_file->WriteAt(6, m_info, kInfoSize) && m_file->Commit();
    m_state = kStateLastBlockStored;
    return written;
}

QPResult_Tag CCommParser::OnQuietLine() {
    if (m_quiet == QuietWait::Resend) return RequestBlockAgain();
    QPResult_Tag result;
    if (m_quiet == QuietWait::ReleaseAck) result = m_heldAck;
    m_quiet = QuietWait::None;
    return result;
}

QPResult_Tag CCommParser::RequestBlockAgain() {
    if (m_quiet == QuietWait::ReleaseAck) return OnQuietLine();
    QPResult_Tag result;
    if (m_state != kStateBlocksArriving) return result;
    EnsureBuffer();
    ClearBuffer();
    m_receivedBytes = m_storedBytes;
    m_quiet = QuietWait::None;
    m_reRequested = true;
    AddNumbered(result, "REQUEST_1024DOWN:", m_blockCounter, "\n");
    result.nextBlock = m_blockCounter;
    return result;
}

int CCommParser::ImageBlockLimit() const {
    // A generous bound: every block of the layout placed after the one that starts last.
    const std::uint64_t sector = static_cast<std::uint64_t>(std::max(GetFlashOneSectorSize(), 1));
    std::uint64_t furthestStart = 0, lengths = 0;
    const auto add = [&](std::uint32_t start, std::uint32_t count, std::uint32_t chunk) {
        furthestStart = std::max<std::uint64_t>(furthestStart, start);
        lengths += std::uint64_t{count} * std::max<std::uint64_t>(sector, chunk);
    };
    std::uint32_t start = 0, count = 0, chunk = 0, extra = 0;
    GetFlashMMIBlockInfo(&start, &count, &chunk, &extra);
    add(start, count, chunk);
    for (auto* info : {&GetFlashSatBlockInfo, &GetFlashBrdBlockInfo, &GetFlashTPBlockInfo,
                       &GetFlashMuxBlockInfo}) {
        info(&start, &count, &chunk);
        add(start, count, chunk);
    }
    GetFlashCHBlockInfo(&start, &count, &chunk, &extra);
    add(start, count, chunk);
    const std::uint64_t size = static_cast<std::uint64_t>(m_blockSize);
    const std::uint64_t blocks = (furthestStart + lengths + sector + size - 1) / size;
    return static_cast<int>(std::min<std::uint64_t>(blocks, 0x7FFFFFFF));
}

// ---- send side: blocks ----

int CCommParser::UploadBlockCount(bool roundUp) const {
    const std::uint32_t size = static_cast<std::uint32_t>(m_flashBlockSize);
    return static_cast<int>(m_payloadSize / size + (roundUp && m_payloadSize % size != 0 ? 1 : 0));
}

bool CCommParser::AnswerBlockRequest(int k, int checksumBytes, QPResult_Tag& result) {
    // One block per step: a second request waits in the buffer for the next step.
    if (result.resultCode == kQPDataAndCommands ||
        result.CommandCount() + checksumBytes > kQPMaxCommands)
        return false;
    m_requestedBlock = k;
    m_uploadOffset = static_cast<std::int64_t>(k) * m_flashBlockSize + kHeaderSize;
    std::vector<unsigned char> block(static_cast<std::size_t>(m_flashBlockSize), 0);
    // A short last block goes out at full size, zero-padded.
    if (m_file->ReadAt(m_uploadOffset, block.data(), m_flashBlockSize) <= 0) block.clear();
    std::uint32_t sum = 0;
    for (unsigned char byte : block) sum += byte;
    if (k >= 0 && k < static_cast<int>(m_sentBlockSums.size()))
        m_sentBlockSums[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(sum & 0xFF);
    result.data = std::move(block);
    if (checksumBytes == 1) {
        const unsigned char low = sum & 0xFF;
        result.AddCommand(&low, 1);
    } else {
        const unsigned char low = sum & 0xFF;
        const unsigned char high = (sum >> 8) & 0xFF;
        result.AddCommand(m_byteOrder != 0 ? &low : &high, 1);
        result.AddCommand(m_byteOrder != 0 ? &high : &low, 1);
    }
    result.resultCode = kQPDataAndCommands;
    return true;
}

std::uint8_t CCommParser::TotalChecksum() const {
    // Each block counts once, however often the receiver asked for it.
    std::uint32_t total = 0;
    for (std::int16_t sum : m_sentBlockSums)
        if (sum >= 0) total += static_cast<std::uint32_t>(sum);
    return static_cast<std::uint8_t>(total & 0xFF);
}

void CCommParser::AddNumbered(QPResult_Tag& result, const char* prefix, int number, const char* end) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%s%04d%s", prefix, number, end);
    result.AddCommand(text, length);
}
