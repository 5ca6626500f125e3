// The Cabrillo 2.0 export: the header, QSO lines, and the file
// "<callsign>.cbr".  The header fields the settings file keeps come in and
// go out as a plain StoredHeader; the caller reads and writes the keys.
#pragma once

#include <string>
#include <vector>

#include "contest/lock_rule.h"
#include "contest/ole_date_time.h"

// The fields shown in the header dialog.
struct CabrilloHeader {
    std::string contest;
    std::string callsign;
    std::string claimed;
    std::string categoryOperator;
    std::string categoryBand;
    std::string categoryMode;
    std::string categoryPower;
    std::string categoryTransmitter;
    std::string name;
    std::string address;  // lines joined by CR LF while in the dialog
    std::string operators;
    std::string club;
    std::string soapbox;  // lines joined by CR LF while in the dialog
    std::string email;
};

// The header fields as the settings file keeps them: line breaks of the
// address and the soapbox written as "<CR>" and "<LF>".
struct StoredHeader {
    std::string operators;  // the callsign when none is stored
    std::string name;
    std::string email;
    std::string address;
    std::string category;  // written only
    std::string contest;   // written only
    std::string club;
    std::string soapbox;
    std::string claimed;  // read only
};

// Shows the header dialog; true when the operator confirmed it.
// A modal dialog: never shown under the shared state's lock.
class HeaderEditor {
  public:
    virtual ~HeaderEditor() = default;
    bool Edit(CabrilloHeader& header) {
        LockRule::ExpectNoLock("the header dialog");
        return DoEdit(header);
    }

  protected:
    virtual bool DoEdit(CabrilloHeader& header) = 0;
};

// The header dialog's CATEGORY-BAND choices: "ALL", then each contest band
// in capitals ("80M", ...), so a new band in the table is offered too.
std::vector<std::string> CategoryBands();

// An export's file, made while the log is at hand and written once the lock
// on it is released.
struct CabrilloFile {
    std::string name;
    std::string text;
};

// Writes the file whole in place of an earlier one, forced to the disk
// before it takes that one's place; the confirmation text, or a failure
// text naming the file (the earlier file then stays).
std::string WriteCabrilloFile(const CabrilloFile& file);

class CCabrilloLog {
  public:
    static constexpr const char* kDefaultBaseName = "KOLVEX";

    // Shows the header made from `stored`; 1 when the operator confirmed
    // it, and then `stored` holds the fields to keep.
    int EditHeader(StoredHeader& stored, HeaderEditor& editor, const std::string& callsign,
                   const COleDateTime& start, const COleDateTime& end);
    void ClearQsoLines() { m_qsoLines.clear(); }
    void AddQsoLine(const std::string& call, int freqKHz, const std::string& mode,
                    const COleDateTime& time, const std::string& rstSent,
                    const std::string& exchSent, const std::string& rstReceived,
                    const std::string& exchReceived);
    // The header, every QSO line and the end, under the file's name.
    CabrilloFile MakeFile(int claimedScore, const std::string& hostVersion) const;

    std::string FileName() const { return m_baseName + ".cbr"; }
    const CabrilloHeader& Header() const { return m_header; }
    const std::vector<std::string>& QsoLines() const { return m_qsoLines; }

  private:
    void LoadHeader(const StoredHeader& stored);
    StoredHeader SaveHeader();

    CabrilloHeader m_header;
    std::string m_baseName = kDefaultBaseName;
    COleDateTime m_start;
    COleDateTime m_end;
    std::vector<std::string> m_qsoLines;
};
