// The place table as the build makes it; tests and fuzz targets make their small databases the same way.
#pragma once

namespace nuro::paths {

inline constexpr char kCreatePlaceTable[] =
    "CREATE TABLE nuro (nom TEXT PRIMARY KEY NOT NULL, d1 INTEGER, m1 INTEGER, s1 REAL, card1 TEXT,"
    " d2 INTEGER, m2 INTEGER, s2 REAL, card2 TEXT, t_zone REAL, p REAL, t REAL, h REAL);";

// The place's IANA time zone, after the 13 columns the place query's column table names: a database
// made without it (an older per-user copy) still answers every statement, only the zone is missing.
inline constexpr char kAddZoneColumn[] = "ALTER TABLE nuro ADD COLUMN zone TEXT;";

}  // namespace nuro::paths
