#!/usr/bin/python3
"""Writes tests/calc/reference.csv: the six events of many place-dates computed with PyEphem
(Debian package python3-ephem, needed only to regenerate the table).

Conventions shared with the library: Shuroq and Maghereb are the sun's centre at
-(34' * (P/1010) * (283/(273+T)) + 16' + 1.76' * sqrt(H)) (P <= 0 counts as 1010); twilight angles are
geometric (90..180 zenith distance, 1..89 depression); Aser is the geometric altitude where a shadow is
factor x height plus the shadow at that day's noon (the sun's altitude at the transit); it exists while the
refracted noon sun (refraction 34' * (P/1010) * (283/(273+T)) at the horizon) is above the horizon, and with
the noon sun geometrically below it both shadows are those of the refracted sun. Sunrise and sunset each
exist on their own (the first sunset after the midnight sun, just after local midnight, ends a day that had
no sunrise). When the sun does not reach a twilight angle, or the time would fall on the wrong side of the
middle of the night, the middle of the night is taken; without sunrise (Fajer) or sunset (Isha) there is no
night: in the polar night Fajer and Isha are the moments the sun reaches the angle, else they do not exist.
"""
import csv, math, os, random, struct, zoneinfo
from datetime import datetime, timedelta, timezone

import ephem

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "calc", "reference.csv")
ZONE_OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "schedule", "zone_reference.csv")
PLACES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "places.csv")

# Places with summer time in either hemisphere, half and quarter hours, and New York's two 2026 switch days:
# the times in the place's own clock, each event's wall time and offset from Python's zoneinfo.
ZONE_CASES = [("London, United Kingdom", [(2026, 1, 15), (2026, 7, 15)]),
              ("Sydney, Australia", [(2026, 1, 15), (2026, 7, 15)]),
              ("Santiago, Chile", [(2026, 1, 15), (2026, 7, 15)]),
              ("Tehran, Iran", [(2026, 6, 15)]),
              ("Kathmandu, Nepal", [(2026, 6, 15)]),
              ("New York, United States", [(2026, 3, 8), (2026, 11, 1)])]


def f32(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def refraction_deg(p, t):
    if p <= 0:
        p = 1010.0
    return 34.0 * (p / 1010.0) * (283.0 / (273.0 + t)) / 60.0


def horizon_deg(p, t, h):
    dip = 1.76 * math.sqrt(h) if h > 0 else 0.0
    return -(refraction_deg(p, t) * 60.0 + 16.0 + dip) / 60.0


def twilight_deg(a):
    if 90 <= a <= 180:
        return 90.0 - a
    if 1 <= a <= 89:
        return -float(a)
    return None


def events(row):
    lat = row["latDeg"] + row["latMin"] / 60 + f32(row["latSec"]) / 3600
    lon = row["lonDeg"] + row["lonMin"] / 60 + f32(row["lonSec"]) / 3600
    if row["latDir"] == "S":
        lat = -lat
    if row["lonDir"] == "W":
        lon = -lon
    obs = ephem.Observer()
    obs.lat, obs.lon = math.radians(lat), math.radians(lon)
    obs.elevation = max(0.0, f32(row["elevation"]))
    obs.pressure = 0
    obs.temp = f32(row["temperature"])
    sun = ephem.Sun()
    midnight = ephem.Date(datetime(row["year"], row["month"], row["day"]) - timedelta(hours=row["zone"]))
    local = lambda t: (float(t) - float(midnight)) * 86400.0

    def cross(alt_deg, start, rising, forward):
        obs.horizon = math.radians(alt_deg)
        try:
            if rising:
                t = obs.next_rising(sun, start=start, use_center=True) if forward else \
                    obs.previous_rising(sun, start=start, use_center=True)
            else:
                t = obs.next_setting(sun, start=start, use_center=True) if forward else \
                    obs.previous_setting(sun, start=start, use_center=True)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            return None
        return t if abs(float(t) - float(start)) < 0.75 else None

    obs.horizon = 0
    transit = obs.next_transit(sun, start=midnight)
    out = {"dhohur": local(transit)}

    factor = 2 if row["aser"] == 2 else 1
    obs.date = transit
    sun.compute(obs)
    noon = float(sun.alt)
    refraction = math.radians(refraction_deg(f32(row["pressure"]), f32(row["temperature"])))
    aser = None
    if noon + refraction > 0:
        seen = noon if noon > 0 else noon + refraction
        alt = math.atan2(math.sin(seen), factor * math.sin(seen) + math.cos(seen))
        if noon <= 0:
            alt -= refraction
        aser = cross(math.degrees(alt), transit, False, True)
    out["aser"] = local(aser) if aser is not None else None

    h0 = horizon_deg(f32(row["pressure"]), f32(row["temperature"]), f32(row["elevation"]))
    rise = cross(h0, transit, True, False)
    sset = cross(h0, transit, False, True)
    out["shuroq"] = local(rise) if rise is not None else None
    out["maghereb"] = local(sset) if sset is not None else None
    fa, ia = twilight_deg(row["angleFajer"]), twilight_deg(row["angleIsha"])
    polar_night = rise is None and sset is None and math.degrees(noon) < h0
    out["fajer"] = out["isha"] = None
    if fa is not None:
        t = cross(fa, transit, True, False)
        if rise is not None:
            prev_set = cross(h0, rise, False, False)
            start = float(prev_set) if prev_set is not None else (float(sset) - 1 if sset is not None else None)
            if start is None:
                out["fajer"] = local(t) if t is not None else None
            else:
                middle = 0.5 * (start + float(rise))
                out["fajer"] = local(t if t is not None and float(t) >= middle else middle)
        elif polar_night and t is not None:
            out["fajer"] = local(t)
    if ia is not None:
        t = cross(ia, transit, False, True)
        if sset is not None:
            next_rise = cross(h0, sset, True, True)
            end = float(next_rise) if next_rise is not None else (float(rise) + 1 if rise is not None else None)
            if end is None:
                out["isha"] = local(t) if t is not None else None
            else:
                middle = 0.5 * (float(sset) + end)
                out["isha"] = local(t if t is not None and float(t) <= middle else middle)
        elif polar_night and t is not None:
            out["isha"] = local(t)
    return out


def random_rows(rng, n):
    rows = []
    for _ in range(n):
        lat = rng.uniform(-55, 65)
        lon = rng.uniform(-180, 180)
        rows.append(place_row(rng, lat, lon, rng.randint(1950, 2100), rng.randint(1, 12), rng.randint(1, 28)))
    return rows


def place_row(rng, lat, lon, year, month, day):
    def parts(v):
        v = abs(v)
        d = int(v)
        m = int((v - d) * 60)
        s = round(((v - d) * 60 - m) * 60 * 2) / 2
        if s >= 60:
            s = 59.5
        return d, m, s
    ld, lm, ls = parts(lon)
    ad, am, as_ = parts(lat)
    zone = max(-12, min(14, round(lon / 15) + rng.choice([0, 0, 0, 1, -1])))
    elevation = 0.0 if rng.random() < 0.4 else round(rng.uniform(0, 3000))
    return {
        "year": year, "month": month, "day": day,
        "lonDeg": ld, "lonMin": lm, "lonSec": ls, "lonDir": "W" if lon < 0 else "E",
        "latDeg": ad, "latMin": am, "latSec": as_, "latDir": "S" if lat < 0 else "N",
        "zone": zone, "pressure": rng.choice([1010.0, 1013.25, 1030.0, 950.0, 850.0, 700.0, 0.0]),
        "temperature": float(rng.randint(-20, 40)), "elevation": elevation, "aser": rng.choice([1, 2]),
        "angleFajer": rng.choice([108, 18, 105, 15, 17, 19, 20, 110]),
        "angleIsha": rng.choice([108, 18, 105, 15, 17, 19, 20, 110]),
    }


PLACE_FIELDS = ["d1", "m1", "s1", "card1", "d2", "m2", "s2", "card2", "h"]


def zone_table():
    places = {r["nom"]: r for r in csv.DictReader(open(PLACES))}
    names = ["fajer", "shuroq", "dhohur", "aser", "maghereb", "isha"]
    out = []
    for name, dates in ZONE_CASES:
        p = places[name]
        tz = zoneinfo.ZoneInfo(p["zone"])
        for y, m, d in dates:
            noon = datetime(y, m, d, 12, tzinfo=tz).utcoffset().total_seconds()
            row = {"year": y, "month": m, "day": d, "lonDeg": int(p["d1"]), "lonMin": int(p["m1"]),
                   "lonSec": float(p["s1"]), "lonDir": p["card1"], "latDeg": int(p["d2"]), "latMin": int(p["m2"]),
                   "latSec": float(p["s2"]), "latDir": p["card2"], "zone": noon / 3600, "pressure": 1010.0,
                   "temperature": 10.0, "elevation": float(p["h"]), "aser": 1, "angleFajer": 108, "angleIsha": 108}
            e = events(row)
            midnight = datetime(y, m, d, tzinfo=timezone.utc) - timedelta(seconds=noon)
            walls, offsets = [], []
            for k in names:
                at = (midnight + timedelta(seconds=e[k])).astimezone(tz)
                walls.append(f"{at.hour * 3600 + at.minute * 60 + at.second + at.microsecond / 1e6:.2f}")
                offsets.append(str(int(at.utcoffset().total_seconds())))
            out.append([name, p["zone"], f"{y:04d}-{m:02d}-{d:02d}"] + [p[k] for k in PLACE_FIELDS] + walls + offsets)
    with open(ZONE_OUT, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["nom", "zone", "date"] + PLACE_FIELDS + names + [n + "_offset" for n in names])
        w.writerows(out)
    print(f"{len(out)} place-dates in their own clock written to {os.path.relpath(ZONE_OUT)}")


def main():
    zone_table()
    rng = random.Random(20240613)
    rows = random_rows(rng, 320)
    # Seasons' edges, the high-latitude rules and places where the sun stays up or down.
    for lat, lon, (y, m, d) in [(64.9, 25.5, (2024, 6, 21)), (60.2, 24.9, (2023, 6, 15)), (55.7, 37.6, (2030, 6, 21)),
                                (64.1, -21.9, (1999, 12, 21)), (-54.8, -68.3, (2077, 12, 21)), (-54.8, -68.3, (2077, 6, 21)),
                                (51.5, -0.1, (2024, 6, 21)), (70.0, 23.0, (2024, 6, 21)), (78.2, 15.6, (2050, 1, 10)),
                                (69.6, 18.9, (2024, 12, 21)), (-77.8, 166.7, (2024, 12, 21)), (0.0, 0.0, (2000, 3, 20)),
                                (21.4, 39.8, (2024, 3, 11)), (36.8, 10.2, (1950, 1, 1)), (36.8, 10.2, (2100, 12, 31))]:
        rows.append(place_row(rng, lat, lon, y, m, d))
    # Tromso: polar-night twilight, the noon sun seen only refracted, the first sunset after the midnight
    # sun (just after local midnight in summer time), then seeded places beyond 65 degrees.
    for (y, m, d), zone, temperature in [((2024, 12, 21), 1, -5.0), ((2024, 11, 24), 1, -5.0),
                                         ((2025, 1, 16), 1, -5.0), ((2024, 7, 25), 2, 12.0), ((2024, 7, 26), 2, 12.0)]:
        r = place_row(rng, 69.65, 18.95, y, m, d)
        r.update(zone=zone, pressure=1010.0, temperature=temperature, elevation=0.0)
        rows.append(r)
    for _ in range(30):
        lat = rng.uniform(65, 80) * rng.choice([1, -1])
        rows.append(place_row(rng, lat, rng.uniform(-180, 180), rng.randint(1950, 2100), rng.randint(1, 12),
                              rng.randint(1, 28)))
    fields = list(rows[0].keys()) + ["fajer", "shuroq", "dhohur", "aser_time", "maghereb", "isha"]
    with open(OUT, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(fields)
        for r in rows:
            e = events(r)
            vals = [e["fajer"], e["shuroq"], e["dhohur"], e["aser"], e["maghereb"], e["isha"]]
            w.writerow([r[k] for k in rows[0].keys()] + ["none" if v is None else f"{v:.2f}" for v in vals])
    print(f"{len(rows)} place-dates written to {os.path.relpath(OUT)}")


if __name__ == "__main__":
    main()
