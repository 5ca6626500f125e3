// The previous-QSO rows of a typed call, made from the log.
#pragma once

#include <string>

#include "contest/contest_rules.h"
#include "contest/log_store.h"
#include "windows/shared_view.h"

// Every row as a new contest starts it: its band's label, "-" in the others.
void StartRows(PrevQsoRowSet& rows);
// Each band's newest QSO with `call` fills mode, time and province or
// exchange; a band without one shows "   -" in each.  The labels stay.
void FillRows(PrevQsoRowSet& rows, const LogStore& log, const std::string& call);
