// The only statements the place database runs for us: one read-only SELECT of nuro and its search table
// nuro_search (queries and searches), or one UPDATE of nuro (the updater). SQLite's authorizer decides;
// the text is never matched to allow anything.
#pragma once

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace nuro::paths {

enum class StatementKind { SelectPlaces, UpdatePlaces };

// Applies the limits that keep a hostile statement from running long or large.
void limitConnection(sqlite3* db);

// Prepares sql as exactly one statement of the kind, or returns null with a one-line reason.
// A place name holding a single quote in the trailing nom='...' comparison is bound as a value
// instead of being parsed, since callers format names into the text unescaped.
sqlite3_stmt* prepareGuarded(sqlite3* db, const std::string& sql, StatementKind kind, std::string* reason);

// "select COLUMNS from nuro where nom='NAME'": the statements the user's own changes answer first.
bool isPlaceLookup(const std::string& sql);

// NAME of a statement ending in nom='NAME' as it stands between the quotes, else empty.
std::string trailingPlaceName(const std::string& sql);

}  // namespace nuro::paths
