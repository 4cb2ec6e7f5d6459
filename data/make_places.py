#!/usr/bin/python3
"""Regenerates places.csv and nuro.ini.

    npm install --prefix /tmp/places city-timezones
    /usr/bin/python3 data/make_places.py /tmp/places/node_modules/city-timezones/data/cityMap.json

Coordinates and populations come from the cityMap.json of the npm package city-timezones (MIT licence;
its places are those of Natural Earth's populated places, public domain).  The IANA zone name is kept
(column zone) and its standard UTC offset comes from the system's tzdata; the 24 governorate seats of
Tunisia and the elevations are our own.
"""
import csv, json, os, sys, unicodedata, zoneinfo
from datetime import datetime

HERE = os.path.dirname(os.path.abspath(__file__))
T1_LIMIT = 11999

COUNTRY_NAMES = {
    "Vatican (Holy Sea)": "Vatican", "Hong Kong S.A.R.": "Hong Kong", "Macau S.A.R": "Macau",
    "Congo (Kinshasa)": "DR Congo", "Congo (Brazzaville)": "Congo", "Guinea Bissau": "Guinea-Bissau",
    "Swaziland": "Eswatini", "Macedonia": "North Macedonia", "United States of America": "United States",
    "Czech Republic": "Czechia", "East Timor": "Timor-Leste", "Federated States of Micronesia": "Micronesia",
}

# National capitals by ISO code, spelled as in the source.
CAPITALS = {
    "AD": "Andorra", "AE": "Abu Dhabi", "AF": "Kabul", "AG": "Saint John's", "AL": "Tirana", "AM": "Yerevan",
    "AO": "Luanda", "AR": "Buenos Aires", "AT": "Vienna", "AU": "Canberra", "AZ": "Baku", "BA": "Sarajevo",
    "BB": "Bridgetown", "BD": "Dhaka", "BE": "Brussels", "BF": "Ouagadougou", "BG": "Sofia", "BH": "Manama",
    "BI": "Gitega", "BJ": "Porto-Novo", "BN": "Bandar Seri Begawan", "BO": "La Paz", "BR": "Brasilia",
    "BS": "Nassau", "BT": "Thimphu", "BW": "Gaborone", "BY": "Minsk", "BZ": "Belmopan", "CA": "Ottawa",
    "CD": "Kinshasa", "CF": "Bangui", "CG": "Brazzaville", "CH": "Bern", "CI": "Yamoussoukro", "CL": "Santiago",
    "CM": "Yaounde", "CN": "Beijing", "CO": "Bogota", "CR": "San Jose", "CU": "Havana", "CV": "Praia",
    "CY": "Nicosia", "CZ": "Prague", "DE": "Berlin", "DJ": "Djibouti", "DK": "Copenhagen", "DM": "Roseau",
    "DO": "Santo Domingo", "DZ": "Algiers", "EC": "Quito", "EE": "Tallinn", "EG": "Cairo", "ER": "Asmara",
    "ES": "Madrid", "ET": "Addis Ababa", "FI": "Helsinki", "FJ": "Suva", "FM": "Palikir", "FR": "Paris",
    "GA": "Libreville", "GB": "London", "GD": "Saint George's", "GE": "Tbilisi", "GH": "Accra", "GM": "Banjul",
    "GN": "Conakry", "GQ": "Malabo", "GR": "Athens", "GT": "Guatemala", "GW": "Bissau", "GY": "Georgetown",
    "HN": "Tegucigalpa", "HR": "Zagreb", "HT": "Port-au-Prince", "HU": "Budapest", "ID": "Jakarta",
    "IE": "Dublin", "IL": "Jerusalem", "IN": "New Delhi", "IQ": "Baghdad", "IR": "Tehran", "IS": "Reykjavik",
    "IT": "Rome", "JM": "Kingston", "JO": "Amman", "JP": "Tokyo", "KE": "Nairobi", "KG": "Bishkek",
    "KH": "Phnom Penh", "KI": "Tarawa", "KM": "Moroni", "KN": "Basseterre", "KP": "Pyongyang", "KR": "Seoul",
    "KW": "Kuwait", "KZ": "Astana", "LA": "Vientiane", "LB": "Beirut", "LC": "Castries", "LI": "Vaduz",
    "LK": "Colombo", "LR": "Monrovia", "LS": "Maseru", "LT": "Vilnius", "LU": "Luxembourg", "LV": "Riga",
    "LY": "Tripoli", "MA": "Rabat", "MC": "Monaco", "MD": "Chisinau", "ME": "Podgorica", "MG": "Antananarivo",
    "MH": "Majuro", "MK": "Skopje", "ML": "Bamako", "MM": "Naypyidaw", "MN": "Ulaanbaatar", "MR": "Nouakchott",
    "MT": "Valletta", "MU": "Port Louis", "MV": "Male", "MW": "Lilongwe", "MX": "Mexico City",
    "MY": "Kuala Lumpur", "MZ": "Maputo", "NA": "Windhoek", "NE": "Niamey", "NG": "Abuja", "NI": "Managua",
    "NL": "Amsterdam", "NO": "Oslo", "NP": "Kathmandu", "NZ": "Wellington", "OM": "Muscat", "PA": "Panama City",
    "PE": "Lima", "PG": "Port Moresby", "PH": "Manila", "PK": "Islamabad", "PL": "Warsaw", "PS": "Ramallah",
    "PT": "Lisbon", "PW": "Melekeok", "PY": "Asuncion", "QA": "Doha", "RO": "Bucharest", "RS": "Belgrade",
    "RU": "Moscow", "RW": "Kigali", "SA": "Riyadh", "SB": "Honiara", "SC": "Victoria", "SD": "Khartoum",
    "SE": "Stockholm", "SG": "Singapore", "SI": "Ljubljana", "SK": "Bratislava", "SL": "Freetown",
    "SM": "San Marino", "SN": "Dakar", "SO": "Mogadishu", "SR": "Paramaribo", "SS": "Juba", "ST": "Sao Tome",
    "SV": "San Salvador", "SY": "Damascus", "SZ": "Mbabane", "TD": "Ndjamena", "TG": "Lome", "TH": "Bangkok",
    "TJ": "Dushanbe", "TL": "Dili", "TM": "Ashgabat", "TN": "Tunis", "TO": "Nukualofa", "TR": "Ankara",
    "TT": "Port-of-Spain", "TV": "Funafuti", "TW": "Taipei", "TZ": "Dodoma", "UA": "Kyiv", "UG": "Kampala",
    "US": "Washington, D.C.", "UY": "Montevideo", "UZ": "Tashkent", "VA": "Vatican City", "VC": "Kingstown",
    "VE": "Caracas", "VN": "Hanoi", "VU": "Port-Vila", "WS": "Apia", "YE": "Sanaa", "ZA": "Pretoria",
    "ZM": "Lusaka", "ZW": "Harare", "XK": "Pristina",
    "NR": "Yaren",
}

MUSLIM_MAJORITY = set("AF AL AZ BH BD BN BF TD KM DJ EG GM GN ID IR IQ JO KZ XK KW KG LB LY MY MV ML MR MA NE "
                      "NG OM PK PS QA SA SN SL SO SD SY TJ TN TR TM AE UZ YE EH DZ".split())

# Governorate seats of Tunisia: name, latitude, longitude, elevation in metres.
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
# Capitals the source lacks: city, ISO code, country, latitude, longitude, time zone, elevation in metres.
MISSING_CAPITALS = [("Yaren", "NR", "Nauru", -0.54778, 166.92083, "Pacific/Nauru", 10)]
# Source spellings of Tunisian places replaced by the seats above.
TUNISIA_SOURCE_SKIP = {"L'Ariana", "Medemine", "Monasir", "Qairouan", "Qasserine", "Sdid Bouzid", "El Kef",
                       "Kasserine", "Beja", "Bizerte", "Gabes", "Gafsa", "Jendouba", "Kebili", "Mahdia", "Nabeul",
                       "Sfax", "Siliana", "Sousse", "Tataouine", "Tozeur", "Tunis", "Zaghouan"}

# Elevations in metres of places high enough for the dip of the horizon to matter.
ELEVATION = {
    ("La Paz", "BO"): 3640, ("Quito", "EC"): 2850, ("Bogota", "CO"): 2640, ("Addis Ababa", "ET"): 2355,
    ("Sanaa", "YE"): 2250, ("Mexico City", "MX"): 2240, ("Kabul", "AF"): 1790, ("Nairobi", "KE"): 1795,
    ("Tehran", "IR"): 1190, ("Asmara", "ER"): 2325, ("Thimphu", "BT"): 2330, ("Kathmandu", "NP"): 1400,
    ("Johannesburg", "ZA"): 1753, ("Amman", "JO"): 900, ("Riyadh", "SA"): 612, ("Ankara", "TR"): 938,
    ("Madrid", "ES"): 667, ("Jerusalem", "IL"): 754, ("Damascus", "SY"): 680, ("Mecca", "SA"): 277,
    ("Medina", "SA"): 608, ("Taif", "SA"): 1879, ("Abha", "SA"): 2270, ("Harare", "ZW"): 1490,
    ("Lusaka", "ZM"): 1279, ("Kampala", "UG"): 1190, ("Kigali", "RW"): 1567, ("Windhoek", "NA"): 1655,
    ("Yerevan", "AM"): 990, ("Bishkek", "KG"): 800, ("Dushanbe", "TJ"): 800, ("Tashkent", "UZ"): 455,
    ("Almaty", "KZ"): 800, ("Ulaanbaatar", "MN"): 1350, ("Islamabad", "PK"): 540, ("Quetta", "PK"): 1680,
    ("Brasilia", "BR"): 1172, ("Guatemala", "GT"): 1500, ("Caracas", "VE"): 900, ("Lhasa", "CN"): 3650,
    ("Kunming", "CN"): 1890, ("Sucre", "BO"): 2810, ("Cusco", "PE"): 3399, ("Arequipa", "PE"): 2335,
    ("Medellin", "CO"): 1495, ("Bandung", "ID"): 768, ("Fez", "MA"): 410, ("Marrakesh", "MA"): 466,
    ("Setif", "DZ"): 1096, ("Constantine", "DZ"): 694, ("Esfahan", "IR"): 1574, ("Shiraz", "IR"): 1500,
    ("Mashhad", "IR"): 995, ("Tabriz", "IR"): 1351, ("Kerman", "IR"): 1755, ("Hamadan", "IR"): 1850,
    ("Herat", "AF"): 920, ("Kandahar", "AF"): 1010, ("Srinagar", "IN"): 1585, ("Bangalore", "IN"): 920,
    ("Hyderabad", "IN"): 505, ("Pune", "IN"): 560, ("Denver", "US"): 1609, ("Tbilisi", "GE"): 490,
}


def ascii_text(s):
    s = unicodedata.normalize("NFKD", s).encode("ascii", "ignore").decode()
    return " ".join(s.replace("'", "").replace("*", "").replace('"', "").split())


def standard_offset(tz):
    z = zoneinfo.ZoneInfo(tz)
    offs = [datetime(2023, m, 15, 12, tzinfo=z).utcoffset().total_seconds() / 3600 for m in (1, 7)]
    return min(offs)


def dms(value):
    total = round(abs(value) * 3600)
    return total // 3600, total // 60 % 60, total % 60


def main(city_map):
    cities = json.load(open(city_map, encoding="utf-8"))
    places = {}  # name -> (priority, pop, row)

    def add(city, iso2, country, lat, lon, tz, pop, priority, elevation=None):
        city = city.split(",")[0]
        name = f"{ascii_text(city)}, {ascii_text(COUNTRY_NAMES.get(country, country))}"
        if len(name) > 53 or not ascii_text(city):
            return
        if elevation is None:
            elevation = ELEVATION.get((city, iso2), 0)
        d1, m1, s1 = dms(lon)
        d2, m2, s2 = dms(lat)
        row = [name, d1, m1, f"{s1:.3f}", "W" if lon < 0 else "E", d2, m2, f"{s2:.3f}", "S" if lat < 0 else "N",
               f"{standard_offset(tz):g}", "1010", "10", str(elevation), tz]
        old = places.get(name)
        if old is None or (priority, -pop) < (old[0], -old[1]):
            places[name] = (priority, pop, row)

    for seat, lat, lon, h in TUNISIA:
        add(seat, "TN", "Tunisia", lat, lon, "Africa/Tunis", 0, 0, h)

    capitals_found = set()
    for city, iso2, country, lat, lon, tz, h in MISSING_CAPITALS:
        add(city, iso2, country, lat, lon, tz, 0, 1, h)
        capitals_found.add(iso2)
    by_country = {}
    for c in cities:
        iso2 = str(c["iso2"])
        if iso2 in ("", "-99"):
            iso2 = {"Kosovo": "XK", "Somaliland": "SO"}.get(c["country"], iso2)
        if iso2 == "TN" and c["city_ascii"] in TUNISIA_SOURCE_SKIP:
            continue
        if not c.get("timezone"):
            continue
        by_country.setdefault(iso2, []).append(c)
    for iso2, group in by_country.items():
        group.sort(key=lambda c: -c["pop"])
        for rank, c in enumerate(group):
            capital = CAPITALS.get(iso2) == c["city_ascii"]
            if capital:
                capitals_found.add(iso2)
                priority = 1
            elif iso2 in MUSLIM_MAJORITY and (rank < 8 or c["pop"] >= 300000):
                priority = 2
            elif c["pop"] >= 1000000:
                priority = 3
            else:
                continue
            add(c["city_ascii"], iso2, c["country"], c["lat"], c["lng"], c["timezone"], c["pop"], priority)
    missing = sorted(set(CAPITALS) - capitals_found - {"TN"})
    if missing:
        print("capitals not found in the source:", ", ".join(f"{k}={CAPITALS[k]}" for k in missing))

    rows = sorted(places.values(), key=lambda p: p[2][0])
    with open(os.path.join(HERE, "places.csv"), "w", newline="", encoding="ascii") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["nom", "d1", "m1", "s1", "card1", "d2", "m2", "s2", "card2", "t_zone", "p", "t", "h", "zone"])
        for _, _, row in rows:
            w.writerow(row)

    # The place list of the settings file: the most important names first until the limit.
    ranked = sorted(places.values(), key=lambda p: (p[0], -p[1], p[2][0]))
    t1, listed = "", 0
    for _, _, row in ranked:
        if len(t1) + len(row[0]) + 1 > T1_LIMIT:
            break
        t1 += row[0] + "*"
        listed += 1
    tunis = places["Tunis, Tunisia"][2]
    ini = ["[SETUP]", "Sound=1", "Radio_inc=0", "INC_DEC=0", "COUNTRY=Tunis, Tunisia", "ASER=STANDARD",
           f"D1={tunis[1]}", f"M1={tunis[2]}", f"S1={float(tunis[3]):.3f}", f"CARD1={tunis[4]}",
           f"D2={tunis[5]}", f"M2={tunis[6]}", f"S2={float(tunis[7]):.3f}", f"CARD2={tunis[8]}",
           f"P={float(tunis[10]):.3f}", f"T={float(tunis[11]):.3f}", f"H={float(tunis[12]):.3f}",
           f"T_ZONE={float(tunis[9]):.3f}", "LANG=ARABIC",
           "p_faj=0", "p_shu=0", "p_dho=7", "p_ase=0", "p_mag=2", "p_ich=0", "a_faj=108", "a_ich=108",
           "STARTUP=0", "SUMMER=0", "month1=4", "day1=1", "month2=10", "day2=1", "val1=401", "val2=1001",
           "PRECISION=0", "AUTO_TZ=1", f"ZONE={tunis[13]}", f"t1={t1}"]
    with open(os.path.join(HERE, "nuro.ini"), "w", encoding="ascii") as f:
        f.write("\n".join(ini) + "\n")
    print(f"{len(rows)} places; t1 lists {listed} names in {len(t1)} characters")


if __name__ == "__main__":
    main(sys.argv[1])
