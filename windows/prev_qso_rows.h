// The previous-QSO rows of a typed call, made from the log.
#pragma once

#include <string>

#include "contest/contest_rules.h"
#include "contest/log_store.h"
#include "windows/shared_view.h"

static_assert(kWindowBands == kBandRows, "one window band per band row");

// The windows' band labels, "160m" .. "10m", one per band index: the band
// rows' own texts.
inline const char* const (&kBandLabels)[kWindowBands] = kBandTexts;

// Every row's cells 1 to 4 become "   -", then each band's newest QSO with
// `call` fills mode, time and province or exchange.  A row never made by a
// reset keeps an empty label.
void FillRows(PrevQsoRowSet& rows, const LogStore& log, const std::string& call);
