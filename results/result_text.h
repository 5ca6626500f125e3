// The result as the host shows it: tab-separated text, or one HTML page.
#pragma once

#include <string>

#include "results/score.h"

struct ResultTitle {
    std::string periodStart;  // "%d.%m"
    std::string periodEnd;    // "%d.%m.%Y"
    std::string ownCall;
};

extern const char* const kCreditLine;

std::string ResultText(const ResultTitle& title, const ResultFigures& figures);
std::string ResultHtml(const ResultTitle& title, const ResultFigures& figures);
