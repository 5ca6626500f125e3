#!/usr/bin/env python3
"""Writes the sample contest log samples/kolvex_sample.adi and the small
country file samples/cty.dat it relies on.

The log is one RTTY contest weekend as DF7KV (Germany) might have logged it:
Spanish stations sending their province, the HQ station EA4URE sending HQ,
everybody else sending a serial number, plus the usual mistakes (dupes, bad
provinces, a few QSOs on 160 m or in another mode, missing exchanges).
Everything comes from one fixed generator state, so running the script
again gives the same bytes.

Usage: tools/make_sample.py [OUTPUT_DIR]   (default: samples/ beside tools/)
"""

import datetime
import os
import random
import re
import sys

GENERATOR_STATE = 20170211
OWN_CALL = "DF7KV"
CONTEST_START = datetime.datetime(2017, 2, 11, 12, 0)
CONTEST_END = datetime.datetime(2017, 2, 12, 11, 59)
TARGET_QSOS = 1500

# Entity name, CQ zone, ITU zone, continent, latitude, longitude (west
# positive), UTC offset (hours behind UTC), primary prefix, aliases.
ENTITIES = [
    ("Spain", 14, 37, "EU", 40.32, 3.43, -1.0, "EA",
     "AM,AN,AO,EA,EB,EC,ED,EE,EF,EG,EH,=AO4URE,=EF4URE"),
    ("Balearic Islands", 14, 37, "EU", 39.60, -2.95, -1.0, "EA6",
     "AM6,AN6,AO6,EA6,EB6,EC6,ED6,EE6,EF6,EG6,EH6,=EA5ZX/6"),
    ("Canary Islands", 33, 36, "AF", 28.32, 15.85, 0.0, "EA8",
     "AM8,AN8,AO8,EA8,EB8,EC8,ED8,EE8,EF8,EG8,EH8,=EA4BQ/8"),
    ("Ceuta & Melilla", 33, 37, "AF", 35.90, 5.27, -1.0, "EA9",
     "AM9,AN9,AO9,EA9,EB9,EC9,ED9,EE9,EF9,EG9,EH9"),
    ("United States", 5, 8, "NA", 37.53, 91.67, 5.0, "K",
     "AA,AB,AC,AD,AE,AF,AG,AI,AJ,AK,K,N,W,"
     "AA6(3)[6],K6(3)[6],N6(3)[6],W6(3)[6],AA7(3)[6],K7(3)[6],N7(3)[6],W7(3)[6],"
     "AA0(4)[7],K0(4)[7],N0(4)[7],W0(4)[7],=KL7XX/W(3)[6]"),
    ("Canada", 5, 9, "NA", 44.35, 78.75, 5.0, "VE",
     "CF,CG,CJ,CK,CY,CZ,VA,VB,VC,VE,VG,VO,VX,VY,XJ,XK,XL,XM,XN,XO,"
     "VA7(3)[2],VE7(3)[2],VA6(4)[2],VE6(4)[2],VE8(1)[3]<61.0/115.0>~7.0~"),
    ("Japan", 25, 45, "AS", 36.40, -138.38, -9.0, "JA",
     "7J,7K,7L,7M,7N,8J,8K,8L,8M,8N,JA,JE,JF,JG,JH,JI,JJ,JK,JL,JM,JN,JO,JP,JQ,JR,JS"),
    ("Australia", 30, 55, "OC", -23.70, -132.33, -10.0, "VK",
     "AX,VH,VI,VJ,VK,VL,VM,VN,VZ,VK6(29)[58]{OC}~8.0~,VK8(29)[55]"),
    ("Fed. Rep. of Germany", 14, 28, "EU", 51.00, -10.00, -1.0, "DL",
     "DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL,DM,DN,DO,DP,DQ,DR,Y2,Y3,Y4,Y5,Y6,Y7,Y8,Y9"),
    ("France", 14, 27, "EU", 46.00, -2.00, -1.0, "F",
     "F,HW,HX,HY,TH,TK(15)[28],TM,TP,TQ,TV"),
    ("Italy", 15, 28, "EU", 42.82, -12.58, -1.0, "I",
     "I,IA,IB,IC,ID,IE,IF,IG,IH,II,IJ,IK,IL,IN,IO,IP,IQ,IR,IU,IV,IW,IX,IY,IZ"),
    ("England", 14, 27, "EU", 52.77, 1.47, 0.0, "G", "2E,G,M"),
    ("Scotland", 14, 27, "EU", 56.82, 4.18, 0.0, "GM", "2M,GM,GS,MM,MS"),
    ("Ireland", 14, 27, "EU", 53.13, 8.02, 0.0, "EI", "EI,EJ"),
    ("Portugal", 14, 37, "EU", 39.50, 8.00, 0.0, "CT", "CQ,CR,CS,CT"),
    ("Madeira Islands", 33, 36, "AF", 32.75, 16.95, 0.0, "CT3",
     "CQ3,CQ9,CR3,CR9,CS3,CS9,CT3,CT9"),
    ("Azores", 14, 36, "EU", 38.70, 27.23, 1.0, "CU", "CQ1,CQ8,CR1,CR2,CR8,CS4,CS8,CT8,CU"),
    ("Andorra", 14, 27, "EU", 42.58, -1.62, -1.0, "C3", "C3"),
    ("Gibraltar", 14, 37, "EU", 36.15, 5.37, -1.0, "ZB", "ZB,ZG"),
    ("Morocco", 33, 37, "AF", 32.00, 5.00, 0.0, "CN", "5C,5D,5E,5F,5G,CN"),
    ("Netherlands", 14, 27, "EU", 52.28, -5.47, -1.0, "PA", "PA,PB,PC,PD,PE,PF,PG,PH,PI"),
    ("Belgium", 14, 27, "EU", 50.70, -4.85, -1.0, "ON", "ON,OO,OP,OQ,OR,OS,OT"),
    ("Switzerland", 14, 28, "EU", 46.87, -8.12, -1.0, "HB", "HB,HE"),
    ("Austria", 15, 28, "EU", 47.33, -13.33, -1.0, "OE", "OE"),
    ("Czech Republic", 15, 28, "EU", 50.00, -16.00, -1.0, "OK", "OK,OL"),
    ("Slovak Republic", 15, 28, "EU", 49.00, -20.00, -1.0, "OM", "OM"),
    ("Poland", 15, 28, "EU", 52.28, -18.67, -1.0, "SP", "3Z,HF,SN,SO,SP,SQ,SR"),
    ("Hungary", 15, 28, "EU", 47.12, -19.28, -1.0, "HA", "HA,HG"),
    ("Slovenia", 15, 28, "EU", 46.00, -14.00, -1.0, "S5", "S5"),
    ("Croatia", 15, 28, "EU", 45.18, -15.30, -1.0, "9A", "9A"),
    ("Serbia", 15, 28, "EU", 44.00, -21.00, -1.0, "YU", "YT,YU"),
    ("Romania", 20, 28, "EU", 45.78, -24.70, -2.0, "YO", "YO,YP,YQ,YR"),
    ("Bulgaria", 20, 28, "EU", 42.83, -25.08, -2.0, "LZ", "LZ"),
    ("Greece", 20, 28, "EU", 39.78, -21.78, -2.0, "SV", "J4,SV,SW,SX,SY,SZ"),
    ("Sweden", 14, 18, "EU", 61.20, -14.57, -1.0, "SM", "7S,8S,SA,SB,SC,SD,SE,SF,SG,SH,SI,SJ,SK,SL,SM"),
    ("Finland", 15, 18, "EU", 63.78, -27.08, -2.0, "OH", "OF,OG,OH,OI,OJ"),
    ("Lithuania", 15, 29, "EU", 55.45, -23.63, -2.0, "LY", "LY"),
    ("European Russia", 16, 29, "EU", 53.65, -41.37, -4.0, "UA", "R,U,=R9FAZ/6"),
    ("Kaliningrad", 15, 29, "EU", 54.72, -20.52, -3.0, "UA2",
     "R2F,R2K,RA2,RC2F,RD2F,RK2F,RN2F,RU2F,RV2F,RW2F,RX2F,RZ2F,UA2,UB2,UE2F"),
    ("Asiatic Russia", 17, 30, "AS", 55.88, -84.08, -7.0, "UA9",
     "R0,R8,R9,RA0,RA8,RA9,RK0,RK8,RK9,RU0,RU9,RV0,RV9,RW0,RW9,RX0,RX9,RZ0,RZ9,"
     "UA0,UA8,UA9,UB0,UB9,UI0,UI9"),
    ("Ukraine", 16, 29, "EU", 50.00, -30.00, -2.0, "UR",
     "EM,EN,EO,U5,UR,US,UT,UU,UV,UW,UX,UY,UZ"),
    ("Belarus", 16, 29, "EU", 53.92, -27.57, -3.0, "EU", "EU,EV,EW"),
    ("Kazakhstan", 17, 30, "AS", 48.17, -65.18, -5.0, "UN", "UN,UO,UP,UQ"),
    ("Brazil", 11, 15, "SA", -10.00, 53.00, 3.0, "PY",
     "PP,PQ,PR,PS,PT,PU,PV,PW,PX,PY,ZV,ZW,ZX,ZY,ZZ"),
    ("Argentina", 13, 14, "SA", -34.80, 65.92, 3.0, "LU",
     "AY,AZ,L2,L3,L4,L5,L6,L7,L8,L9,LO,LP,LQ,LR,LS,LT,LU,LV,LW"),
    ("Mexico", 6, 10, "NA", 21.32, 100.23, 6.0, "XE", "4A,4B,4C,6D,6E,6F,6G,6H,6I,6J,XA,XB,XC,XD,XE,XF,XG,XH,XI"),
    ("Hawaii", 31, 61, "OC", 21.12, 157.48, 10.0, "KH6", "AH6,AH7,KH6,KH7,NH6,NH7,WH6,WH7"),
    ("Alaska", 1, 1, "NA", 61.40, 148.87, 8.0, "KL", "AL,KL,NL,WL"),
]

# Call prefixes a station of each entity is given (letters; digit added).
CALL_LETTERS = {
    "DL": ["DL", "DK", "DJ", "DF", "DG", "DO"], "F": ["F"], "I": ["I", "IK", "IZ", "IW"],
    "G": ["G", "M", "2E"], "GM": ["GM", "MM"], "EI": ["EI"], "CT": ["CT", "CS"],
    "CT3": ["CT3"], "CU": ["CU"], "C3": ["C3"], "ZB": ["ZB"], "CN": ["CN"],
    "PA": ["PA", "PD", "PE"], "ON": ["ON", "OT"], "HB": ["HB"], "OE": ["OE"],
    "OK": ["OK", "OL"], "OM": ["OM"], "SP": ["SP", "SQ", "SN"], "HA": ["HA", "HG"],
    "S5": ["S5"], "9A": ["9A"], "YU": ["YU", "YT"], "YO": ["YO"], "LZ": ["LZ"],
    "SV": ["SV", "SZ"], "SM": ["SM", "SA"], "OH": ["OH"], "LY": ["LY"],
    "UA": ["UA", "RA", "RN", "RW", "RZ"], "UA2": ["UA2", "RA2"], "UA9": ["UA9", "RA9", "RW0"],
    "UR": ["UR", "UT", "US", "UX"], "EU": ["EU", "EW"], "UN": ["UN"], "PY": ["PY", "PU"],
    "LU": ["LU", "LW"], "XE": ["XE"], "KH6": ["KH6"], "KL": ["KL7"],
    "K": ["K", "W", "N", "AA", "KB", "WA"], "VE": ["VE", "VA"], "JA": ["JA", "JH", "JR", "JE"],
    "VK": ["VK"],
}

# Spanish call areas and the provinces that lie in them.
SPANISH_AREAS = {
    "EA": {
        "1": ["C", "LU", "OU", "PO", "O", "S", "LE", "ZA", "SA", "BU", "P", "VA", "SG", "AV", "SO"],
        "2": ["SS", "BI", "VI", "NA", "LO", "HU", "Z", "TE"],
        "3": ["B", "GI", "L", "T"],
        "4": ["M", "TO", "CU", "GU", "CR", "BA", "CC"],
        "5": ["V", "A", "CS", "MU", "AB"],
        "7": ["SE", "CA", "MA", "GR", "AL", "J", "CO", "H"],
    },
    "EA6": {"6": ["IB"]},
    "EA8": {"8": ["GC", "TF"]},
    "EA9": {"9": ["CE", "ML"]},
}
SPANISH_LETTERS = ["EA", "EA", "EA", "EB", "EC", "ED", "EE", "EF", "EG", "EH"]

# Band plan of the contest weekend: RTTY segments in kHz.
SEGMENTS = {"160m": (1838, 1843), "80m": (3580, 3600), "40m": (7035, 7045),
            "20m": (14080, 14100), "15m": (21080, 21120), "10m": (28080, 28120)}
# What the HQ station sends on each contest band (a wrong exchange on one).
HQ_EXCHANGES = {"80m": "HQ", "40m": "hq", "20m": "HQ", "15m": "HQ", "10m": "M"}


ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def cpp_table(path, name, row):
    """The rows (tuples of `row`'s groups) of the C++ table `name` in `path`."""
    with open(os.path.join(ROOT, path), encoding="utf-8") as source:
        m = re.search(r"\b%s\[\]\s*=\s*\{(.*?)\};" % name, source.read(), re.S)
    rows = re.findall(row, m.group(1)) if m else []
    if not rows:
        sys.exit("make_sample.py: cannot read the table %s in %s" % (name, path))
    return rows


def contest_tables():
    """The contest's rows as the plug-in's tables hold them."""
    rules = "contest/contest_rules.h"
    return {"province": set(cpp_table(rules, "kProvinceCodes", r'"(\w+)"')),
            "Spanish country": set(cpp_table(rules, "kSpanishCountries", r'"(\w+)"')),
            "contest band": {b for b, c in cpp_table(rules, "kBands", r'\{"(\w+)",\s*\d+,\s*(\w+)\}')
                             if c == "true"},
            "call-area country": set(cpp_table("contest/call_area_kinds.h", "kCallAreaKind",
                                               r'\{"(\w+)",\s*&CInfo'))}


def check_covers_tables():
    """Stops unless the sample draws exactly the rows of the contest's tables:
    a new row needs its call area, band plan or call letters here first."""
    mine = {"province": {p for areas in SPANISH_AREAS.values() for ps in areas.values() for p in ps},
            "Spanish country": set(SPANISH_AREAS),
            "contest band": set(HQ_EXCHANGES) | {b for h in range(24) for b in bands_for_hour(h)}}
    tables = contest_tables()
    # Every call-area country of the tables must be one of the foreign countries drawn.
    foreign = set(FOREIGN_WEIGHTS) & set(CALL_LETTERS)
    mine["call-area country"] = tables["call-area country"] & foreign
    for kind, rows in tables.items():
        for row in sorted(rows ^ mine[kind]):
            sys.exit('make_sample.py: %s "%s" is %s the contest\'s tables but %s this script'
                     % (kind, row, "in" if row in rows else "not in",
                        "in" if row in mine[kind] else "not in"))


def alias_tables():
    """Prefix and exact-call tables of ENTITIES, markers stripped."""
    prefixes, exact = {}, {}
    for entity in ENTITIES:
        for alias in entity[8].split(","):
            text = re.sub(r"\(.*?\)|\[.*?\]|<.*?>|\{.*?\}|~.*?~", "", alias)
            table = exact if text.startswith("=") else prefixes
            table.setdefault(text.lstrip("="), entity[7])
    return prefixes, exact


PREFIXES, EXACT_CALLS = alias_tables()


def country_of(call):
    """The primary prefix the country file gives a call (as the host finds it)."""
    if call in EXACT_CALLS:
        return EXACT_CALLS[call]
    home, designator = split_call(call)
    if home in EXACT_CALLS and not designator:
        return EXACT_CALLS[home]
    key = designator or home
    for length in range(len(key), 0, -1):
        if key[:length] in PREFIXES:
            return PREFIXES[key[:length]]
    return ""


def split_call(call):
    """(home call, designator) of a possibly portable call."""
    parts = [p for p in call.split("/") if p and p not in ("P", "M", "MM", "AM", "QRP")]
    parts = [p for p in parts if not (len(p) == 1 and p.isdigit())]
    if len(parts) < 2:
        return parts[0], ""
    home = 0 if len(parts[0]) >= len(parts[1]) else 1
    return parts[home], parts[1 - home]


def bands_for_hour(hour):
    """Bands open at a UTC hour, most likely first."""
    if 9 <= hour < 16:
        return ["15m", "20m", "10m", "40m"]
    if 16 <= hour < 19 or 7 <= hour < 9:
        return ["20m", "40m", "15m", "80m"]
    return ["80m", "40m", "20m"]


class Station:
    def __init__(self, call, country, province=None, rate=1.0):
        self.call = call
        self.country = country
        self.province = province
        self.rate = rate  # QSOs per minute, for the serial it sends

    def serial_at(self, minutes):
        return max(1, int(self.rate * minutes)) % 10000


def suffix(rng, length=None):
    length = length or rng.choice([1, 2, 2, 3, 3, 3])
    return "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(length))


def make_spanish(rng):
    country = rng.choice(["EA"] * 12 + ["EA6", "EA8", "EA8", "EA9"])
    area = rng.choice(sorted(SPANISH_AREAS[country]))
    province = rng.choice(SPANISH_AREAS[country][area])
    letters = rng.choice(SPANISH_LETTERS)
    return Station(letters + area + suffix(rng), country, province, rng.uniform(0.2, 1.2))


FOREIGN_WEIGHTS = {"K": 10, "VE": 3, "JA": 4, "VK": 2, "DL": 8, "I": 6, "F": 5, "UA": 7,
                   "UR": 3, "OK": 3, "SP": 4, "G": 3, "CT": 3, "PA": 2, "ON": 2, "UA9": 2,
                   "YO": 2, "LZ": 2, "HA": 2, "YU": 2, "9A": 2, "S5": 1, "OM": 1, "OE": 1,
                   "HB": 1, "SM": 2, "OH": 1, "LY": 1, "EU": 1, "UN": 1, "UA2": 1, "SV": 1,
                   "GM": 1, "EI": 1, "CT3": 1, "CU": 1, "C3": 1, "ZB": 1, "CN": 1, "PY": 2,
                   "LU": 1, "XE": 1, "KH6": 1, "KL": 1}


def make_foreign(rng):
    weights = FOREIGN_WEIGHTS
    countries = sorted(weights)
    country = rng.choices(countries, [weights[c] for c in countries])[0]
    letters = rng.choice(CALL_LETTERS[country])
    digit = "" if letters[-1].isdigit() else str(rng.randint(0, 9))
    if country == "VK":
        digit = str(rng.randint(1, 8))
    return Station(letters + digit + suffix(rng), country, None, rng.uniform(0.3, 2.0))


def make_stations(rng):
    stations = {}
    while len(stations) < 520:
        s = make_spanish(rng) if rng.random() < 0.4 else make_foreign(rng)
        # A call whose letters and digit point at another entity (CT3, UA9
        # drawn for Portugal or European Russia) is drawn again.
        if s.call != "EA4URE" and country_of(s.call) == s.country:
            stations.setdefault(s.call, s)
    ordered = [stations[c] for c in sorted(stations)]
    rng.shuffle(ordered)
    return ordered


class Log:
    def __init__(self, rng):
        self.rng = rng
        self.records = []
        self.worked = set()  # (call, band)

    def add(self, station, band, when, mode="RTTY", received=None, sent=None, extra=None):
        lo, hi = SEGMENTS[band]
        khz = self.rng.randint(lo * 10, hi * 10) / 10.0
        minutes = (when - CONTEST_START).total_seconds() / 60.0
        if received is None:
            received = station.province if station.province else str(station.serial_at(minutes))
        if sent is None:
            sent = str(len(self.records) + 1)
        rec = {"call": station.call, "band": band, "mode": mode, "when": when,
               "freq": "%.4f" % (khz / 1000.0), "received": received, "sent": sent,
               "country": station.country}
        rec.update(extra or {})
        self.records.append(rec)
        self.worked.add((station.call, band))
        return rec


def run_contest(rng, stations):
    log = Log(rng)
    when = CONTEST_START
    band = "20m"
    band_until = when
    while when < CONTEST_END and len(log.records) < TARGET_QSOS - 40:
        if when >= band_until:
            band = bands_for_hour(when.hour)[min(3, int(rng.expovariate(1.2)))]
            band_until = when + datetime.timedelta(minutes=rng.randint(15, 70))
        # Fewer QSOs in the small hours, when the operator sleeps a little.
        mean = 120 if 1 <= when.hour < 5 else 42
        when += datetime.timedelta(seconds=int(rng.expovariate(1.0 / mean)) + 8)
        candidates = [s for s in rng.sample(stations, 12) if (s.call, band) not in log.worked]
        if candidates:
            log.add(candidates[0], band, when)
    return log


def insert_mistakes(rng, log, stations):
    """The QSOs every real log has and the plug-in must judge."""
    records = log.records
    by_call = {s.call: s for s in stations}
    spanish = [s for s in stations if s.province and s.country == "EA"]

    def later(rec, minutes):
        return rec["when"] + datetime.timedelta(minutes=minutes, seconds=rng.randint(0, 50))

    # The HQ station: HQ on four bands (once typed in lower case), a wrong
    # exchange on a fifth.
    hq = Station("EA4URE", "EA", "HQ")
    for band, exchange in HQ_EXCHANGES.items():
        anchor = rng.choice([r for r in records if r["band"] == band])
        log.add(hq, band, later(anchor, 1), received=exchange)
    # Dupes: the same call, band and mode again a little later; one of them
    # a third time.
    early = records[:-60]
    for rec in rng.sample(early, 8):
        log.add(by_call[rec["call"]], rec["band"], later(rec, rng.randint(2, 30)))
    third = records[-1]
    log.add(by_call[third["call"]], third["band"], later(third, 5))
    # Provinces that are no province, and provinces typed loosely.
    for exchange in ["XX", "MAD", "BCN", "599", "E"]:
        s = rng.choice(spanish)
        rec = rng.choice(early)
        log.add(s, rec["band"], later(rec, 1), received=exchange)
    loose = {"m": "M", " B ": "B", "se ": "SE", "Gc": "GC", " v": "V", "ma": "MA"}
    for typed in loose:
        s = next(x for x in spanish if x.province == loose[typed]) if any(
            x.province == loose[typed] for x in spanish) else rng.choice(spanish)
        rec = rng.choice(early)
        log.add(s, rec["band"], later(rec, 1), received=typed)
    # A foreign station sending its report as the exchange.
    s = next(x for x in stations if x.country == "I")
    log.add(s, "40m", later(rng.choice(records), 1), received="599")
    # 160 m, PSK and CW QSOs that do not belong to the contest.
    for _ in range(4):
        rec = rng.choice([r for r in records if r["band"] == "80m"])
        log.add(rng.choice(stations), "160m", later(rec, 2))
    for _ in range(3):
        rec = rng.choice(records)
        log.add(rng.choice(stations), "20m", later(rec, 1), mode="PSK",
                extra={"submode": "BPSK63"})
    for _ in range(2):
        rec = rng.choice(records)
        log.add(rng.choice(stations), "40m", later(rec, 1), mode="CW")
    # Exchanges that never made it into the log.
    rec = rng.choice(records)
    log.add(rng.choice(stations), rec["band"], later(rec, 1), received="")
    rec = rng.choice(records)
    log.add(rng.choice(stations), rec["band"], later(rec, 1), extra={"no_received": True})
    # Portable stations, found through the country file.
    portable = [Station("EA8/DL4XY", "EA8", "TF"), Station("DL1QQ/EA6", "EA6", "IB"),
                Station("EA4BQ/8", "EA8", "GC"), Station("K4ZA/6", "K", None, 0.8),
                Station("F5ABC/P", "F", None, 0.5)]
    for s in portable:
        rec = rng.choice(early)
        log.add(s, rec["band"], later(rec, 1))
    records.sort(key=lambda r: r["when"])
    # The serial we sent follows the log order again after the inserts.
    for number, rec in enumerate(records, 1):
        rec["sent"] = str(number)


def prefix_of(call):
    """What the logger shows as call prefix (same rule as the host)."""
    area = next((p for p in call.split("/") if len(p) == 1 and p.isdigit()), None)
    home, designator = split_call(call)
    if designator:
        return designator if any(c.isdigit() for c in designator) else designator + "0"
    last = max(i for i, c in enumerate(home) if c.isdigit())
    prefix = home[:last + 1]
    return prefix[:-1] + area if area else prefix


def field(name, value):
    return "<%s:%d>%s" % (name, len(value.encode("ascii")), value)


def record_text(rng, rec):
    w = rec["when"]
    fields = [field("CALL", rec["call"]),
              field("QSO_DATE", w.strftime("%Y%m%d")),
              field("TIME_ON", w.strftime("%H%M%S") if rng.random() < 0.8 else w.strftime("%H%M")),
              field("BAND", rec["band"].upper()),
              field("FREQ", rec["freq"]),
              field("MODE", rec["mode"])]
    if "submode" in rec:
        fields.append(field("SUBMODE", rec["submode"]))
    fields += [field("RST_SENT", "599"), field("RST_RCVD", "599")]
    # Most loggers keep our serial as a number; a few as a padded text.
    if rng.random() < 0.1:
        fields.append(field("STX_STRING", rec["sent"].zfill(3)))
    else:
        fields.append(field("STX", rec["sent"]))
    if not rec.get("no_received"):
        fields.append(field("SRX_STRING", rec["received"]))
    # About half the records name the prefix and country themselves.
    if rng.random() < 0.5:
        fields.append(field("PFX", prefix_of(rec["call"])))
        fields.append(field("APP_KOLVEX_CTY", rec["country"]))
    fields.append(field("STATION_CALLSIGN", OWN_CALL))
    text = " ".join(fields) + " <EOR>\n"
    if rng.random() < 0.02:  # some programs write the tags in lower case
        text = text.replace("<EOR>", "<eor>").replace("<CALL:", "<call:").replace("<BAND:", "<band:")
    return text


def write_log(rng, path, records):
    header = ("KOLVEX contest sample log of %s, made by tools/make_sample.py\n"
              % OWN_CALL + field("ADIF_VER", "3.1.0") + "\n"
              + field("PROGRAMID", "make_sample.py") + "\n"
              + field("CREATED_TIMESTAMP", "20170212 120000") + "\n<EOH>\n\n")
    with open(path, "w", encoding="ascii", newline="\n") as out:
        out.write(header)
        for rec in records:
            assert country_of(rec["call"]) == rec["country"], rec["call"]
            out.write(record_text(rng, rec))


def write_cty(path):
    with open(path, "w", encoding="ascii", newline="\n") as out:
        for name, cq, itu, cont, lat, lon, utc, primary, aliases in ENTITIES:
            out.write("%-26s%02d:  %02d:  %s:  %6.2f:  %7.2f:  %6.1f:  %s:\n"
                      % (name + ":", cq, itu, cont, lat, lon, utc, primary))
            items = aliases.split(",")
            lines = [items[i:i + 12] for i in range(0, len(items), 12)]
            out.write(",\n".join("    " + ",".join(line) for line in lines) + ";\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "samples")
    check_covers_tables()
    rng = random.Random(GENERATOR_STATE)
    stations = make_stations(rng)
    log = run_contest(rng, stations)
    insert_mistakes(rng, log, stations)
    write_log(rng, os.path.join(out_dir, "kolvex_sample.adi"), log.records)
    write_cty(os.path.join(out_dir, "cty.dat"))
    print("%d QSOs written to %s" % (len(log.records), out_dir))


if __name__ == "__main__":
    main()
