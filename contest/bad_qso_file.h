// The bad-QSO file: a header line, then one line per refused, bad or
// duplicate QSO.  Lines end in CR LF on every platform.  The file is opened
// only while lines are written and closed at once: a QSO's lines go in one
// write, a new or rewritten file whole in one step.  Nothing here forces them
// to the disk (every reset rebuilds the file from the log); only the Cabrillo
// file is flushed.
#pragma once

#include <string>
#include <vector>

#include "contest/qso_args.h"

namespace BadQso {

constexpr const char* kCreatedHeader = "KOLVEX TEST UBN file ";
constexpr const char* kRewrittenHeader = "KOLVEX TEST UBN file  ";
constexpr const char* kWrongBand = "   WRONG BAND !!!";
constexpr const char* kWrongMode = "   WRONG MODE !!!";
constexpr const char* kNoRxNumber = "   NO RX NUMBER !!!";
constexpr const char* kNoProvince = "   NO SPAIN PROVINCE !!!";
constexpr const char* kOnlyHq = "  ONLY HQ POSSIBLE FROM EA4URE !!!";
constexpr const char* kDupe = "   DUPE !!!";

// A line with the host's mode (refusals, duplicates), or with " RY " in its
// place (a wrong or missing province).
std::string LineWithMode(const QsoArgs& qso, const char* message);
std::string LineWithRtty(const QsoArgs& qso, const char* message);

// Each returns false when the file could not be written: the lines are lost
// and the file stays as it was.
bool Create(const std::string& fileName, const std::string& header);
bool Append(const std::string& fileName, const std::vector<std::string>& lines);
bool Rewrite(const std::string& fileName, const std::string& header,
             const std::vector<std::string>& lines);

// Whether anything (a file, even one that cannot be read, or a folder)
// stands under this name.
bool Exists(const std::string& fileName);
// Removes the lines that report a QSO with this call in the minute of
// `marker` (" HHMM ") and puts the rewritten header on top.  A file that
// cannot be read but exists is left alone; a missing one is created.
void DropReports(const std::string& fileName, const std::string& call, const std::string& marker);
// Lines in the file, a last line without line end included; 0 when unreadable.
int CountLines(const std::string& fileName);

}  // namespace BadQso
