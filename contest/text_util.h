// Small text helpers shared by the checks, the log and the results.
#pragma once

#include <string>
#include <string_view>

// Letter case ignored for A-Z only; other bytes compare exactly.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string ToUpper(std::string text);
// CR and LF replaced by blanks, for texts that must stay on one line.
std::string BlankLineBreaks(std::string text);
// Leading and trailing blanks, tabs, CR, LF, VT and FF removed.
std::string Trim(const std::string& text);
// Every `from` replaced by `to`, left to right; what `to` brings in is not
// searched again.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);
// printf into a std::string; texts of any length.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
