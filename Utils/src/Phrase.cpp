#include "utils/Phrase.h"

#include "utils/CodeTable.h"

#include <utility>

namespace utils {

Phrase::Phrase(const char* context, const char* source, std::vector<Phrase> args)
    : context_(context), source_(source), args_(std::move(args)) {}

Phrase Phrase::Verbatim(std::string bytes) {
    Phrase p;
    p.bytes_ = std::move(bytes);
    return p;
}

Phrase Phrase::Number(std::uint64_t n) {
    return Verbatim(std::to_string(n));
}

Phrase Phrase::Name(std::string bytes, std::uint8_t codeTable) {
    Phrase p = Verbatim(std::move(bytes));
    p.codeTable_ = codeTable;
    return p;
}

Phrase Phrase::Text(std::string utf8) {
    Phrase p = Verbatim(std::move(utf8));
    p.utf8_ = true;
    return p;
}

std::string Phrase::Utf8() const {
    return utf8_ ? bytes_ : NameToUtf8(bytes_, codeTable_);
}

Phrase Phrase::Counted(const char* context, const char* source, std::uint64_t n,
                       std::vector<Phrase> args) {
    Phrase p(context, source, std::move(args));
    p.counted_ = true;
    p.count_ = n;
    return p;
}

std::string Phrase::English() const {
    return Filled(false);
}

std::string Phrase::EnglishUtf8() const {
    return Filled(true);
}

std::string Phrase::Filled(bool utf8) const {
    if (IsVerbatim())
        return utf8 ? Utf8() : bytes_;
    std::vector<std::string> filled;
    filled.reserve(args_.size());
    for (const Phrase& arg : args_)
        filled.push_back(arg.Filled(utf8));
    if (!counted_)
        return FillPlaceholders(source_, filled);
    std::string english = EnglishCount(source_, count_);
    const std::string n = std::to_string(count_);
    for (std::size_t at = english.find("%n"); at != std::string::npos;
         at = english.find("%n", at + n.size()))
        english.replace(at, 2, n);
    return FillPlaceholders(english, filled);
}

std::string EnglishCount(std::string_view source, std::uint64_t n) {
    std::string out;
    out.reserve(source.size());
    constexpr std::string_view kMark = "(s)";
    for (std::size_t i = 0; i < source.size();) {
        if (source.substr(i, kMark.size()) == kMark) {
            out += n == 1 ? "" : "s";
            i += kMark.size();
        } else {
            out += source[i++];
        }
    }
    return out;
}

std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const bool digit = i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const std::size_t k = digit ? static_cast<std::size_t>(pattern[i + 1] - '1') : args.size();
        if (c == '%' && k < args.size()) {
            out += args[k];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace utils
