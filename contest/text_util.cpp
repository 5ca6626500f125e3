#include "contest/text_util.h"

#include <cstdarg>
#include <cstdio>

namespace {
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::string ToUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string BlankLineBreaks(std::string text) {
    // Searched for (memchr), not tested byte by byte: a bad-QSO line with a
    // long call runs to hundreds of kilobytes and rarely holds a break.
    for (const char lineBreak : {'\r', '\n'}) {
        for (size_t at = text.find(lineBreak); at != std::string::npos;
             at = text.find(lineBreak, at + 1)) {
            text[at] = ' ';
        }
    }
    return text;
}

std::string Trim(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty() || from == to) return text;
    std::string out;
    size_t start = 0;
    for (size_t hit; (hit = text.find(from, start)) != std::string::npos;
         start = hit + from.size()) {
        out.append(text, start, hit - start).append(to);
    }
    return out.append(text, start, std::string::npos);
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (length > 0) {
        out.resize(static_cast<size_t>(length));
        std::vsnprintf(&out[0], out.size() + 1, format, args);
    }
    va_end(args);
    return out;
}
