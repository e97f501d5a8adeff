// Text tables as RFC 4180 has them: fields split by a separator, a field holding the separator,
// a quote or a line break put in quotes with its quotes doubled. The system's one writer and one
// reader of CSV.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::csv {

/// The separators a reader recognises; a writer takes any of them.
inline constexpr char kSeparators[] = {',', ';', '\t'};

/// The field as it is written: quoted when it holds a separator of any kind, a quote or a line
/// break, or starts or ends with a blank (which spreadsheet programs would trim).
std::string Field(std::string_view text, char separator);

/// Appends Field(text, separator) to out.
void AppendField(std::string& out, std::string_view text, char separator);

/// Appends one record: its fields joined by the separator, then CR LF.
void AppendRecord(std::string& out, std::span<const std::string> fields, char separator);

struct Record {
    std::vector<std::string> fields;
    std::uint32_t line = 0; ///< where the record starts, from 1
};

enum class Fault : std::uint8_t {
    UnterminatedQuote, ///< a quoted field runs to the end of the text
    QuoteInField,      ///< a quote inside a field that does not start with one
    TextAfterQuote,    ///< something other than a separator or line end after a closing quote
};

struct ReadFault {
    Fault fault = Fault::UnterminatedQuote;
    std::uint32_t line = 0;  ///< where the field starts, from 1
    std::uint32_t field = 0; ///< from 1
};

/// What a reader keeps of an untrusted text, so that its memory stays in proportion to what the
/// caller can use: fields past `fields` are read but not kept, and reading stops after `records`.
struct Limits {
    std::size_t fields = SIZE_MAX;
    std::size_t records = SIZE_MAX;
};

/// How reading record by record ended.
struct ReadEnd {
    bool more = false;              ///< stopped at the limit with text left
    std::optional<ReadFault> fault; ///< the first fault, where reading stopped
};

/// Reads the records of a text (no byte-order mark) split by separator, handing each to onRecord
/// as it is read; the record handed over is reused for the next one. Reading stops at the first
/// fault or after limits.records records. Lines end in CR LF, LF or CR; a line end inside quotes
/// belongs to the field as it is; empty lines are no records.
ReadEnd ForEachRecord(std::string_view text, char separator, Limits limits,
                      const std::function<void(const Record&)>& onRecord);

struct Table {
    char separator = ',';
    std::vector<Record> records;    ///< empty lines are no records
    bool more = false;              ///< records stopped at the limit with text left
    std::optional<ReadFault> fault; ///< the first fault; records then holds nothing
};

/// The separator of the text: whichever of comma, semicolon and tab the first record holds most
/// of outside quotes (comma when none or a tie).
char DetectSeparator(std::string_view text);

/// Every record of a text as ForEachRecord reads them.
Table Read(std::string_view text, char separator, Limits limits = {});

} // namespace chanforge::csv
