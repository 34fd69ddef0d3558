// The readable source of the shipped location file: a CSV text with the header
// "name,longitude,latitude,timezone", one place a line (a name holding a comma
// is quoted, "" inside quotes is one quote), decimal degrees positive East and
// North, time zones in hours. Read by the build's data tools, which share its
// field splitting, and by the prayer-time library's tests.
#pragma once

#include "locations/records/LocationFile.h"

#include <QString>

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// The fields of one line of a comma-separated list: a field in double quotes
// may hold commas, and two double quotes in it stand for one. Nothing when the
// quoting is broken (no closing quote, text after it, a quote inside a bare
// field).
std::optional<std::vector<std::string>> SplitCsvFields(const std::string& line);

// Reads UTF-8 CSV text into records in line order, names cut to 47
// characters. On the first malformed line it returns false with `error`
// saying "<source>:<line>: <what is wrong>"; `records` is then left empty.
bool ParsePlacesCsv(const std::string& text, const std::string& source,
                    std::vector<TLocationRecord>& records, std::string& error);

// Writes the records as a location file at `path`, through a temporary file
// that replaces the old one only when complete.
bool WriteLocationFile(const QString& path, const std::vector<TLocationRecord>& records,
                       std::string& error);

// The generator's whole run: CSV file in, location file out. Messages go to
// `err`; returns the process exit code (0 done, 1 refused input, 2 I/O failure).
int MakeLocationFile(const QString& csvPath, const QString& outPath, std::ostream& err);
