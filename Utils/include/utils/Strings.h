// In-place trimming, splitting and digit grouping of 8-bit strings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

extern "C" {
/// Removes leading blanks, tabs, CR and LF in place; null does nothing.
void LeftTrimString(char* text);
/// Removes trailing blanks, tabs, CR and LF in place; null does nothing.
void RightTrimString(char* text);
void TrimString(char* text);
/// Inserts thousands separators in place; the buffer needs room for one comma per three characters.
void MakeCommaDigitString(char* digits);
}

/// Splits at the first delimiter into trimmed left and right parts; false (results untouched)
/// when the source is empty or the delimiter is absent or leads.
bool SplitString(std::string source, std::string delimiter, std::string* left, std::string* right);

/// Tokenises source (modified in place) on any of the delimiter characters; empty tokens are
/// skipped. Returns the number of tokens stored in tokens (which is emptied first).
int SplitAllString(char* source, const char* delimiters, std::vector<std::string>* tokens);

/// Each byte b as the character U+00bb in UTF-8 (the Latin-1 mapping): names hold bytes of the
/// receiver's code table, and this is how every view shows them; no byte is lost.
std::string Latin1ToUtf8(std::string_view bytes);
