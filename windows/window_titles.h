// The titles and captions of the plug-in's windows, English or Russian.
// Texts are UTF-8; the contest year, band and call go in as given.
#pragma once

#include <array>
#include <cstddef>
#include <string>

// What every caption depends on, read from the shared state under its lock.
struct Captions {
    std::string year;      // g_contestYear
    bool russian = false;  // g_russianCaptions
};

std::string SetupTitle(const Captions& c);
// The previous-QSO window as its Setup box opens it, before any refresh.
std::string PrevQsoOpenedTitle(const Captions& c);
// The previous-QSO window as a refresh opens it, and while no call is typed.
std::string PrevQsoTitle(const Captions& c);
std::string WorkedWithTitle(const Captions& c, const std::string& call);
std::string MultiplierTitle(const Captions& c, const std::string& band);
std::string ProvinceTitle(const Captions& c, const std::string& band, std::size_t worked);
std::string CallAreaTitle(const std::string& band);  // the same in both languages
