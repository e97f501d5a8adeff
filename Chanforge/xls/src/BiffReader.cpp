// Loading: the records of a "Workbook" stream into sheets and cells.
#include "chanforge/xls/Workbook.h"

#include "BiffFormat.h"
#include "LittleEndian.h"
#include "Rk.h"
#include "SharedStrings.h"

#include <algorithm>
#include <optional>

namespace chanforge::xls {

namespace {

struct Record {
    std::uint16_t type;
    std::span<const std::uint8_t> body;
    std::size_t offset; ///< of the record header in the stream
};

/// Walks the records of a stream; a record that runs past the stream ends the walk as corrupt.
class RecordCursor {
  public:
    explicit RecordCursor(std::span<const std::uint8_t> stream) : stream_(stream) {}

    /// The next record, or none at the end of the stream or when the stream is truncated.
    std::optional<Record> Next() {
        if (pos_ + biff::kRecordHeader > stream_.size()) {
            truncated_ = !OnlyPaddingLeft();
            return std::nullopt;
        }
        const std::uint16_t type = le::U16(&stream_[pos_]);
        const std::uint16_t length = le::U16(&stream_[pos_ + 2]);
        if (pos_ + biff::kRecordHeader + length > stream_.size()) {
            truncated_ = !OnlyPaddingLeft();
            return std::nullopt;
        }
        Record r{type, stream_.subspan(pos_ + biff::kRecordHeader, length), pos_};
        pos_ += biff::kRecordHeader + length;
        return r;
    }
    /// The next record if it has this type (it is consumed), else none.
    std::optional<Record> NextIf(std::uint16_t type) {
        const std::size_t saved = pos_;
        std::optional<Record> r = Next();
        if (r && r->type == type)
            return r;
        pos_ = saved;
        return std::nullopt;
    }
    bool Truncated() const { return truncated_; }

  private:
    /// Some writers fill the stream up with zeros after the last record.
    bool OnlyPaddingLeft() const {
        return std::all_of(stream_.begin() + static_cast<std::ptrdiff_t>(pos_), stream_.end(),
                           [](std::uint8_t b) { return b == 0; });
    }

    std::span<const std::uint8_t> stream_;
    std::size_t pos_ = 0;
    bool truncated_ = false;
};

struct SheetEntry {
    std::uint32_t position;
    bool isWorksheet;
    bool wide;
    std::string name;
    std::u16string name16;
    bool used = false;
};

std::uint16_t BofType(const Record& r) {
    return r.body.size() >= 4 ? le::U16(r.body.data() + 2) : 0;
}

/// Skips the rest of a substream, nested ones included, up to its EOF.
void SkipSubstream(RecordCursor& in) {
    int depth = 1;
    while (auto r = in.Next()) {
        if (r->type == biff::kBof)
            ++depth;
        if (r->type == biff::kEof && --depth == 0)
            return;
    }
}

bool FitsEightBits(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x100; });
}

/// A short string of a record body: character count, option byte, characters.
bool ReadString(std::span<const std::uint8_t> p, std::size_t countBytes, std::string& narrow,
                std::u16string& wide, bool& isWide) {
    if (p.size() < countBytes + 1)
        return false;
    const std::size_t count = countBytes == 1 ? p[0] : le::U16(p.data());
    isWide = (p[countBytes] & 0x01) != 0;
    const std::size_t unit = isWide ? 2 : 1;
    const std::size_t start = countBytes + 1;
    if (p.size() < start + count * unit)
        return false;
    narrow.clear();
    wide.clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (isWide)
            wide.push_back(static_cast<char16_t>(le::U16(&p[start + 2 * i])));
        else
            narrow.push_back(static_cast<char>(p[start + i]));
    }
    return true;
}

/// The text a spreadsheet shows for an error value: kept as the cell's text, so that a reader
/// expecting a number names the cell rather than taking it as empty.
std::string_view ErrorText(std::uint8_t code) {
    switch (code) {
    case 0x00:
        return "#NULL!";
    case 0x07:
        return "#DIV/0!";
    case 0x0F:
        return "#VALUE!";
    case 0x17:
        return "#REF!";
    case 0x1D:
        return "#NAME?";
    case 0x24:
        return "#NUM!";
    default:
        return "#N/A";
    }
}

class Loader {
  public:
    Loader(std::shared_ptr<TextPool> pool) : pool_(std::move(pool)) {}

    XlsResult Run(std::span<const std::uint8_t> stream,
                  std::vector<std::unique_ptr<Worksheet>>& sheets) {
        RecordCursor in(stream);
        bool sawGlobals = false;
        while (auto r = in.Next()) {
            if (r->type != biff::kBof)
                continue;
            const std::uint16_t kind = BofType(*r);
            if (kind == biff::kGlobalsSubstream && !sawGlobals) {
                sawGlobals = true;
                if (XlsResult res = Globals(in); res != XlsResult::Ok)
                    return res;
            } else if (kind == biff::kWorksheetSubstream && sawGlobals) {
                auto sheet = std::make_unique<Worksheet>(std::string(), pool_);
                NameSheet(*sheet, r->offset, sheets.size());
                Cells(in, *sheet);
                sheets.push_back(std::move(sheet));
            } else {
                SkipSubstream(in);
            }
        }
        if (in.Truncated())
            return XlsResult::Corrupt;
        return sawGlobals ? XlsResult::Ok : XlsResult::Corrupt;
    }

  private:
    XlsResult Globals(RecordCursor& in) {
        while (auto r = in.Next()) {
            switch (r->type) {
            case biff::kEof:
                return XlsResult::Ok;
            case biff::kFilePass:
                return XlsResult::Encrypted;
            case biff::kBoundSheet:
                BoundSheet(r->body);
                break;
            case biff::kSst: {
                std::vector<std::span<const std::uint8_t>> bodies{r->body};
                while (auto c = in.NextIf(biff::kContinue))
                    bodies.push_back(c->body);
                if (!sst::Read(bodies, *pool_, sst_))
                    return XlsResult::Corrupt;
                break;
            }
            default:
                break; // formats, fonts, names...: not kept
            }
        }
        return XlsResult::Ok;
    }

    void BoundSheet(std::span<const std::uint8_t> body) {
        if (body.size() < 6)
            return;
        SheetEntry e{le::U32(body.data()), body[5] == 0, false, {}, {}};
        if (ReadString(body.subspan(6), 1, e.name, e.name16, e.wide))
            entries_.push_back(std::move(e));
    }

    /// Names a sheet from the BOUNDSHEET that points at its BOF, else from the next unused
    /// worksheet entry, else by number.
    void NameSheet(Worksheet& sheet, std::size_t bofOffset, std::size_t index) {
        SheetEntry* match = nullptr;
        for (SheetEntry& e : entries_)
            if (!e.used && e.position == bofOffset)
                match = &e;
        for (std::size_t i = 0; match == nullptr && i < entries_.size(); ++i)
            if (!entries_[i].used && entries_[i].isWorksheet)
                match = &entries_[i];
        if (match == nullptr) {
            sheet.SetName("Sheet" + std::to_string(index + 1));
            return;
        }
        match->used = true;
        if (match->wide && !FitsEightBits(match->name16))
            sheet.SetWideName(match->name16);
        else if (match->wide) // how a writer stored the name is no part of it
            sheet.SetName(std::string(match->name16.begin(), match->name16.end()));
        else
            sheet.SetName(match->name);
    }

    void Cells(RecordCursor& in, Worksheet& sheet) {
        std::optional<std::pair<std::uint16_t, std::uint16_t>> pendingString; // FORMULA text result
        while (auto r = in.Next()) {
            const std::span<const std::uint8_t> b = r->body;
            if (r->type == biff::kEof)
                return;
            if (r->type == biff::kBof) {
                SkipSubstream(in); // an embedded chart
                continue;
            }
            if (r->type == biff::kString && pendingString) {
                SetString(sheet, pendingString->first, pendingString->second, WithContinues(in, b));
                pendingString.reset();
                continue;
            }
            if (b.size() < 6)
                continue;
            const std::uint16_t row = le::U16(b.data()), col = le::U16(b.data() + 2);
            switch (r->type) {
            case biff::kNumber:
                if (b.size() >= 14)
                    sheet.SetFloat(row, col, le::F64(b.data() + 6));
                break;
            case biff::kRk:
                if (b.size() >= 10)
                    SetRk(sheet, row, col, le::U32(b.data() + 6));
                break;
            case biff::kMulRk:
                for (std::size_t i = 0; 4 + 6 * (i + 1) <= b.size() - 2; ++i)
                    SetRk(sheet, row, col + static_cast<std::uint32_t>(i),
                          le::U32(b.data() + 6 + 6 * i));
                break;
            case biff::kLabelSst:
                if (b.size() >= 10)
                    LabelSst(sheet, row, col, le::U32(b.data() + 6));
                break;
            case biff::kLabel:
            case biff::kRString: // a label with formatting runs after the text
                SetString(sheet, row, col, WithContinues(in, b.subspan(6)));
                break;
            case biff::kBoolErr:
                if (b.size() >= 8 && b[7] == 0)
                    sheet.SetInteger(row, col, b[6] != 0);
                else if (b.size() >= 8)
                    sheet.SetText(row, col, ErrorText(b[6]));
                break;
            case biff::kBlank:
                sheet.Touch(row, col);
                break;
            case biff::kMulBlank:
                if (b.size() >= 8)
                    sheet.Touch(row, col + static_cast<std::uint32_t>((b.size() - 6) / 2) - 1);
                break;
            case biff::kFormula:
                if (b.size() >= 14 && Formula(b, sheet, row, col))
                    pendingString.emplace(row, col);
                break;
            default:
                break; // row index, dimensions, window, formatting: recomputed or not kept
            }
        }
    }

    static void SetRk(Worksheet& sheet, std::uint32_t row, std::uint32_t col, std::uint32_t value) {
        const rk::Value v = rk::Decode(value);
        if (v.isInteger)
            sheet.SetInteger(row, col, v.integer);
        else
            sheet.SetFloat(row, col, v.number);
    }

    void LabelSst(Worksheet& sheet, std::uint32_t row, std::uint32_t col, std::uint32_t index) {
        if (index < sst_.size())
            sheet.SetPooledText(row, col, sst_[index].kind, sst_[index].index);
    }

    /// A body and the CONTINUE records that carry on its text.
    static std::vector<std::span<const std::uint8_t>>
    WithContinues(RecordCursor& in, std::span<const std::uint8_t> b) {
        std::vector<std::span<const std::uint8_t>> bodies{b};
        while (auto c = in.NextIf(biff::kContinue))
            bodies.push_back(c->body);
        return bodies;
    }

    static void SetString(Worksheet& sheet, std::uint32_t row, std::uint32_t col,
                          const std::vector<std::span<const std::uint8_t>>& bodies) {
        std::u16string chars;
        bool wide = false;
        if (!sst::ReadString(bodies, chars, wide))
            return;
        if (wide)
            sheet.SetWideText(row, col, chars);
        else
            sheet.SetText(row, col, std::string(chars.begin(), chars.end()));
    }

    /// Keeps the cached result of a formula; true when the text result follows in a STRING record.
    static bool Formula(std::span<const std::uint8_t> b, Worksheet& sheet, std::uint32_t row,
                        std::uint32_t col) {
        if (le::U16(b.data() + 12) != 0xFFFF) {
            sheet.SetFloat(row, col, le::F64(b.data() + 6));
            return false;
        }
        if (b[6] == 1)
            sheet.SetInteger(row, col, b[8] != 0); // boolean result
        else if (b[6] == 2)
            sheet.SetText(row, col, ErrorText(b[8]));
        return b[6] == 0;
    }

    std::shared_ptr<TextPool> pool_;
    std::vector<sst::Ref> sst_;
    std::vector<SheetEntry> entries_;
};

} // namespace

XlsResult Workbook::LoadStream(std::span<const std::uint8_t> stream) {
    auto pool = std::make_shared<TextPool>();
    std::vector<std::unique_ptr<Worksheet>> sheets;
    const XlsResult result = Loader(pool).Run(stream, sheets);
    if (result == XlsResult::Ok) {
        pool_ = std::move(pool);
        sheets_ = std::move(sheets);
    } else {
        pool_ = std::make_shared<TextPool>();
        sheets_.clear();
    }
    return result;
}

} // namespace chanforge::xls
