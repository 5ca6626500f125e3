// A date-time with the semantics of the host's OLE date: days since
// 30 December 1899 as a double, plus a status.  Kept portable so the
// contest logic never needs a Windows header.
#pragma once

#include <cstdint>
#include <string>

class COleDateTime {
  public:
    enum Status : std::int32_t { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(double value, Status status) : m_value(value), m_status(status) {}
    static COleDateTime FromParts(int year, int month, int day, int hour, int minute, int second);

    double Value() const { return m_value; }
    Status GetStatus() const { return m_status; }

    // strftime-style text ("%Y-%m-%d %H%M"); "" for null, "Invalid DateTime"
    // for invalid or out-of-range values.  Rounds to the nearest second.
    std::string Format(const char* pattern) const;

    // The value on a continuous day scale: OLE dates below zero count the
    // day part down and the time part up, so -1.25 lies before -1.0.
    double Linear() const;

    // Same status, and equal values when valid.  Two invalid dates are equal
    // when their values are (a QSO with a broken time must still be removable).
    bool SameAs(const COleDateTime& other) const;

  private:
    double m_value = 0.0;
    Status m_status = valid;
};
