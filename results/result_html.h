// The result as one HTML page, for a host that shows HTML.
#pragma once

#include <string>

#include "results/result_layout.h"
#include "results/score.h"

std::string ResultHtml(const ResultTitle& title, const ResultFigures& figures);
