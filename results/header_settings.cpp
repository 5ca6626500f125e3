#include "results/header_settings.h"

StoredHeader ReadStoredHeader(Settings& settings, const std::string& callsign) {
    StoredHeader stored;
    stored.operators = settings.ReadText("Operators", callsign);
    stored.name = settings.ReadText("Name", "");
    stored.address = settings.ReadText("Address", "");
    stored.claimed = settings.ReadText("Claimed", "");
    stored.email = settings.ReadText("Email", "");
    stored.club = settings.ReadText("Club", "");
    stored.soapbox = settings.ReadText("SoapBox", "");
    return stored;
}

void WriteStoredHeader(Settings& settings, const StoredHeader& stored) {
    settings.WriteText("Operators", stored.operators);
    settings.WriteText("Name", stored.name);
    settings.WriteText("Email", stored.email);
    settings.WriteText("Address", stored.address);
    settings.WriteText("Category", stored.category);
    settings.WriteText("Contest", stored.contest);
    settings.WriteText("Club", stored.club);
    settings.WriteText("SoapBox", stored.soapbox);
}

int EditStoredHeader(Settings& settings, CCabrilloLog& log, HeaderEditor& editor,
                     const std::string& callsign, const COleDateTime& start,
                     const COleDateTime& end) {
    StoredHeader stored = ReadStoredHeader(settings, callsign);
    const int confirmed = log.EditHeader(stored, editor, callsign, start, end);
    if (confirmed != 0) WriteStoredHeader(settings, stored);
    return confirmed;
}
