#!/usr/bin/env python3
"""An independent, plainly written scorer of an ADIF log for the KOLVEX
contest, for a station outside Spain: prints the "Total" row as the text
result shows it, so a run of the real plug-in can be compared with it.

Usage: reference_score.py LOG.adi COUNTRY_FILE_MODULE_DIR
(the country lookup and prefix rule come from tools/make_sample.py, whose
country file the sample uses).
"""
import re
import sys

sys.path.insert(0, sys.argv[2])
import make_sample  # noqa: E402

PROVINCES = set("A AB AL AV B BA BI BU C CA CC CE CO CR CS CU GC GI GR GU H HU IB J L LE "
                "LO LU M MA ML MU NA O OU P PO S SA SE SG SO SS T TE TF TO V VA VI Z ZA".split())
SPAIN = ("EA", "EA6", "EA8", "EA9")
BANDS = ("80m", "40m", "20m", "15m", "10m")
AREA_COUNTRIES = ("K", "VE", "VK", "JA")
TABLES = make_sample.contest_tables()


def agreed(kind, value, own):
    """`own`, when the contest's tables hold `value` as a `kind` exactly when
    these rules do; a row they gained (or renamed) stops the scorer."""
    if own != (value in TABLES[kind]):
        sys.exit('reference_score.py: %s "%s" is %s the contest\'s tables but %s its own rules'
                 % (kind, value, "not in" if own else "in", "in" if own else "not in"))
    return own


def records(text):
    body = re.split(r"(?i)<eoh>", text, 1)[-1]
    for chunk in re.split(r"(?i)<eor>", body):
        fields = {}
        for m in re.finditer(r"<([^:>]+):(\d+)(?::[^>]*)?>", chunk):
            fields.setdefault(m.group(1).upper(), chunk[m.end():m.end() + int(m.group(2))])
        if fields:
            yield fields


def entered(log_text):
    log = []
    for d in records(log_text):
        call, band, mode = d.get("CALL", ""), d.get("BAND", "").lower(), d.get("MODE", "")
        received = d.get("SRX_STRING", d.get("SRX", ""))
        sent = d.get("STX_STRING", d.get("STX", ""))
        if not agreed("contest band", band, band in BANDS) or mode.upper() != "RTTY" \
                or not received or not sent:
            continue
        country = d.get("APP_KOLVEX_CTY") or make_sample.country_of(call)
        prefix = d.get("PFX") or make_sample.prefix_of(call)
        province, bad = "", False
        if agreed("Spanish country", country, country in SPAIN):
            p = received.upper().strip()
            bad = p != "HQ" if call == "EA4URE" else \
                p != "HQ" and not agreed("province", p, p in PROVINCES)
            province = "" if bad else p
        digits = [c for c in prefix if c.isdigit()]
        area_country = agreed("call-area country", country, country in AREA_COUNTRIES)
        area = (country, digits[-1]) if area_country and digits else None
        dupe = any((r["call"], r["band"], r["mode"]) == (call, band, mode) for r in log)
        log.append(dict(call=call, band=band, mode=mode, country=country, province=province,
                        area=area, counted=not (bad or dupe)))
    return log


def main():
    log = entered(open(sys.argv[1], encoding="latin-1").read())
    total = [0] * 9
    for band in BANDS:
        qsos = [r for r in log if r["band"] == band and r["counted"]]
        entities = {r["country"] for r in qsos}
        provinces = {r["province"] for r in qsos if r["province"]}
        areas = {r["area"] for r in qsos if r["area"]}
        by_group = [len([a for a in areas if a[0] == g]) for g in ("JA", "K", "VE", "VK")]
        points = sum(3 if r["country"] in SPAIN else 1 for r in qsos)
        row = [len(qsos), points, len(entities), len(provinces)] + by_group
        row.append(len(entities) + len(provinces) + len(areas))
        total = [t + x for t, x in zip(total, row)]
    print("Total\t %i\t  %i\t   %i\t  %i\t%i\t%i\t%i\t%i\t  %i" % tuple(total))


if __name__ == "__main__":
    main()
