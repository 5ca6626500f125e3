// The previous-QSO rows of a typed call, made from the log.
#pragma once

#include <string>

#include "contest/contest_rules.h"
#include "contest/log_store.h"
#include "windows/shared_view.h"

// Every row's cells 1 to 4 become "   -", then each band's newest QSO with
// `call` fills mode, time and province or exchange.  A row never made by a
// reset keeps an empty label.
void FillRows(PrevQsoRowSet& rows, const LogStore& log, const std::string& call);
