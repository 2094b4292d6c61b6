#pragma once
// What the saved-route tests share: the test catalogue before and after a data update, a route saved on
// the old one with one point for every way of finding it again, and a full listing of the routes database.
//
//   before:  101 Havel-Test km 0 ... 104 lock km 3 ... | 202 lock on Kanal-Test (KAN) | 301 Alter Arm (ALT)
//            | 401 Neuer Arm (NEU), far from everything
//   after:   104 moved to km 3.3 (found by chainage, "S"); the canal is now KAN2 (202 found by its
//            position, "B"); the old arm is ALTX and its point moved 0.001 degrees east (only the nearest
//            point finds it, "K 0.04"); the new arm is gone (not found); 101 is as it was ("OK").

#include "data/modOLM3Binnen.h"
#include "support/fakehost.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cstdint>
#include <vector>

namespace savedroutes {

inline const QString kNeuerArm =
    QStringLiteral("INSERT INTO Binnen (BinnenID, Bezeichnung, ExterneID) VALUES (4, 'Neuer Arm', 'NEU');"
                   "INSERT INTO Punkte (PunkteID, BinnenID, Nummer, Strecke, LgDez, BgDez) VALUES (401, 4, "
                   "1, 0.0, 15.0, 54.0);");

inline const QString kUpdate = QStringLiteral("UPDATE Punkte SET Strecke = 3.3 WHERE PunkteID = 104;"
                                              "UPDATE Binnen SET ExterneID = 'KAN2' WHERE BinnenID = 2;"
                                              "UPDATE Binnen SET ExterneID = 'ALTX' WHERE BinnenID = 3;"
                                              "UPDATE Punkte SET LgDez = 14.001 WHERE PunkteID = 301;");

/// OK, S, B, K, not found.
inline const std::vector<std::int32_t> kRoute{101, 104, 202, 301, 401};

/// The catalogue a route was saved on; the number 1 is in the file name.
inline QString KatalogAlt(const olm3test::TempDir& dir) {
    return olm3test::MakeCatalogue(dir, "1_Alt.sqlite", {olm3test::FixtureSql("mini"), kNeuerArm});
}
/// The same catalogue number after the data update.
inline QString KatalogNeu(const olm3test::TempDir& dir) {
    return olm3test::MakeCatalogue(dir, "1_Neu.sqlite", {olm3test::FixtureSql("mini"), kUpdate});
}

/// Every row of both tables of the routes database, as text, in key order.
inline QStringList AlleZeilen() {
    QStringList out;
    const QString abfragen[] = {QStringLiteral("SELECT * FROM BinRouten ORDER BY ID"),
                                QStringLiteral("SELECT * FROM BinRoutenPunkte ORDER BY RoutenID, Nr")};
    for (const QString& sql : abfragen) {
        ADODB::RecordsetPtr rs;
        if (!modOLM3Binnen::ADO_Open_RecordsetExt(modOLM3Binnen::conWPundRoutenDB, rs, sql, true)) return {};
        for (; !rs->Eof(); rs->MoveNext()) {
            QStringList zeile;
            for (int i = 0; i < rs->FieldCount(); ++i)
                zeile << modOLM3Binnen::ADO_Field_Str(rs->Fields(i));
            out << zeile.join(QLatin1Char('|'));
        }
    }
    return out;
}

/// Two older routes of catalogue 1 (the first with points 101 and 110) and one of catalogue 2.
inline void FuegeAlteRoutenEin() {
    modOLM3Binnen::conWPundRoutenDB->Execute(QStringLiteral(
        "INSERT INTO BinRouten (ID, Bezeichnung, Bemerkung, KatalogNr, Uhrzeit, Startzeit, Marschgeschw) "
        "VALUES "
        "(1, 'Havel hinab', 'Pfingsten', 1, '2008-05-01 09:00:00', '2008-05-10 08:30:00', 8.5), "
        "(2, 'Zum Kanal', NULL, 1, '2008-06-01 18:00:00', '2008-06-02 10:00:00', 6), "
        "(3, 'Anderer Katalog', NULL, 2, '2009-01-01 12:00:00', '2009-01-02 10:00:00', 7)"));
    modOLM3Binnen::conWPundRoutenDB->Execute(
        QStringLiteral("INSERT INTO BinRoutenPunkte (RoutenID, Nr, BinnenExterneID, LgDez, BgDez, km) VALUES "
                       "(1, 1, 'HAV', 13.0, 52.5, 0.0), (1, 2, 'HAV', 13.09, 52.5, 9.0), "
                       "(2, 1, 'HAV', 13.04, 52.5, 4.0), (2, 2, 'KAN', 13.04, 52.53, 3.0), "
                       "(3, 1, 'HAV', 13.0, 52.5, 0.0)"));
}

} // namespace savedroutes
