#include "fuzz/refresh_checker.h"

#include <cmath>

#include "fuzz/refresh_inputs.h"
#include "tests/support/row_fields.h"

namespace {

bool SameHz(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

void CheckSame(const refmodel::Outcome& got, const refmodel::Outcome& want) {
    FUZZ_CHECK(got.hostCalls == want.hostCalls);
    FUZZ_CHECK(got.rowsUpdated == want.rowsUpdated);
    FUZZ_CHECK(RowFieldsOf(got.rows) == RowFieldsOf(want.rows));
    FUZZ_CHECK(got.prevQsoTitle == want.prevQsoTitle);
    FUZZ_CHECK(got.bandKnown == want.bandKnown);
    FUZZ_CHECK(got.multiplierTitle == want.multiplierTitle);
    FUZZ_CHECK(got.resetMaps == want.resetMaps);
    FUZZ_CHECK(got.provinceTitle == want.provinceTitle);
    FUZZ_CHECK(got.provinces == want.provinces);
    FUZZ_CHECK(got.callAreaTitle == want.callAreaTitle);
    FUZZ_CHECK(got.callAreas == want.callAreas);
    FUZZ_CHECK(got.memory.call == want.memory.call);
    FUZZ_CHECK(SameHz(got.memory.lastDialHz, want.memory.lastDialHz));
    FUZZ_CHECK(got.memory.currentBand == want.memory.currentBand);
    FUZZ_CHECK(got.memory.shownBand == want.memory.shownBand);
    FUZZ_CHECK(got.pending == want.pending);
    FUZZ_CHECK(got.tableCall == want.tableCall && got.tableBand == want.tableBand);
    FUZZ_CHECK(got.tableRows == want.tableRows);
    FUZZ_CHECK(got.multiplierBand == want.multiplierBand);
    FUZZ_CHECK(got.multipliers == want.multipliers);
}

}  // namespace

void RefreshChecker::Pass(ByteSource& in, PluginChecker& checker) {
    const refmodel::HostScript host = fuzzin::Host(in, checker.Log(), m_memory.lastDialHz);
    SharedState& shared = checker.Shared();
    const refmodel::Outcome want =
        refmodel::ExpectedPass(checker.Log(), RefreshDriver::Inputs(shared), m_memory, host);
    CheckSame(m_driver.Run(shared, host), want);
    m_memory = want.memory;
    checker.PassEnded();
}
