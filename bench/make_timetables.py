#!/usr/bin/python3
"""Writes tests/calc/timetables.csv from the adhan libraries' shared timetables (batoulapps/adhan-js
Shared/Times, MIT licence): make_timetables.py DIR. One row per published day: the file, our method id, the
place, the UTC offset in force that day (zoneinfo), the Aser school, the file's tolerance in minutes (its
`variance`, or what its source lines state), the date
and the six times on a 24-hour clock. Where a file's `source` lines hold the published values and its `times`
were moved to fit that library (Doha), the published values are written."""
import csv, json, os, re, sys, zoneinfo
from datetime import datetime

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "calc", "timetables.csv")
IDS = {"Turkey": "DIYANET", "Qatar": "QATAR", "Dubai": "DUBAI", "Kuwait": "KUWAIT",
       "MoonsightingCommittee": "MOONSIGHTING", "UmmAlQura": "UMM_AL_QURA", "Singapore": "SINGAPORE",
       "Tehran": "TEHRAN"}
KEYS = ["fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"]


def clock(text):
    h, m, half = re.match(r"(\d+):(\d+) (AM|PM)", text).groups()
    h = int(h) % 12 + (12 if half == "PM" else 0)
    return f"{h:02d}:{int(m):02d}"


def main(folder):
    rows = []
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".json"):
            continue
        data = json.load(open(os.path.join(folder, name)))
        p = data["params"]
        tz = zoneinfo.ZoneInfo(p["timezone"])
        published = {}
        variance = data.get("variance", "")
        for line in data["source"] if isinstance(data.get("source"), list) else []:
            stated = re.match(r"adjusted \+/- (\d+) minutes", line)
            if stated and variance == "":
                variance = int(stated.group(1))  # the file's own statement of its tolerance
        if name.startswith("Doha"):
            # "4:56-1" is published 4:56, listed 4:55; the afternoon columns are on a 12-hour clock.
            for line in data["source"]:
                m = re.match(r"\w+\((\d+)\)\s+(.*)", line)
                if m:
                    cells = [re.match(r"(\d+):(\d+)", c).groups() for c in m.group(2).split()]
                    published[int(m.group(1))] = [f"{int(h) + (12 if i >= 3 or (i == 2 and int(h) < 11) else 0):02d}:{mm}"
                                                  for i, (h, mm) in enumerate(cells)]
        for t in data["times"]:
            date = t["date"]
            if name.startswith("Dubai"):
                date = "2018" + date[4:]  # the file's dates are really 2018's
            y, mo, d = map(int, date.split("-"))
            offset = int(datetime(y, mo, d, 12, tzinfo=tz).utcoffset().total_seconds())
            times = published.get(mo) if published and d == 1 else [clock(t[k]) for k in KEYS]
            rows.append([name[:-5], IDS[p["method"]], p["latitude"], p["longitude"], offset,
                         2 if p["madhab"] == "Hanafi" else 1, variance, date] + times)
    with open(OUT, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["file", "method", "latitude", "longitude", "zone_seconds", "aser", "variance", "date"] + KEYS)
        w.writerows(rows)
    print(f"{len(rows)} published days written to {os.path.relpath(OUT)}")


if __name__ == "__main__":
    main(sys.argv[1])
