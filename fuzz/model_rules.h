// The contest rules written down once more, as simply as possible, to say
// what the plug-in must answer and which bad-QSO lines it must write.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/reference_scan.h"

namespace model {

struct AddOutcome {
    int accepted = 0;
    std::vector<std::string> messages;  // the endings of the lines written, in order
};

// What adding this QSO to `log` gives.
AddOutcome ExpectedAdd(const QsoArgs& qso, const reference::Log& log);

int ExpectedExchange(const std::string& exchange, const std::string& call,
                     const std::string& country);

bool IsValidBand(const std::string& band);  // letter case ignored

// The lines of a file whose every line ends in CR LF, as views into
// `text`; false when a line ends otherwise or holds a stray CR or LF.
bool SplitCrLf(std::string_view text, std::vector<std::string_view>& lines);

std::string ReadFile(const std::string& name, bool& exists);
// The bytes from `offset` on; false when the file is missing or shorter.
bool ReadFileFrom(const std::string& name, std::size_t offset, std::string& tail);
// Whether the file is `offset` bytes and then exactly `tail`.
bool FileEndsWith(const std::string& name, std::size_t offset, std::string_view tail);

}  // namespace model
