#include "utils/Strings.h"

#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsGroupSeparator(char c) {
    return c == '/' || c == ' ';
}

// The whitespace trim of the framework string: every isspace character, both ends.
std::string Trimmed(const std::string& text) {
    const char* const spaces = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(spaces);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

} // namespace

extern "C" {

void LeftTrimString(char* text) {
    if (text == nullptr)
        return;
    char* write = text;
    bool started = false;
    for (const char* read = text; *read != '\0'; ++read) {
        if (!started && IsBlank(*read))
            continue;
        started = true;
        *write++ = *read;
    }
    *write = '\0';
}

void RightTrimString(char* text) {
    if (text == nullptr)
        return;
    for (std::size_t i = std::strlen(text); i-- > 0 && IsBlank(text[i]);)
        text[i] = '\0';
}

void TrimString(char* text) {
    LeftTrimString(text);
    RightTrimString(text);
}

void MakeCommaDigitString(char* digits) {
    if (digits == nullptr)
        return;
    std::size_t length = std::strlen(digits);
    int counter = 0;
    for (std::size_t i = length; i-- > 1;) {
        counter = (counter + 1) % 3;
        if (IsGroupSeparator(digits[i])) {
            counter = 0;
            continue;
        }
        if (counter == 0 && !IsGroupSeparator(digits[i - 1])) {
            std::memmove(digits + i + 1, digits + i, length - i + 1);
            digits[i] = ',';
            ++length;
        }
    }
}

} // extern "C"

bool SplitString(std::string source, std::string delimiter, std::string* left, std::string* right) {
    if (source.empty())
        return false;
    source = Trimmed(source);
    const auto at = source.find(delimiter);
    if (at == std::string::npos || at == 0)
        return false;
    if (left)
        *left = Trimmed(source.substr(0, at));
    if (right)
        *right = Trimmed(source.substr(at + delimiter.size()));
    return true;
}

int SplitAllString(char* source, const char* delimiters, std::vector<std::string>* tokens) {
    if (tokens == nullptr)
        return 0;
    tokens->clear();
    if (source == nullptr || delimiters == nullptr)
        return 0;
    char* state = nullptr; // strtok_r: safe to call from several threads
    for (char* token = strtok_r(source, delimiters, &state); token != nullptr;
         token = strtok_r(nullptr, delimiters, &state))
        tokens->emplace_back(token);
    return static_cast<int>(tokens->size());
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
            continue;
        }
        out += static_cast<char>(0xC0 | b >> 6);
        out += static_cast<char>(0x80 | (b & 0x3F));
    }
    return out;
}
