#include "chanforge/csv/Csv.h"

#include <algorithm>
#include <array>

namespace chanforge::csv {

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

/// Walks the text field by field, counting lines as it goes.
class Reader {
  public:
    Reader(std::string_view text, char separator, Limits limits)
        : text_(text), separator_(separator), limits_(limits) {}

    Table Run() {
        Table table;
        table.separator = separator_;
        while (pos_ < text_.size()) {
            if (table.records.size() >= limits_.records) {
                // Empty lines after the last record are no more records.
                table.more = text_.find_first_not_of("\r\n", pos_) != std::string_view::npos;
                return table;
            }
            Record record{{}, line_};
            record.fields.reserve(std::min(widest_, limits_.fields));
            bool quoted = false;
            if (!ReadRecord(record, quoted)) {
                table.fault = fault_;
                table.records.clear();
                return table;
            }
            widest_ = std::max(widest_, record.fields.size());
            const bool blank = !quoted && record.fields.size() == 1 && record.fields[0].empty();
            if (!blank)
                table.records.push_back(std::move(record));
        }
        return table;
    }

  private:
    /// One record and its line end; quoted tells whether any field was quoted.
    bool ReadRecord(Record& record, bool& quoted) {
        for (std::uint32_t field = 1;; ++field) {
            // Fields past the limit are read through one scratch string.
            std::string& out =
                record.fields.size() < limits_.fields ? record.fields.emplace_back() : scratch_;
            out.clear();
            const bool ok = pos_ < text_.size() && text_[pos_] == '"'
                                ? (quoted = true, Quoted(out, field))
                                : Plain(out, field);
            if (!ok)
                return false;
            if (pos_ < text_.size() && text_[pos_] == separator_) {
                ++pos_;
                continue;
            }
            SkipLineEnd();
            return true;
        }
    }

    bool Plain(std::string& out, std::uint32_t field) {
        const std::size_t start = pos_;
        for (; pos_ < text_.size() && text_[pos_] != separator_ && !IsLineEnd(text_[pos_]); ++pos_)
            if (text_[pos_] == '"')
                return Fail(Fault::QuoteInField, line_, field);
        out.assign(text_.substr(start, pos_ - start));
        return true;
    }

    bool Quoted(std::string& out, std::uint32_t field) {
        const std::uint32_t startLine = line_;
        ++pos_;
        for (;;) {
            const std::size_t quote = text_.find('"', pos_);
            if (quote == std::string_view::npos)
                return Fail(Fault::UnterminatedQuote, startLine, field);
            CountLines(pos_, quote);
            out.append(text_.substr(pos_, quote - pos_));
            pos_ = quote + 1;
            if (pos_ < text_.size() && text_[pos_] == '"') {
                out.push_back('"');
                ++pos_;
                continue;
            }
            break;
        }
        if (pos_ < text_.size() && text_[pos_] != separator_ && !IsLineEnd(text_[pos_]))
            return Fail(Fault::TextAfterQuote, line_, field);
        return true;
    }

    /// Counts the line ends in [from, to): CR LF is one, a lone CR or LF one each.
    void CountLines(std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            if (text_[i] == '\n' ||
                (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
                ++line_;
    }

    void SkipLineEnd() {
        if (pos_ >= text_.size())
            return;
        pos_ += text_.substr(pos_).starts_with("\r\n") ? 2 : 1;
        ++line_;
    }

    bool Fail(Fault fault, std::uint32_t line, std::uint32_t field) {
        fault_ = ReadFault{fault, line, field};
        return false;
    }

    std::string_view text_;
    char separator_;
    Limits limits_;
    std::string scratch_;
    std::size_t widest_ = 1; ///< fields of the widest record so far, to reserve room for the next
    std::size_t pos_ = 0;
    std::uint32_t line_ = 1;
    ReadFault fault_;
};

} // namespace

char DetectSeparator(std::string_view text) {
    std::array<std::size_t, std::size(kSeparators)> counts{};
    bool inQuotes = false;
    for (char c : text) {
        if (c == '"')
            inQuotes = !inQuotes;
        else if (!inQuotes && IsLineEnd(c))
            break;
        else if (!inQuotes)
            for (std::size_t i = 0; i < counts.size(); ++i)
                counts[i] += c == kSeparators[i] ? 1 : 0;
    }
    // max_element keeps the first of equals: comma before semicolon before tab.
    return kSeparators[std::max_element(counts.begin(), counts.end()) - counts.begin()];
}

Table Read(std::string_view text, char separator, Limits limits) {
    return Reader(text, separator, limits).Run();
}

} // namespace chanforge::csv
