// The figures of a result: one row per worked band, totals, score and rates.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "contest/call_area_kinds.h"
#include "contest/contest_data.h"

struct BandFigures {
    std::string band;
    int qsos = 0;
    int points = 0;
    int entities = 0;
    int provinces = 0;
    std::array<int, kCallAreaKinds> areas{};  // areas worked, one per row of kCallAreaKind
    int multipliers = 0;
    int dupes = 0;

    void Add(const BandFigures& other);
};

struct ResultFigures {
    std::vector<BandFigures> bands;  // in the order of the sorted worked bands
    BandFigures total;
    int rejected = 0;
    int score = 0;
    int hourQsos = 0;
    int tenMinuteQsos = 0;
    int hourPoints = 0;
    int tenMinutePoints = 0;
    int lastQsoPoints = 0;
};

// Worked bands in result order: descending by the text padded with leading
// "0" to twenty characters, so "160m" comes before "80m" and "10m" last.
void SortWorkedBands(std::vector<std::string>& bands);

// Points of one QSO: 2 between Spanish stations, 3 for a Spanish station
// worked from abroad, 1 for any other.
int QsoPoints(const std::string& ownCountry, const std::string& workedCountry);

// Counts a QSO worth `points` in the one-hour and ten-minute rate windows
// that end at `reference`; a time that is not valid counts in neither.
void CountRate(ResultFigures& r, const COleDateTime& reference, const CInfo& qso, int points);

// A result and the per-band multiplier lists it counted on the way.
struct ComputedResult {
    ResultFigures figures;
    std::vector<std::string> workedBands;  // the log's worked bands, in result order
    std::vector<int> rows;                 // the band rows of the reported bands
    BandRowLists lists;                    // those rows filled, the others empty
};

// Computes every figure in one pass over the log.  `badLines` is the line
// count of the bad-QSO file; rates stay 0 during an export run.
ComputedResult ComputeResult(const ContestData& data, const std::string& ownCountry, bool exportRun,
                             int badLines);
