#include "results/cabrillo_log.h"

#include <utility>

#include "contest/contest_rules.h"
#include "contest/file_output.h"
#include "contest/text_util.h"

namespace {

constexpr const char* kAllBands = "ALL";

std::string Unescape(const std::string& text) {
    return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

std::string Escape(const std::string& text) {
    return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}

// One tagged file line per dialog line: "a<CR><LF>b" becomes "a\r\nADDRESS: b".
std::string FileForm(const std::string& escaped, const std::string& tag) {
    return ReplaceAll(ReplaceAll(escaped, "<CR>", "\r\n" + tag), "<LF>", "");
}

std::string BaseNameOf(const std::string& callsign) {
    const std::string name = Trim(ReplaceAll(ReplaceAll(callsign, "/", "_"), "\\", "_"));
    return name.empty() ? CCabrilloLog::kDefaultBaseName : name;
}

}  // namespace

std::vector<std::string> CategoryBands() {
    std::vector<std::string> bands = {kAllBands};
    for (int row : kContestBandRows) bands.push_back(ToUpper(kBands[row].text));
    return bands;
}

void CCabrilloLog::LoadHeader(const StoredHeader& stored) {
    CabrilloHeader& h = m_header;
    h.operators = stored.operators;
    h.name = stored.name;
    h.address = Unescape(stored.address);
    h.claimed = stored.claimed;
    h.contest = "DARNOL Contest";
    h.categoryOperator = "SINGLE-OP";
    h.categoryBand = kAllBands;
    h.categoryMode = "BPSK63";
    h.categoryPower = "HIGH";
    h.categoryTransmitter = "ONE";
    h.email = stored.email;
    h.club = stored.club;
    h.soapbox = Unescape(stored.soapbox);
}

StoredHeader CCabrilloLog::SaveHeader() {
    CabrilloHeader& h = m_header;
    StoredHeader stored;
    stored.operators = h.operators;
    stored.name = h.name;
    stored.email = h.email;
    stored.address = Escape(h.address);
    stored.category = h.categoryOperator;
    stored.contest = h.contest;
    stored.club = h.club;
    stored.soapbox = Escape(h.soapbox);
    h.soapbox = FileForm(stored.soapbox, "SOAPBOX: ");
    h.address = FileForm(stored.address, "ADDRESS: ");
    return stored;
}

int CCabrilloLog::EditHeader(StoredHeader& stored, HeaderEditor& editor,
                             const std::string& callsign, const COleDateTime& start,
                             const COleDateTime& end) {
    m_header.callsign = callsign;
    m_baseName = BaseNameOf(callsign);
    m_start = start;
    m_end = end;
    LoadHeader(stored);
    // The loaded header stays in file form whatever the dialog answers, so a
    // cancelled edit still writes one tagged line per address line.
    CabrilloHeader edited = m_header;
    const CabrilloHeader loaded = m_header;
    m_header.address = FileForm(Escape(loaded.address), "ADDRESS: ");
    m_header.soapbox = FileForm(Escape(loaded.soapbox), "SOAPBOX: ");
    if (!editor.Edit(edited)) return 0;
    edited.claimed = loaded.claimed;
    edited.categoryMode = loaded.categoryMode;
    m_header = edited;
    stored = SaveHeader();
    m_qsoLines.clear();
    return 1;
}

void CCabrilloLog::AddQsoLine(const std::string& call, int freqKHz, const std::string& mode,
                              const COleDateTime& time, const std::string& rstSent,
                              const std::string& exchSent, const std::string& rstReceived,
                              const std::string& exchReceived) {
    m_qsoLines.push_back(Format("QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", freqKHz,
                                mode.c_str(), time.Format("%Y-%m-%d %H%M").c_str(),
                                m_header.callsign.c_str(), rstSent.c_str(), exchSent.c_str(),
                                call.c_str(), rstReceived.c_str(), exchReceived.c_str()));
}

CabrilloFile CCabrilloLog::MakeFile(int claimedScore, const std::string& hostVersion) const {
    const CabrilloHeader& h = m_header;
    std::string text = "START-OF-LOG: 2.0\r\nARRL-SECTION: DX\r\n";
    text += "CALLSIGN: " + h.callsign + "\r\n";
    text += "CLUB: " + h.club + "\r\n";
    text += "CONTEST: DARNOL\r\n";
    text += "CATEGORY: " + h.categoryOperator + " " + h.categoryBand + "\r\n";
    text += "CLAIMED-SCORE: " + std::to_string(claimedScore) + "\r\n";
    text += "OPERATORS: " + h.operators + "\r\n";
    text += "NAME: " + h.name + "\r\n";
    text += "ADDRESS: " + h.address + "\r\n";
    text += "SOAPBOX: " + h.soapbox + "\r\n";
    text += "EMAIL: " + h.email + "\r\n";
    text += "CREATED-BY: MixW " + hostVersion + "\r\n";
    for (const std::string& line : m_qsoLines) text += line;
    text += "END-OF-LOG:\r\n";
    return CabrilloFile{FileName(), std::move(text)};
}

std::string WriteCabrilloFile(const CabrilloFile& file) {
    const std::string& name = file.name;
    return ReplaceInOneStep(name, file.text, Flush::kBeforeMove) ? "File produced: " + name
                                                                 : "File not produced: " + name;
}
