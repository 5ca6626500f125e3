// Every row of the contest's tables once through the plug-in and the checks,
// before any input: a band, country or province the model's own rules lack
// stops the fuzzer as it starts, not whenever a mutation happens on it.
#pragma once

namespace fuzzin {

// In the current folder, which it leaves with the plug-in's files.
void RunEveryTableRow();

}  // namespace fuzzin
