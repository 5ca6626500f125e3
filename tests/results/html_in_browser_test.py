#!/usr/bin/env python3
"""Renders the HTML result in headless Chromium and checks that the table
the browser built holds the figures of the text result, and that the own
call shows as the text result gives it, markup characters included."""
import html.parser
import os
import re
import subprocess
import sys
import tempfile

CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--hide-scrollbars"]


class Cells(html.parser.HTMLParser):
    """Collects the rendered table as rows of cell texts."""

    def __init__(self):
        super().__init__()
        self.rows, self.cell, self.text = [], None, ""

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.rows.append([])
        elif tag in ("td", "th"):
            self.cell = ""

    def handle_endtag(self, tag):
        if tag in ("td", "th") and self.cell is not None:
            self.rows[-1].append(self.cell.strip())
            self.cell = None

    def handle_data(self, data):
        self.text += data
        if self.cell is not None:
            self.cell += data


def chromium(profile, *args):
    cmd = ["chromium", *CHROMIUM_FLAGS, "--user-data-dir=" + profile, *args]
    return subprocess.run(cmd, capture_output=True, text=True, timeout=120, check=True).stdout


def text_rows(text):
    rows = {}
    for line in text.split("\r\n"):
        fields = [f.strip() for f in line.split("\t")]
        if len(fields) == 10 and fields[1].isdigit():
            rows[fields[0]] = fields[1:]
    return rows


def own_call(text):
    match = re.search(r"\tContestant: (.*)\r\n", text)
    return match.group(1) if match else None


def main():
    writer, screenshot = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else None)
    with tempfile.TemporaryDirectory() as tmp:
        page, text = os.path.join(tmp, "result.html"), os.path.join(tmp, "result.txt")
        subprocess.run([writer, page, text], check=True)
        profile = os.path.join(tmp, "profile")
        dom = chromium(profile, "--dump-dom", "file://" + page)
        if screenshot:
            chromium(profile, "--window-size=900,520", "--screenshot=" + screenshot,
                     "file://" + page)
        with open(text, encoding="latin-1", newline="") as f:
            text_result = f.read()
    expected, call = text_rows(text_result), own_call(text_result)

    parser = Cells()
    parser.feed(dom)
    table = [row for row in parser.rows if row]
    heads = ["Band", "QSOs", "Points", "EADX100", "Prov", "JA", "W", "VE", "VK", "iMults"]
    failures = []
    if table[0] != heads:
        failures.append("column heads: %r" % table[0])
    shown = {row[0]: row[1:] for row in table[1:] if len(row) == 10}
    if shown != expected:
        failures.append("figure rows differ:\n  browser %r\n  text    %r" % (shown, expected))
    labels = [row[0] for row in table]
    for label in ("Dupe", "Bad QSO", "Score:", "Last QSO points:", "Rate",
                  "Hourly (10min/1 hour) QSO rate:", "Hourly (10min/1 hour) pts rate:"):
        if label not in labels:
            failures.append("row %r missing" % label)
    shown_text = " ".join(parser.text.split())
    if not call or "Contestant: " + call not in shown_text:
        shown = shown_text[shown_text.find("Contestant"):][:40]
        failures.append("own call %r not shown as text: %r" % (call, shown))
    for failure in failures:
        print("FAIL:", failure)
    print("%d rows rendered, %s" % (len(table), "ok" if not failures else "failed"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
