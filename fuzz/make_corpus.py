#!/usr/bin/env python3
"""Writes the fuzzer's starting corpus: small runs of host calls built from
realistic QSOs and edge cases, in the byte format that host_inputs.cpp reads."""
import os
import struct

CALLS = ["EA4URE", "EA4ABC", "EA8XYZ", "K1ABC", "W6XYZ", "JA1ABC", "JA7XYZ", "VE3ABC",
         "VK2XYZ", "DL1ABC", "UR5EQF", "G4ABC", "", "EA4UREX", "K1AB", "ea4ure"]
BANDS = ["20m", "20M", "40m", "80m", "15m", "10m", "160m", "", "30m", "20m ", "80M", "10m"]
MODES = ["RTTY", "RTTY", "RTTY", "rtty", "PSK", "", "RTTY "]
COUNTRIES = ["EA", "EA6", "EA8", "EA9", "K", "VE", "VK", "JA", "DL", "UA", "ea", "", "W", "UR"]
PREFIXES = ["EA4", "K1", "W6", "JA1", "VE3", "VK2", "DL1", "JA", "K12", "", "9", "EA8"]
EXCHANGES = ["M", " m ", "HQ", "hq", "XX", "599", "0599", "1234", "12345", "abc", "", " HQ",
             "B", "001", "m"]
REPORTS = ["599", "59", "", "5NN"]
VERSIONS = ["2.20", "2.19", "2.18", "3.1.1", "2.14R", ""]
(RESET, ADD, ADD_AGAIN, REMOVE, CHECK, EXCHANGE, RESULT, HTML, WINDOWS, REFRESHED,
 REFRESH) = range(11)
VALID, INVALID, NULL, ODD = 0, 200, 220, 240


def text(table, value):
    if isinstance(value, bytes):
        return bytes([250, len(value)]) + value
    return bytes([table.index(value)])


def long_text(length, pattern):
    return bytes([255]) + struct.pack("<H", length) + bytes([len(pattern) - 1]) + pattern


def date(pick=0, status=VALID, raw=None):
    if raw is not None:
        return bytes([200]) + struct.pack("<d", raw) + bytes([status])
    return bytes([pick, status])


def qso(call, band, country, prefix, exch, mode="RTTY", when=date(), freq=0, sent="001"):
    own = text(CALLS, "UR5EQF")
    return (text(CALLS, call) + text(BANDS, band) + text(MODES, mode) +
            text(COUNTRIES, country) + text(PREFIXES, prefix) + text(EXCHANGES, exch) +
            text(EXCHANGES, sent) + text(REPORTS, "599") + text(REPORTS, "599") + own + when +
            bytes([freq]))


def reset(own_country="UR", export=False, folder=0, version="2.20", own="UR5EQF"):
    return (bytes([RESET, 0 if export else 1]) + text(CALLS, own) +
            text(COUNTRIES, own_country) + date(0) + date(8) + bytes([folder]) +
            text(VERSIONS, version))


def add(*args, **kwargs):
    return bytes([ADD]) + qso(*args, **kwargs)


def check(call, band, country, prefix, mode="RTTY", band2=None, how=0):
    tail = b""
    if band2 is not None:
        how |= 4
        tail = text(BANDS, band2)
    return (bytes([CHECK]) + text(CALLS, call) + text(MODES, mode) + text(PREFIXES, prefix) +
            text(COUNTRIES, country) + text(BANDS, band) + bytes([how]) + tail)


def exchange(exch, call, country):
    return (bytes([EXCHANGE]) + text(EXCHANGES, exch) + text(CALLS, call) +
            text(COUNTRIES, country))


def remove_logged(index):
    return bytes([REMOVE, index])


def remove_new(*args, **kwargs):
    return bytes([REMOVE, 255]) + qso(*args, **kwargs)


RESULT_CALL = bytes([RESULT])

# Typed calls of refresh_inputs.cpp: below 96 a call of the log, 96-143 an edge.
EMPTY_CALL, TWO_CHARS, NON_ASCII, WITH_NUL = 100, 102, 105, 107
# Dials: a table pick, or 16 and a whole megahertz and a place near it.
ON_20M, BELOW_15M, ON_40M, AT_29MHZ = (16, 3, 1), (16, 4, 3), (16, 2, 1), (16, 8, 0)
ZERO, NAN, INF, UP_300, OVER_300 = (0,), (2,), (3,), (8,), (10,)
CALL_FAILS, CALL_WRONG_TYPE, DIAL_WRONG_TYPE, MACRO_FAILS = 0x01, 0x21, 0x09, 0x02


def refresh(call=0, dial=ON_20M, how=0x41, answer=0x0a):
    """A pass: connected, the call and dial read, the macro sent unless told otherwise.
    `call` is the pick byte, or the bytes of a call read as a text (a pick of 144 or more
    and the text's own bytes)."""
    call = call if isinstance(call, bytes) else bytes([call])
    return bytes([REFRESH, how]) + call + bytes([answer]) + bytes(dial)

CORPUS = {
    "contest_mix": reset() + add("K1ABC", "20m", "K", "K1", "001") +
    add("JA1ABC", "20m", "JA", "JA1", "1234") + add("EA4ABC", "20m", "EA", "EA4", "M") +
    add("VE3ABC", "40m", "VE", "VE3", "0599", when=date(2)) +
    add("EA4URE", "40m", "EA", "EA4", "HQ", when=date(4)) +
    add("DL1ABC", "10m", "DL", "DL1", "1234", when=date(5)) + RESULT_CALL,
    "band_160_and_upper_case": reset() + add("K1ABC", "160m", "K", "K1", "001") +
    add("K1ABC", "20M", "K", "K1", "001") + check("K1ABC", "20m", "K", "K1", band2="20M") +
    check("W6XYZ", "20m", "K", "W6", band2="40m") + check("G4ABC", "160m", "DL", "DL1") +
    RESULT_CALL,
    "hq_station": reset("EA") + add("EA4URE", "20m", "EA", "EA4", "hq") +
    add("EA4URE", "40m", "EA", "EA4", "M") + check("EA4URE", "20m", "EA", "EA4") +
    check("EA4URE", "15m", "EA", "EA4") + exchange(" HQ", "EA4URE", "EA") +
    exchange("hq", "EA4URE", "EA") + exchange(" m ", "EA4ABC", "EA") +
    exchange("0599", "K1ABC", "K") + exchange("599", "K1ABC", "K") + RESULT_CALL,
    "dupes_and_removal": reset() + add("JA7XYZ", "15m", "JA", "JA1", "1234") +
    bytes([ADD_AGAIN, 0, ADD_AGAIN, 0]) + add("EA8XYZ", "15m", "EA8", "EA8", "XX") +
    bytes([ADD_AGAIN, 1]) + RESULT_CALL + remove_logged(0) + RESULT_CALL + remove_logged(0) +
    remove_logged(0) + remove_logged(0) + RESULT_CALL,
    "broken_dates": reset() + add("K1ABC", "20m", "K", "K1", "001", when=date(12, INVALID)) +
    add("K1AB", "20m", "K", "K12", "001", when=date(0, NULL)) +
    add("VK2XYZ", "20m", "VK", "VK2", "001", when=date(13)) +
    add("JA1ABC", "20m", "JA", "JA1", "001", when=date(raw=float("nan"))) +
    add("G4ABC", "20m", "DL", "DL1", "001", when=date(10, ODD)) + RESULT_CALL +
    remove_logged(0) + remove_logged(0) + remove_logged(1) + RESULT_CALL,
    "html_and_windows": bytes([HTML, WINDOWS, 7]) + reset() +
    add("K1ABC", "40m", "K", "K1", "001") + add("EA4ABC", "40m", "EA", "EA4", "B") +
    check("K1ABC", "40m", "K", "K1") + check("W6XYZ", "40m", "K", "W6") + RESULT_CALL +
    remove_logged(0) + check("JA1ABC", "40m", "JA", "JA1") + bytes([REFRESHED]) +
    check("JA1ABC", "40m", "JA", "JA1") + remove_logged(0) + RESULT_CALL,
    "export_run": reset(export=True, own="EA4ABC", own_country="EA") +
    add("EA8XYZ", "80m", "EA8", "EA8", "M") +
    add("K1ABC", "80m", "K", "K1", "001") + RESULT_CALL + RESULT_CALL,
    "old_hosts": reset(folder=1, version="2.19") + check("K1ABC", "160m", "K", "K1") +
    reset(folder=1, version="2.18") + check("K1ABC", "30m", "K", "K1") +
    reset(folder=2) + check("K1ABC", "20m", "K", "K1", mode="PSK") + RESULT_CALL,
    "long_texts": reset() + bytes([ADD]) + long_text(3000, b"AB/") + text(BANDS, "20m") +
    text(MODES, "RTTY") + text(COUNTRIES, "K") + long_text(500, b"K9") +
    text(EXCHANGES, "001") + text(EXCHANGES, "001") + text(REPORTS, "599") +
    text(REPORTS, "599") + text(CALLS, "UR5EQF") + date(1) + bytes([0]) +
    add(b"\r\nQSO:  X", "20m", "DL", "DL1", "001") + RESULT_CALL + remove_logged(1) +
    RESULT_CALL,
    "before_any_reset": add("K1ABC", "20m", "K", "K1", "001") +
    add("K1ABC", "20m", "K", "K1", "001") + remove_logged(0) + RESULT_CALL + reset() +
    add("K1ABC", "20m", "K", "K1", "001") + RESULT_CALL,
    "rates": reset() + add("K1ABC", "20m", "K", "K1", "001", when=date(0)) +
    add("JA1ABC", "20m", "JA", "JA1", "001", when=date(7)) +
    add("VE3ABC", "40m", "VE", "VE3", "001", when=date(3)) +
    add("EA4ABC", "20m", "EA", "EA4", "M", when=date(5)) +
    add("EA8XYZ", "20m", "EA8", "EA8", "B", when=date(6)) +
    add("W6XYZ", "20m", "K", "W6", "001", when=date(4)) + RESULT_CALL,
    "removal_of_missing_qso": reset() + add("K1ABC", "20m", "K", "K1", "001", mode="PSK") +
    add("K1AB", "20m", "K", "K1", "") + remove_new("K1AB", "40m", "K", "K1", "001") +
    RESULT_CALL,
    "refresh_passes": reset() + add("K1ABC", "20m", "K", "K1", "001") +
    add("EA4ABC", "20m", "EA", "EA4", " m ", when=date(2)) +
    add("JA1ABC", "40m", "JA", "JA1", "1234", when=date(3)) +
    add("K1ABC", "20m", "K", "K1", "1234", when=date(4)) + RESULT_CALL + refresh(0) +
    refresh(1, UP_300) + refresh(1, OVER_300) + refresh(TWO_CHARS, ON_40M) +
    refresh(EMPTY_CALL, ON_40M) + refresh(2, BELOW_15M) + refresh(2, AT_29MHZ) +
    refresh(NON_ASCII, NAN) + refresh(WITH_NUL, INF) + refresh(0, ZERO) +
    refresh(0, how=CALL_FAILS) + refresh(0, how=CALL_WRONG_TYPE) +
    refresh(0, answer=DIAL_WRONG_TYPE) + refresh(0, ON_40M, answer=MACRO_FAILS) +
    refresh(bytes([255]) + long_text(300, b"K1"), ON_20M) + refresh(0),
    "refresh_around_removal": bytes([WINDOWS, 7]) + reset("EA") +
    add("EA8XYZ", "15m", "EA8", "EA8", "B") + add("VE3ABC", "15m", "VE", "VE3", "001") +
    check("VE3ABC", "15m", "VE", "VE3") + RESULT_CALL + refresh(1, (16, 4, 1)) +
    remove_logged(1) + refresh(0, (16, 4, 1)) + RESULT_CALL + refresh(EMPTY_CALL, (16, 4, 1)),
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(folder, exist_ok=True)
    for name, content in CORPUS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(content)


if __name__ == "__main__":
    main()
