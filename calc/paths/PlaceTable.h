// The place table as the build makes it; tests and fuzz targets make their small databases the same way.
#pragma once

namespace nuro::paths {

inline constexpr char kCreatePlaceTable[] =
    "CREATE TABLE nuro (nom TEXT PRIMARY KEY NOT NULL, d1 INTEGER, m1 INTEGER, s1 REAL, card1 TEXT,"
    " d2 INTEGER, m2 INTEGER, s2 REAL, card2 TEXT, t_zone REAL, p REAL, t REAL, h REAL);";

// The place's IANA time zone, after the 13 columns the place query's column table names: a database
// made without it (an older per-user copy) still answers every statement, only the zone is missing.
inline constexpr char kAddZoneColumn[] = "ALTER TABLE nuro ADD COLUMN zone TEXT;";

// Read one by one by name, so a database made before them still answers (the value is then empty).
inline constexpr const char* kPlaceColumns[] = {"cc",      "asciiname", "region",  "country", "population", "name_ar",
                                                "name_ur", "name_fa",   "name_tr", "name",    "lat",        "lon"};
inline constexpr char kAddPlaceColumns[] =
    "ALTER TABLE nuro ADD COLUMN cc TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN asciiname TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN region TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN country TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN population INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE nuro ADD COLUMN name_ar TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN name_ur TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN name_fa TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN name_tr TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN name TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE nuro ADD COLUMN lat REAL;"
    "ALTER TABLE nuro ADD COLUMN lon REAL;";

// Words of every name of a place; rowid is the place's rowid, which is its rank by population.
inline constexpr char kSearchTable[] = "nuro_search";
inline constexpr char kCreateSearchTable[] =
    "CREATE VIRTUAL TABLE nuro_search USING fts5(names, content='', detail=none, columnsize=0,"
    " tokenize='unicode61 remove_diacritics 2', prefix='1 2 3');";

inline constexpr char kCreatePlaceIndexes[] =
    "CREATE INDEX nuro_nom_nocase ON nuro(nom COLLATE NOCASE);"
    "CREATE INDEX nuro_ascii ON nuro(asciiname COLLATE NOCASE);"
    "CREATE INDEX nuro_zone ON nuro(zone);"
    "CREATE INDEX nuro_lat ON nuro(lat);";

}  // namespace nuro::paths
