// The result as the host shows it by default: tab-separated text.
#pragma once

#include <string>

#include "results/result_layout.h"
#include "results/score.h"

std::string ResultText(const ResultTitle& title, const ResultFigures& figures);
