// Saving: sheets and cells into the records of a "Workbook" stream.
#include "chanforge/xls/Workbook.h"

#include "BiffFormat.h"
#include "LittleEndian.h"
#include "Rk.h"
#include "SharedStrings.h"

#include <algorithm>
#include <limits>

namespace chanforge::xls {

namespace {

constexpr std::uint32_t kUnassigned = std::numeric_limits<std::uint32_t>::max();

/// Appends one record; the body length is filled in when the record goes out of scope.
class RecordScope {
  public:
    RecordScope(std::vector<std::uint8_t>& out, std::uint16_t type) : out_(out), w_(out) {
        header_ = out.size();
        w_.U16(type);
        w_.U16(0);
    }
    ~RecordScope() {
        le::Put16(out_.data() + header_ + 2,
                  static_cast<std::uint16_t>(out_.size() - header_ - biff::kRecordHeader));
    }
    RecordScope(const RecordScope&) = delete;
    RecordScope& operator=(const RecordScope&) = delete;
    le::Writer& operator*() { return w_; }
    le::Writer* operator->() { return &w_; }

  private:
    std::vector<std::uint8_t>& out_;
    le::Writer w_;
    std::size_t header_;
};

void Bof(std::vector<std::uint8_t>& out, std::uint16_t substream) {
    RecordScope r(out, biff::kBof);
    r->U16(0x0600);
    r->U16(substream);
    r->U16(0x19A0); // build
    r->U16(1997);
    r->U32(0xC0C9); // file history flags
    r->U32(0x0306); // lowest version that can read the file
}

void Eof(std::vector<std::uint8_t>& out) {
    RecordScope r(out, biff::kEof);
}

void FixedGlobals(std::vector<std::uint8_t>& out) {
    {
        RecordScope r(out, biff::kWindow1);
        for (std::uint16_t v : {120, 120, 15135, 9300, 0x0038, 0, 0, 1, 600})
            r->U16(v);
    }
    static constexpr char kFontName[] = "Arial";
    for (int i = 0; i < 4; ++i) {
        RecordScope r(out, biff::kFont);
        for (std::uint16_t v : {200, 0, 0x7FFF, 400, 0})
            r->U16(v); // height, options, colour, weight, escapement
        r->U8(0);      // underline
        r->U8(0);      // family
        r->U8(0);      // character set
        r->U8(0);
        r->U8(sizeof kFontName - 1);
        r->U8(0); // compressed
        r->Bytes(reinterpret_cast<const std::uint8_t*>(kFontName), sizeof kFontName - 1);
    }
    for (int i = 0; i < 21; ++i) {
        RecordScope r(out, biff::kXf);
        r->U16(0);      // font
        r->U16(0);      // number format
        r->U16(0xFFF5); // type and protection
        r->U8(0x20);    // alignment
        r->Zeros(11);
        r->U16(0x20C0); // colours
    }
    for (int i = 0; i < 6; ++i) {
        RecordScope r(out, biff::kStyle);
        r->U16(0x8000); // built-in, on format 0
        r->U8(0);
        r->U8(0xFF);
    }
}

/// Gives every text of the pool that a cell uses one shared-string index, in order of first use.
class StringTable {
  public:
    explicit StringTable(const TextPool& pool)
        : narrow_(pool.narrow.size(), kUnassigned), wide_(pool.wide.size(), kUnassigned) {}

    void Use(const Cell& c) {
        if (c.kind != CellKind::Text && c.kind != CellKind::WideText)
            return;
        ++uses_;
        std::uint32_t& slot = Slot(c);
        if (slot == kUnassigned) {
            slot = static_cast<std::uint32_t>(strings_.size());
            strings_.push_back(sst::Ref{c.kind, static_cast<std::uint32_t>(c.integer)});
        }
    }
    std::uint32_t IndexOf(const Cell& c) { return Slot(c); }
    std::uint32_t Uses() const { return uses_; }
    const std::vector<sst::Ref>& Strings() const { return strings_; }

  private:
    std::uint32_t& Slot(const Cell& c) {
        return c.kind == CellKind::Text ? narrow_[static_cast<std::uint32_t>(c.integer)]
                                        : wide_[static_cast<std::uint32_t>(c.integer)];
    }
    std::vector<std::uint32_t> narrow_, wide_;
    std::vector<sst::Ref> strings_;
    std::uint32_t uses_ = 0;
};

std::optional<std::uint32_t> AsRk(const Cell& c) {
    if (c.kind == CellKind::Integer)
        return rk::FitsInteger(c.integer) ? std::optional(rk::EncodeInteger(c.integer))
                                          : std::nullopt;
    if (c.kind == CellKind::Float)
        return rk::EncodeFloat(c.number);
    return std::nullopt;
}

/// A row that holds at least one non-empty cell.
struct UsedRow {
    std::uint16_t row;
    std::uint16_t firstColumn;
    std::uint16_t lastColumn; ///< plus one
    const std::vector<Cell>* cells;
};

class SheetWriter {
  public:
    SheetWriter(std::vector<std::uint8_t>& out, StringTable& strings, bool active)
        : out_(out), strings_(strings), active_(active) {}

    void Write(const Worksheet& sheet) {
        const std::vector<UsedRow> rows = CollectRows(sheet);
        std::vector<std::pair<std::size_t, std::size_t>> blocks; // [first, last) into rows
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (blocks.empty() || rows[i].row / biff::kRowsPerBlock !=
                                      rows[blocks.back().first].row / biff::kRowsPerBlock)
                blocks.emplace_back(i, i + 1);
            else
                blocks.back().second = i + 1;

        std::uint32_t rowMin = 0, rowMax = 0, colMin = 0, colMax = 0;
        if (!rows.empty()) {
            rowMin = rows.front().row;
            rowMax = rows.back().row + 1u;
            colMin = kMaxColumns;
            for (const UsedRow& r : rows) {
                colMin = std::min<std::uint32_t>(colMin, r.firstColumn);
                colMax = std::max<std::uint32_t>(colMax, r.lastColumn);
            }
        }

        Bof(out_, biff::kWorksheetSubstream);
        std::size_t indexEntries;
        {
            RecordScope r(out_, biff::kIndex);
            r->U32(0);
            r->U32(rowMin);
            r->U32(rowMax);
            r->U32(0); // no default column width record
            indexEntries = out_.size();
            r->Zeros(4 * blocks.size());
        }
        {
            RecordScope r(out_, biff::kDimensions);
            r->U32(rowMin);
            r->U32(rowMax);
            r->U16(static_cast<std::uint16_t>(colMin));
            r->U16(static_cast<std::uint16_t>(colMax));
            r->U16(0);
        }
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const std::size_t dbcell = Block(rows, blocks[b].first, blocks[b].second);
            le::Put32(out_.data() + indexEntries + 4 * b, static_cast<std::uint32_t>(dbcell));
        }
        {
            RecordScope r(out_, biff::kWindow2);
            // Only the active sheet is selected: several selected sheets open as an edit group.
            r->U16(active_ ? 0x06B6 : 0x00B6);
            r->U16(0);
            r->U16(0);
            r->U16(64); // grid line colour
            r->Zeros(10);
        }
        Eof(out_);
    }

  private:
    std::vector<UsedRow> CollectRows(const Worksheet& sheet) {
        std::vector<UsedRow> rows;
        const auto& all = sheet.Rows();
        for (std::size_t r = 0; r < all.size(); ++r) {
            const std::vector<Cell>& cells = all[r];
            auto first = std::find_if(cells.begin(), cells.end(),
                                      [](const Cell& c) { return c.kind != CellKind::Empty; });
            if (first == cells.end())
                continue;
            auto last = std::find_if(cells.rbegin(), cells.rend(),
                                     [](const Cell& c) { return c.kind != CellKind::Empty; });
            rows.push_back(UsedRow{static_cast<std::uint16_t>(r), first->column,
                                   static_cast<std::uint16_t>(last->column + 1u), &cells});
        }
        return rows;
    }

    /// Writes the ROW records, the cells and the DBCELL of one row block; the DBCELL position.
    std::size_t Block(const std::vector<UsedRow>& rows, std::size_t first, std::size_t last) {
        const std::size_t firstRow = out_.size();
        for (std::size_t i = first; i < last; ++i) {
            RecordScope r(out_, biff::kRow);
            r->U16(rows[i].row);
            r->U16(rows[i].firstColumn);
            r->U16(rows[i].lastColumn);
            r->U16(0x00FF); // default height
            r->U32(0);
            r->U16(0x0100); // flags: the bit that is always set
            r->U16(biff::kCellXf);
        }
        std::vector<std::size_t> cellStarts;
        for (std::size_t i = first; i < last; ++i) {
            cellStarts.push_back(out_.size());
            Cells(rows[i]);
        }
        const std::size_t dbcell = out_.size();
        RecordScope r(out_, biff::kDbCell);
        r->U32(static_cast<std::uint32_t>(dbcell - firstRow));
        constexpr std::size_t kRowRecord = biff::kRecordHeader + 16;
        for (std::size_t i = 0; i < cellStarts.size(); ++i)
            r->U16(static_cast<std::uint16_t>(
                cellStarts[i] - (i == 0 ? firstRow + kRowRecord : cellStarts[i - 1])));
        return dbcell;
    }

    void Cells(const UsedRow& row) {
        const std::vector<Cell>& cells = *row.cells;
        for (std::size_t i = 0; i < cells.size();) {
            const Cell& c = cells[i];
            if (c.kind == CellKind::Empty) {
                ++i;
                continue;
            }
            std::optional<std::uint32_t> value = AsRk(c);
            if (!value) {
                Single(row.row, c);
                ++i;
                continue;
            }
            // Adjacent RK cells go together into one MULRK.
            std::size_t end = i + 1;
            while (end < cells.size() && cells[end].column == cells[end - 1].column + 1 &&
                   AsRk(cells[end]))
                ++end;
            if (end - i == 1) {
                RecordScope r(out_, biff::kRk);
                r->U16(row.row);
                r->U16(c.column);
                r->U16(biff::kCellXf);
                r->U32(*value);
            } else {
                RecordScope r(out_, biff::kMulRk);
                r->U16(row.row);
                r->U16(c.column);
                for (std::size_t k = i; k < end; ++k) {
                    r->U16(biff::kCellXf);
                    r->U32(*AsRk(cells[k]));
                }
                r->U16(cells[end - 1].column);
            }
            i = end;
        }
    }

    void Single(std::uint16_t row, const Cell& c) {
        if (c.kind == CellKind::Integer || c.kind == CellKind::Float) {
            RecordScope r(out_, biff::kNumber);
            r->U16(row);
            r->U16(c.column);
            r->U16(biff::kCellXf);
            r->F64(c.kind == CellKind::Integer ? c.integer : c.number);
            return;
        }
        RecordScope r(out_, biff::kLabelSst);
        r->U16(row);
        r->U16(c.column);
        r->U16(biff::kCellXf);
        r->U32(strings_.IndexOf(c));
    }

    std::vector<std::uint8_t>& out_;
    StringTable& strings_;
    bool active_;
};

void BoundSheet(std::vector<std::uint8_t>& out, const Worksheet& sheet) {
    RecordScope r(out, biff::kBoundSheet);
    r->U32(0); // position of the sheet's BOF, filled in once known
    r->U8(0);  // visible
    r->U8(0);  // worksheet
    if (sheet.HasWideName()) {
        r->U8(static_cast<std::uint8_t>(sheet.WideName().size()));
        r->U8(1);
        for (char16_t c : sheet.WideName())
            r->U16(c);
    } else {
        r->U8(static_cast<std::uint8_t>(sheet.Name().size()));
        r->U8(0);
        r->Bytes(reinterpret_cast<const std::uint8_t*>(sheet.Name().data()), sheet.Name().size());
    }
}

} // namespace

std::vector<std::uint8_t> Workbook::SaveStream() const {
    StringTable strings(*pool_);
    std::size_t estimate = 4096;
    for (const auto& sheet : sheets_)
        for (const std::vector<Cell>& row : sheet->Rows()) {
            estimate += 24 + 10 * row.size();
            for (const Cell& c : row)
                strings.Use(c);
        }

    std::vector<std::uint8_t> out;
    out.reserve(estimate);
    Bof(out, biff::kGlobalsSubstream);
    FixedGlobals(out);
    std::vector<std::size_t> positions;
    for (const auto& sheet : sheets_) {
        positions.push_back(out.size() + biff::kRecordHeader);
        BoundSheet(out, *sheet);
    }
    sst::Write(out, strings.Uses(), strings.Strings(), *pool_);
    Eof(out);

    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        le::Put32(out.data() + positions[i], static_cast<std::uint32_t>(out.size()));
        SheetWriter(out, strings, i == 0).Write(*sheets_[i]);
    }
    return out;
}

} // namespace chanforge::xls
