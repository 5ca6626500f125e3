#include "results/header_settings.h"

namespace {

constexpr const char* kClaimedKey = "Claimed";

// Each stored header field's key, in the order a confirmed header writes
// them (a key new to the file goes at the end of its section).
struct HeaderKey {
    enum Use { kReadAndWritten, kWrittenOnly, kReadOnly };
    const char* key;
    std::string StoredHeader::*field;
    Use use;
    bool callUntilSet = false;  // read as the own call while the file has none
};
constexpr HeaderKey kHeaderKeys[] = {
    {"Operators", &StoredHeader::operators, HeaderKey::kReadAndWritten, true},
    {"Name", &StoredHeader::name, HeaderKey::kReadAndWritten},
    {"Email", &StoredHeader::email, HeaderKey::kReadAndWritten},
    {"Address", &StoredHeader::address, HeaderKey::kReadAndWritten},
    {"Category", &StoredHeader::category, HeaderKey::kWrittenOnly},
    {"Contest", &StoredHeader::contest, HeaderKey::kWrittenOnly},
    {"Club", &StoredHeader::club, HeaderKey::kReadAndWritten},
    {"SoapBox", &StoredHeader::soapbox, HeaderKey::kReadAndWritten},
    {kClaimedKey, &StoredHeader::claimed, HeaderKey::kReadOnly},
};

}  // namespace

StoredHeader ReadStoredHeader(Settings& settings, const std::string& callsign) {
    StoredHeader stored;
    for (const HeaderKey& k : kHeaderKeys) {
        if (k.use == HeaderKey::kWrittenOnly) continue;
        stored.*k.field = settings.ReadText(k.key, k.callUntilSet ? callsign : "");
    }
    return stored;
}

void WriteStoredHeader(Settings& settings, const StoredHeader& stored) {
    for (const HeaderKey& k : kHeaderKeys) {
        if (k.use != HeaderKey::kReadOnly) settings.WriteText(k.key, stored.*k.field);
    }
}

int EditStoredHeader(Settings& settings, CCabrilloLog& log, HeaderEditor& editor,
                     const std::string& callsign, const COleDateTime& start,
                     const COleDateTime& end) {
    StoredHeader stored = ReadStoredHeader(settings, callsign);
    const int confirmed = log.EditHeader(stored, editor, callsign, start, end);
    if (confirmed != 0) WriteStoredHeader(settings, stored);
    return confirmed;
}

void KeepClaimedScore(Settings& settings, const std::string& claimed) {
    if (settings.ReadText(kClaimedKey, "") != claimed) settings.WriteText(kClaimedKey, claimed);
}
