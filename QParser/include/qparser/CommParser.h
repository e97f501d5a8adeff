// The frame shared by the receiver protocols: the line buffer that gathers received chunks, the
// transfer file (a channel file: "QP  ", 80, the info block, then the image), block checksums,
// the conversation state and the progress figure. A parser never touches the port: each step
// takes one received chunk and returns what to send.
//
// How lines are framed: a line ends at CR, LF or CR LF, whichever the receiver uses, also when
// the pair is split across chunks; a line is examined once and consumed once it is answered, so
// a reply is never sent twice. Chunks may split replies anywhere.
#pragma once

#include "qparser/ParserPolicy.h"
#include "qparser/ParsingState.h"
#include "qparser/QPResult.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qparser {
class TransferFile;
}

class CCommParser {
  public:
    static constexpr int kHeaderSize = 86; ///< "QP  ", the length word, the info block
    static constexpr int kInfoSize = 80;
    static constexpr int kVersionSlots = 18;
    static constexpr int kVersionTextSize = 64; ///< a longer version line is cut there

    /// Works with these policy values throughout; it never reads the settings itself.
    explicit CCommParser(const qparser::ParserPolicy& policy);
    virtual ~CCommParser();
    CCommParser(const CCommParser&) = delete;
    CCommParser& operator=(const CCommParser&) = delete;

    /// One step of a receive conversation (the database comes down into the file).
    virtual QPResult_Tag ParsingData4Download(const unsigned char* data, int length,
                                              int reserved = 0) = 0;
    /// One step of a send conversation (the file goes up to the receiver).
    virtual QPResult_Tag ParsingData4Upload(const unsigned char* data, int length,
                                            int reserved = 0) = 0;
    /// Parses a version line (modified in place) into the version slots; 1 when complete.
    virtual int ParsingRequestVersion(char* text) = 0;

    std::uint8_t GetParsingState() const { return state_; }
    void SetParsingState(std::uint8_t state) { state_ = state; }

    /// write: the file is written beside path and replaces it only when the receive completes;
    /// otherwise path is opened for reading and its header checked. 1 on success, 0 on failure.
    int Initialize(const std::string& path, bool write);
    /// Frees the line buffer.
    void ResetBuffer();
    /// Progress of the conversation in hundredths of a percent, 0 to 10000.
    int GetProcessPercent() const;

    /// Blocks moved so far and in all, for progress displays.
    int GetBlocksDone() const;
    int GetBlocksTotal() const;

    /// Receive side: after a damaged block, after a block that was asked for again, and after
    /// the last block, the parser drops what arrives until the caller reports the line quiet
    /// (OnQuietLine).
    bool AwaitsQuietLine() const { return quiet_ != QuietWait::None; }
    /// Receive side: the last block is in and waits for a quiet line before the receive ends; a
    /// block the receiver still sends then was never asked for. The wait must be long enough
    /// for one more block to cross the line.
    bool AwaitsQuietEnd() const { return quiet_ == QuietWait::ConfirmEnd; }
    /// What to send once the line has been quiet: the request for the damaged block, the held
    /// acknowledgement of a block that was asked for twice, or the end of the receive.
    QPResult_Tag OnQuietLine();
    /// Receive side, while blocks arrive: drops a partial block and asks for it again.
    QPResult_Tag RequestBlockAgain();

    /// Why the last step failed, for the operator; empty when the failure has no reason of its
    /// own (the transfer file could not be written).
    const std::string& GetFailure() const { return failure_; }
    /// Send side: the block the receiver asked for last, or -1.
    int GetRequestedBlock() const { return requestedBlock_; }
    /// Bytes one block takes on the line with its checksum, in this conversation's direction.
    int BlockLineBytes() const {
        return receiving_ ? blockSize_ + checksumSize_ : flashBlockSize_ + 2;
    }

    /// Receive side: what the receiver said about itself since the last call; the caller
    /// stores it (or not, for a one-off model).
    qparser::ReceiverFacts TakeReceiverFacts();

    /// Text of version slot 1..18; empty for other numbers.
    std::string_view GetVersionField(int slot) const;
    std::uint32_t GetPayloadSize() const { return payloadSize_; }

    /// Number after the first ':' of a complete line, or -1 (no ':' or no digits).
    static int GetParamNo(std::string_view line);

  protected:
    /// The first line of the buffer.
    struct Line {
        std::string_view text; ///< without its line end; the whole buffer while unterminated
        bool complete = false; ///< the line end has arrived
        int length = 0;        ///< bytes of text and line end
    };
    /// A rule acts on the buffer and says how many bytes it consumed; 0 waits for more bytes.
    using Rule = std::function<int(QPResult_Tag&)>;

    /// One step: gathers the chunk piece by piece (the buffer stays bounded) and runs the rule
    /// over each line; in the block state the bytes go to the block instead.
    QPResult_Tag RunStep(const unsigned char* data, int length, const Rule& rule);
    /// What ends a receive that succeeded, sent in place of the last block's acknowledgement.
    virtual std::vector<std::string_view> ReceiveEndWords() const = 0;
    /// Bytes the line framer skips before a line: line ends and NULs (and more in subclasses).
    virtual bool IsLineNoise(unsigned char byte) const;

    Line FirstLine() const;
    std::string_view Buffered() const;
    /// Zero-fills the buffer; fill length and received bytes become 0.
    void ClearBuffer();

    /// Stores fields of a version line into the slots (field i goes to slot slotOfField[i]);
    /// returns 1 when all were present.
    int StoreVersionFields(char* text, const int* slotOfField, int count);

    /// Receive side: begins the block phase for n blocks (or ends it at once for none).
    void BeginBlocks(int blockCount, QPResult_Tag& result);
    /// Receive side: the info block is written, the file completed and the receive finished.
    QPResult_Tag FinishReceive();
    /// Whole block and checksum in the buffer: its checksum is right.
    bool CheckSumCheck() const;

    /// Send side: reads block k, adds its checksum, records its sum for the total.
    bool AnswerBlockRequest(int k, int checksumBytes, QPResult_Tag& result);
    std::uint8_t TotalChecksum() const;
    int UploadBlockCount(bool roundUp) const;

    static void AddNumbered(QPResult_Tag& result, const char* prefix, int number, const char* end);

    // Policy values, as given.
    int blockSize_;
    int startBlock_;
    int flashBlockSize_;
    int checksumSize_;
    int byteOrder_;

    std::uint8_t state_ = kStateIdle;
    std::uint32_t expectedBytes_ = 0;
    std::int64_t receivedBytes_ = 0;
    std::int64_t storedBytes_ = 0;
    int blockCounter_ = 0;
    int flashWritten_ = 0;
    std::uint32_t payloadSize_ = 0;
    std::int64_t uploadOffset_ = 0;
    unsigned char info_[kInfoSize] = {};
    char version_[84] = {};
    qparser::ReceiverFacts facts_;

  private:
    enum class QuietWait { None, Resend, ReleaseAck, ConfirmEnd };

    void EnsureBuffer();
    int Capacity() const { return blockSize_ + checksumSize_ + 1; }
    void Append(const unsigned char* data, int length);
    void Consume(int length);
    void ExamineLines(const Rule& rule, QPResult_Tag& result);
    void GatherBlock(const unsigned char* data, int length, QPResult_Tag& result);
    /// Bytes that arrive while the line settles; fails the receive once they hold more blocks
    /// than were asked for.
    void DropUntilQuiet(int length, QPResult_Tag& result);
    /// followed: more bytes came with the block.
    void StoreBlock(QPResult_Tag& result, bool followed);
    char* VersionSlot(int slot);

    std::vector<unsigned char> buffer_;
    int fill_ = 0;
    QuietWait quiet_ = QuietWait::None;
    bool reRequested_ = false;
    /// Answers the receiver may still send for the block being received: one per request, less
    /// those that came (whole, damaged or taken).
    int answersOwed_ = 0;
    std::int64_t droppedBytes_ = 0; ///< since the line began to settle
    bool receiving_ = false;
    QPResult_Tag heldAck_;
    std::vector<std::int16_t> sentBlockSums_; ///< -1: not sent; else the block's 8-bit sum
    std::unique_ptr<qparser::TransferFile> file_;
    std::string path_;
    std::string failure_;
    int requestedBlock_ = -1;
};
