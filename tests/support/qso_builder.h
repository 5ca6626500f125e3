// Readable construction of the arguments the exports pass for one QSO or
// one call check, with the values of an ordinary 20 m RTTY contact.
#pragma once

#include <cstdint>
#include <string>

#include "contest/call_checks.h"
#include "contest/ole_date_time.h"
#include "contest/qso_entry.h"

// 2017-02-12 14:05:00, the usual QSO time of the tests.
inline COleDateTime QsoTime(int hour = 14, int minute = 5, int second = 0) {
    return COleDateTime::FromParts(2017, 2, 12, hour, minute, second);
}

// A valid time `seconds` later (negative: earlier); for dates after 1899.
inline COleDateTime Later(const COleDateTime& time, double seconds) {
    return COleDateTime(time.Value() + seconds / 86400.0, COleDateTime::valid);
}

// The check a host makes once the whole call of a QSO is typed.
inline CheckArgs CheckOf(const QsoArgs& qso) {
    CheckArgs c;
    c.call = qso.call;
    c.mode = qso.mode;
    c.callPrefix = qso.callPrefix;
    c.country = qso.country;
    c.band = c.band2 = qso.band;
    c.hasBand = c.hasBand2 = true;
    return c;
}

class Qso {
  public:
    explicit Qso(const std::string& call) {
        m_args.ownCall = "DL1OWN";
        m_args.call = call;
        m_args.time = QsoTime();
        m_args.freqHz = 14085000;
        m_args.mode = "RTTY";
        m_args.rstSent = "599";
        m_args.rstReceived = "599";
        m_args.exchSent = "001";
        m_args.exchReceived = "012";
        m_args.callPrefix = "DL1";
        m_args.country = "DL";
        m_args.band = "20m";
    }

    Qso& OwnCall(const std::string& v) { return Set(m_args.ownCall, v); }
    Qso& Time(const COleDateTime& v) { return Set(m_args.time, v); }
    Qso& FreqHz(std::uint32_t v) { return Set(m_args.freqHz, v); }
    Qso& Mode(const std::string& v) { return Set(m_args.mode, v); }
    Qso& RstSent(const std::string& v) { return Set(m_args.rstSent, v); }
    Qso& RstReceived(const std::string& v) { return Set(m_args.rstReceived, v); }
    Qso& ExchSent(const std::string& v) { return Set(m_args.exchSent, v); }
    Qso& Exch(const std::string& v) { return Set(m_args.exchReceived, v); }
    Qso& Prefix(const std::string& v) { return Set(m_args.callPrefix, v); }
    Qso& Country(const std::string& v) { return Set(m_args.country, v); }
    Qso& Band(const std::string& v) { return Set(m_args.band, v); }
    // Spanish station sending a province.
    Qso& Spanish(const std::string& country, const std::string& province) {
        return Country(country).Prefix(country).Exch(province);
    }

    operator const QsoArgs&() const { return m_args; }
    const QsoArgs& Args() const { return m_args; }
    // The record as the log store holds it, with `province` as the rules
    // would have found it (none by default).
    CInfo Record(const std::string& province = "") const {
        CInfo info = RecordOf(m_args);
        info.m_province = province;
        return info;
    }

  private:
    template <typename T>
    Qso& Set(T& field, const T& v) {
        field = v;
        return *this;
    }
    QsoArgs m_args;
};

class Check {
  public:
    explicit Check(const std::string& call) {
        m_args.call = call;
        m_args.mode = "RTTY";
        m_args.callPrefix = "DL1";
        m_args.country = "DL";
        m_args.band = "20m";
        m_args.hasBand = true;
    }

    Check& Mode(const std::string& v) { return Set(m_args.mode, v); }
    Check& Prefix(const std::string& v) { return Set(m_args.callPrefix, v); }
    Check& Country(const std::string& v) { return Set(m_args.country, v); }
    Check& Band(const std::string& v) {
        m_args.hasBand = true;
        return Set(m_args.band, v);
    }
    Check& NoBand() {
        m_args.band.clear();
        m_args.hasBand = false;
        return *this;
    }
    Check& Band2(const std::string& v) {
        m_args.hasBand2 = true;
        return Set(m_args.band2, v);
    }

    operator const CheckArgs&() const { return m_args; }

  private:
    Check& Set(std::string& field, const std::string& v) {
        field = v;
        return *this;
    }
    CheckArgs m_args;
};
