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
        : text_(text), separator_(separator), limits_(limits) {
        for (char c : {separator, '\r', '\n', '"'})
            plainStop_[static_cast<unsigned char>(c)] = true;
    }

    ReadEnd Run(const std::function<void(const Record&)>& onRecord) {
        ReadEnd end;
        Record record; // its fields are reused from one record to the next
        for (std::size_t count = 0; pos_ < text_.size();) {
            if (count >= limits_.records) {
                // Empty lines after the last record are no more records.
                end.more = text_.find_first_not_of("\r\n", pos_) != std::string_view::npos;
                return end;
            }
            record.line = line_;
            bool quoted = false;
            if (!ReadRecord(record, quoted)) {
                end.fault = fault_;
                return end;
            }
            const bool blank = !quoted && record.fields.size() == 1 && record.fields[0].empty();
            if (blank)
                continue;
            ++count;
            onRecord(record);
        }
        return end;
    }

  private:
    /// One record and its line end; quoted tells whether any field was quoted.
    bool ReadRecord(Record& record, bool& quoted) {
        std::size_t kept = 0;
        for (std::uint32_t field = 1;; ++field) {
            // Fields past the limit are read through one scratch string.
            std::string& out = kept < limits_.fields ? KeptField(record, kept++) : scratch_;
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
            record.fields.resize(kept);
            return true;
        }
    }

    static std::string& KeptField(Record& record, std::size_t index) {
        return index < record.fields.size() ? record.fields[index] : record.fields.emplace_back();
    }

    bool Plain(std::string& out, std::uint32_t field) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !plainStop_[static_cast<unsigned char>(text_[pos_])])
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '"')
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
    std::array<bool, 256> plainStop_{}; ///< the bytes that end a plain field, or fault it
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

ReadEnd ForEachRecord(std::string_view text, char separator, Limits limits,
                      const std::function<void(const Record&)>& onRecord) {
    return Reader(text, separator, limits).Run(onRecord);
}

Table Read(std::string_view text, char separator, Limits limits) {
    Table table;
    table.separator = separator;
    const ReadEnd end = ForEachRecord(
        text, separator, limits, [&](const Record& record) { table.records.push_back(record); });
    table.more = end.more;
    table.fault = end.fault;
    if (table.fault)
        table.records.clear();
    return table;
}

} // namespace chanforge::csv
