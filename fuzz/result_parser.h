// Reads the figures back out of a result, text or HTML.  A result that does
// not have the expected shape gives false.
#pragma once

#include <string>

#include "results/score.h"

namespace fuzzparse {

bool ParseText(const std::string& text, ResultFigures& figures);
bool ParseHtml(const std::string& html, ResultFigures& figures);

}  // namespace fuzzparse
