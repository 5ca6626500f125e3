// The Setup window's controls whose text follows the language (UTF-8).
#pragma once

#include <array>

struct SetupControlCaption {
    int id;
    const char* english;
    const char* russian;
};
extern const std::array<SetupControlCaption, 6> kSetupControlCaptions;

inline const char* TextOf(const SetupControlCaption& caption, bool russian) {
    return russian ? caption.russian : caption.english;
}
