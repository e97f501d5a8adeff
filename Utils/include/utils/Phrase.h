// A text for the operator with its arguments kept apart from its sentence: the window looks the
// sentence up in the translation catalogue and fills in the arguments; the command line prints
// it in English.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace utils {

class Phrase {
  public:
    Phrase() = default;
    /// `source` is a catalogue text (CF_TR_NOOP under `context`) with %1 ... %9 for `args`.
    Phrase(const char* context, const char* source, std::vector<Phrase> args = {});
    /// Shown as it is, in no language: a name (the receiver's bytes), a number, an id.
    static Phrase Verbatim(std::string bytes);
    static Phrase Number(std::uint64_t n);
    /// A channel's name: its bytes, read through its code table (utils/CodeTable.h) as text.
    static Phrase Name(std::string bytes, std::uint8_t codeTable);
    /// Text the operator gave, already UTF-8 (a name that could not be stored).
    static Phrase Text(std::string utf8);
    /// `source` is a catalogue text (CF_TR_N_NOOP) with %n for n and its words marked "(s)",
    /// read in the plural form the count asks for; %1 ... for args as above.
    static Phrase Counted(const char* context, const char* source, std::uint64_t n,
                          std::vector<Phrase> args = {});

    bool IsVerbatim() const { return source_ == nullptr; }
    bool IsCounted() const { return counted_; }
    std::uint64_t Count() const { return count_; }
    const char* Context() const { return context_; }
    const char* Source() const { return source_; }
    const std::vector<Phrase>& Args() const { return args_; }
    const std::string& Bytes() const { return bytes_; }
    /// The verbatim bytes as UTF-8: a name through its code table, anything else as Latin-1.
    std::string Utf8() const;

    /// The sentence in English with its arguments in place; names keep their bytes.
    std::string English() const;
    /// The same in UTF-8 throughout: names read through their code tables, as the views show them.
    std::string EnglishUtf8() const;

  private:
    std::string Filled(bool utf8) const;

    const char* context_ = "";
    const char* source_ = nullptr;
    bool counted_ = false;
    std::uint64_t count_ = 0;
    std::vector<Phrase> args_;
    std::string bytes_;
    std::uint8_t codeTable_ = 0;
    bool utf8_ = false;
};

/// The English of a counted text: each "(s)" dropped for one, "s" for any other count. %n stays.
std::string EnglishCount(std::string_view source, std::uint64_t n);

/// Puts args[k-1] in place of every %k of a pattern in one pass, so an argument that itself
/// holds "%2" stays as it is; a %k without its argument, and any other %, stay too.
std::string FillPlaceholders(std::string_view pattern, const std::vector<std::string>& args);

} // namespace utils
