#pragma once
// The check of a catalogue file against the catalogue format: tables and columns, stored queries and
// views that prepare, numbers of the right type and range, time texts, lock hours that cover the year
// without overlaps, junction pairs that point at each other, and values where the program needs one.

#include <QString>
#include <cstdint>
#include <vector>

namespace olm3 {

/// One finding: where (table, row id, column; empty or 0 when it concerns the whole table or file) and what.
struct KatalogBefund {
    QString strTabelle;
    std::int64_t lngZeile = 0;
    QString strSpalte;
    QString strText;
};

/// Every finding about the catalogue file, in the order tables, queries, values, lock hours, junctions.
/// Empty when the catalogue is clean. A file that does not open gives one finding that says why.
std::vector<KatalogBefund> PruefeKatalog(const QString& strDatei);

} // namespace olm3
