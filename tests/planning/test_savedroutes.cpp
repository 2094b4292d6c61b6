// The saved-routes store and the matching of stored points after a catalogue update, without windows.

#include "data/ado_internal.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "data/texttable.h"
#include "planning/core/rematch.h"
#include "planning/savedroutes.h"

#include <cstdlib>

using namespace modOLM3Binnen;
using namespace olm3::planning;
namespace ErrNo = olm3::ErrNo;
using olm3test::MessageRecorder;
using savedroutes::AlleZeilen;

namespace {

const QDateTime kStart = olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0));

std::vector<std::int32_t> ids(const std::vector<GespeicherteRoute>& routen) {
    std::vector<std::int32_t> out;
    for (const auto& r : routen)
        out.push_back(r.ID);
    return out;
}
/// Stored points as "Nr|waterway|longitude|latitude|km".
QStringList zeilen(const std::vector<GespeicherterPunkt>& punkte) {
    QStringList out;
    for (const auto& p : punkte)
        out << QStringList{QString::number(p.Nr), p.BinnenExterneID, p.LgDez.toString(), p.BgDez.toString(),
                           p.km.toString()}
                   .join(QLatin1Char('|'));
    return out;
}
QStringList spalte(const Zuordnung& z, int c) {
    QStringList out;
    for (const auto& zeile : z.zeilen)
        out << zeile.zellen[static_cast<size_t>(c)];
    return out;
}

/// The old catalogue (number 1), a routes database with three older routes, and the host's texts.
class SavedRoutes : public ::testing::Test {
protected:
    void SetUp() override {
        objOLM3Cfg = &cfg;
        oeffne(savedroutes::KatalogAlt(dir));
        ASSERT_TRUE(
            ADO_Open_Connection(olm3test::MakeRoutesDatabase(dir), conWPundRoutenDB, {}, {}, {}, false));
        intKatalogNr = 1;
        savedroutes::FuegeAlteRoutenEin();
    }
    void TearDown() override {
        conBinnenDatabase.reset();
        conWPundRoutenDB.reset();
        objOLM3Cfg = nullptr;
        intKatalogNr = -1;
    }
    void oeffne(const QString& katalog) {
        ASSERT_TRUE(ADO_Open_Connection(katalog, conBinnenDatabase, {}, {}, {}, true));
    }
    std::vector<std::int32_t> liste(std::int16_t intKatalog = 1) {
        std::vector<GespeicherteRoute> routen;
        EXPECT_TRUE(ListeRouten(intKatalog, routen));
        return ids(routen);
    }
    std::vector<GespeicherterPunkt> punkte(std::int32_t id, bool invers = false) {
        std::vector<GespeicherterPunkt> p;
        EXPECT_TRUE(LesePunkte(id, invers, p));
        return p;
    }
    std::int32_t speichere(const std::vector<std::int32_t>& route) {
        std::int32_t id = 0;
        EXPECT_TRUE(SpeichereRoute(kopf, route, 1, id));
        return id;
    }

    olm3test::TempDir dir;
    olm3test::FakeCfg cfg;
    RoutenKopf kopf{"Neue Route", "mit Bemerkung", kStart, 7.5};
};

TEST_F(SavedRoutes, ListsTheOpenCataloguesRoutesNewestFirstWithGermanWeekdays) {
    std::vector<GespeicherteRoute> routen;
    ASSERT_TRUE(ListeRouten(1, routen));
    ASSERT_EQ(ids(routen), (std::vector<std::int32_t>{2, 1}));
    EXPECT_EQ(ListenZellen(routen[0], "frmRouteGeplantLoadSave"),
              (std::array<QString, 5>{"Zum Kanal", "Mo 02.06.2008 10:00", "6", "So 01.06.2008 18:00", ""}));
    EXPECT_EQ(liste(2), (std::vector<std::int32_t>{3}));
}

TEST_F(SavedRoutes, SavesOverwritesAndDeletesWholeRoutes) {
    const std::int32_t id = speichere(savedroutes::kRoute);
    std::vector<GespeicherteRoute> routen;
    ASSERT_TRUE(ListeRouten(1, routen));
    EXPECT_EQ(ids(routen), (std::vector<std::int32_t>{id, 2, 1}));
    EXPECT_EQ(routen[0].Startzeit, kStart);
    EXPECT_LE(std::abs(routen[0].Uhrzeit.secsTo(olm3::MakeDatum(QDate::currentDate(), QTime::currentTime()))),
              5);
    EXPECT_EQ(zeilen(punkte(id)), (QStringList{"1|HAV|13|52.5|0", "2|HAV|13.03|52.5|3", "3|KAN|13.04|52.51|1",
                                               "4|ALT|14|53|0", "5|NEU|15|54|0"}));
    EXPECT_EQ(punkte(id, true).front().Nr, 5);
    // Saved a while ago, so that the overwrite below is plainly newer.
    conWPundRoutenDB->Execute("UPDATE BinRouten SET Uhrzeit = '2009-01-01 00:00:00' WHERE ID = " +
                              QString::number(id));
    // Overwriting keeps ID and catalogue number and makes the route the newest.
    ASSERT_TRUE(UeberschreibeRoute(1, kopf, {104, 203}));
    EXPECT_EQ(liste(), (std::vector<std::int32_t>{1, id, 2}));
    EXPECT_EQ(zeilen(punkte(1)), (QStringList{"1|HAV|13.03|52.5|3", "2|KAN|13.04|52.52|2"}));
    // This database refuses to drop a header that still has points.
    conWPundRoutenDB->Execute("CREATE TRIGGER PunkteZuerst BEFORE DELETE ON BinRouten WHEN EXISTS (SELECT 1 "
                              "FROM BinRoutenPunkte WHERE RoutenID = old.ID) BEGIN SELECT RAISE(ABORT, "
                              "'Punkte zuerst'); END");
    ASSERT_TRUE(LoescheRoute(1));
    EXPECT_EQ(liste(), (std::vector<std::int32_t>{id, 2}));
    EXPECT_TRUE(punkte(1).empty());
}

// ---- each write is one transaction: a failure anywhere leaves every row as it was ------------------

TEST_F(SavedRoutes, ASaveOrOverwriteThatFailsAnywhereChangesNothing) {
    struct Stoerung {
        const char* name;
        bool blnKatalog; ///< on the catalogue connection, else on the routes database
        std::int32_t lngNummer;
        const char* match;
        Schritt beimSpeichern;
        Schritt beimUeberschreiben; ///< overwriting deletes the old points first
    };
    constexpr Schritt P = Schritt::Punkte, R = Schritt::Route; // the points, the header
    const Stoerung stoerungen[] = {
        {"any statement on the points", false, ErrNo::CommandError, "BinRoutenPunkte", P, R},
        {"first point refused", false, ErrNo::IntegrityViolation, "INSERT INTO \"BinRoutenPunkte\"", P, P},
        {"third point unreadable", true, ErrNo::CommandError, "PunkteID=202", P, P},
        {"connection lost, reopened", false, ErrNo::GenericFailure, "From BinRoutenPunkte Where 1=2", P, P},
        {"commit refused", false, ErrNo::GenericFailure, "COMMIT", P, P},
        {"header refused", false, ErrNo::ReadOnly, "\"BinRouten\"", R, R},
    };
    const QStringList vorher = AlleZeilen();
    ASSERT_EQ(vorher.size(), 8);
    for (const Stoerung& s : stoerungen) {
        for (bool blnUeberschreiben : {false, true}) {
            SCOPED_TRACE(std::string(s.name) + (blnUeberschreiben ? " (overwrite)" : " (save)"));
            MessageRecorder messages;
            ADODB::testing::InjectFailures(s.blnKatalog ? *conBinnenDatabase : *conWPundRoutenDB, 1,
                                           s.lngNummer, QString::fromUtf8(s.match));
            std::int32_t id = -7;
            const Ergebnis erg = blnUeberschreiben ? UeberschreibeRoute(1, kopf, savedroutes::kRoute)
                                                   : SpeichereRoute(kopf, savedroutes::kRoute, 1, id);
            EXPECT_FALSE(erg);
            EXPECT_TRUE(erg.fehler);
            EXPECT_EQ(erg.schritt, blnUeberschreiben ? s.beimUeberschreiben : s.beimSpeichern);
            EXPECT_EQ(id, -7);
            EXPECT_FALSE(conWPundRoutenDB->InTransaction());
            EXPECT_EQ(AlleZeilen(), vorher);
        }
    }
    // A point the catalogue lacks, and a route deleted meanwhile, are refused the same way.
    std::int32_t id = 0;
    EXPECT_FALSE(SpeichereRoute(kopf, {101, 999}, 1, id));
    EXPECT_FALSE(UeberschreibeRoute(99, kopf, {101, 110}));
    EXPECT_EQ(AlleZeilen(), vorher);
    EXPECT_TRUE(SpeichereRoute(kopf, {101, 110}, 1, id));
    EXPECT_EQ(AlleZeilen().size(), vorher.size() + 3);
}

TEST_F(SavedRoutes, RefusedDeletesAndReadOnlyDatabasesChangeNothingAndMessagesWaitForTheRollback) {
    const QStringList vorher = AlleZeilen();
    // While a message box is up the host may write on its connection; that must not join the transaction.
    std::vector<bool> imTransaktion;
    SetMsgBoxHandler([&](const QString&, int, const QString&) {
        imTransaktion.push_back(conWPundRoutenDB->InTransaction());
        return int(vbOK);
    });
    ADODB::testing::InjectFailures(*conWPundRoutenDB, 1, ErrNo::CommandError,
                                   "From BinRoutenPunkte Where 1=2");
    std::int32_t id = 0;
    EXPECT_FALSE(SpeichereRoute(kopf, {101, 110}, 1, id));
    EXPECT_EQ(imTransaktion, std::vector<bool>{false});
    SetMsgBoxHandler(nullptr);
    ADODB::testing::InjectFailures(*conWPundRoutenDB, 1, ErrNo::CommandError, "FROM BinRouten WHERE");
    EXPECT_FALSE(LoescheRoute(1));
    EXPECT_EQ(AlleZeilen(), vorher);
    EXPECT_EQ(PruefeRoutenDB(), RoutenDB::Bereit);
    ASSERT_TRUE(ADO_Open_Connection(conWPundRoutenDB->DataSource(), conWPundRoutenDB, {}, {}, {}, true));
    EXPECT_EQ(PruefeRoutenDB(), RoutenDB::Schreibgeschuetzt);
    const Ergebnis erg = SpeichereRoute(kopf, {101, 110}, 1, id);
    ASSERT_TRUE(erg.fehler);
    EXPECT_EQ(erg.fehler->Number(), ErrNo::ReadOnly);
    EXPECT_EQ(AlleZeilen(), vorher);
    ASSERT_TRUE(ADO_Open_Connection(savedroutes::KatalogNeu(dir), conWPundRoutenDB, {}, {}, {}, false));
    EXPECT_EQ(PruefeRoutenDB(), RoutenDB::Fehlt);
}

// ---- matching the stored points against an updated catalogue --------------------------------------

TEST_F(SavedRoutes, AfterAnUpdateEachPointIsFoundItsOwnWayOrMarkedAsNotFound) {
    const std::int32_t id = speichere(savedroutes::kRoute);
    const std::int32_t weg = speichere({401});
    oeffne(savedroutes::KatalogNeu(dir));
    Zuordnung z;
    ASSERT_TRUE(OrdnePunkteZu(id, false, z));
    EXPECT_EQ(spalte(z, 8), (QStringList{"", "S", "B", "K 0.04", kNichtGefunden}));
    EXPECT_EQ(z.alngPunkteID, (std::vector<std::int32_t>{101, 104, 202, 301}));
    EXPECT_EQ(ZuordnungsBericht(z.zaehler), "\r\n1--wegen Strecke\r\n1--wegen Binnen\r\n1--wegen Koordinaten"
                                            "\r\n1--gar keine Übereinstimmung");
    EXPECT_EQ(z.zeilen[1].zellen[6], "Schleuse Eins");
    // The point not found shows what the route stored.
    EXPECT_TRUE(z.zeilen[4].blnNichtGefunden);
    EXPECT_EQ(z.zeilen[4].zellen, (std::array<QString, 9>{"5", "0.000", FormatBg(54.0), FormatLg(15.0), "NEU",
                                                          "???", "???", "", kNichtGefunden}));
    ASSERT_TRUE(OrdnePunkteZu(id, true, z));
    EXPECT_EQ(spalte(z, 0), (QStringList{"5", "4", "3", "2", "1"}));
    EXPECT_EQ(z.alngPunkteID, (std::vector<std::int32_t>{301, 202, 104, 101}));
    // Nothing of this route is left: it cannot be loaded.
    ASSERT_TRUE(OrdnePunkteZu(weg, false, z));
    EXPECT_TRUE(z.alngPunkteID.empty());
    MessageRecorder messages;
    EXPECT_FALSE(PruefeZuordnung(z.zaehler, false));
    ASSERT_EQ(messages.texts(), QStringList{"-- Nach dem Daten-Update können folgende Punkte nicht eindeutig "
                                           "zugeordnet werden:\r\n1--gar keine Übereinstimmung\r\n\r\n"
                                           "Laden nicht möglich!"});
    EXPECT_EQ(messages.messages()[0].style, vbExclamation | vbOKOnly);
}

TEST_F(SavedRoutes, ExactMatchesShowTheCatalogueRowWithoutStatusAndLoadWithoutAQuestion) {
    // 102: km not from the documentation; 204: no km at all; 105: a junction to the canal.
    Zuordnung z;
    ASSERT_TRUE(OrdnePunkteZu(speichere({102, 204, 105}), false, z));
    EXPECT_EQ(spalte(z, 1), (QStringList{"11.0", "-----", "14.0"}));
    EXPECT_EQ(spalte(z, 6), (QStringList{"Testbrücke", "", "Kanal-Test"}));
    EXPECT_FALSE(z.zeilen[0].blnFett);
    EXPECT_TRUE(z.zeilen[2].blnFett);
    MessageRecorder messages;
    EXPECT_TRUE(PruefeZuordnung(z.zaehler, true));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SavedRoutes, TheQuestionBeforeLoadingCountsEachReasonAndTakesTheAnswer) {
    EXPECT_EQ(ZuordnungsBericht(Zaehler{2, 0, 0, 0}), "\r\n2--wegen Strecke");
    MessageRecorder messages({vbNo, vbYes});
    EXPECT_FALSE(PruefeZuordnung(Zaehler{1, 0, 0, 1}, true));
    EXPECT_TRUE(PruefeZuordnung(Zaehler{1, 0, 0, 1}, true));
    ASSERT_EQ(messages.texts(),
              QStringList(2, "-- Nach dem Daten-Update können folgende Punkte nicht eindeutig "
                             "zugeordnet werden:\r\n1--wegen Strecke\r\n1--gar keine "
                             "Übereinstimmung\r\n\r\nTrotzdem laden?"));
    EXPECT_EQ(messages.messages()[0].style, vbExclamation | vbYesNo);
    EXPECT_EQ(messages.messages()[0].title, cfg.appTitel);
    // In English the whole question is English.
    olm3::TextTable::SetSprache(olm3::Sprache::En);
    MessageRecorder englisch({vbNo});
    EXPECT_FALSE(PruefeZuordnung(Zaehler{0, 1, 1, 0}, false));
    olm3::TextTable::SetSprache(olm3::Sprache::De);
    EXPECT_EQ(englisch.texts(), QStringList{"-- After the data update the following points cannot be matched "
                                           "unambiguously:\r\n1--because of the waterway\r\n1--because of "
                                           "the coordinates\r\n\r\nLoading is not possible!"});
}

TEST_F(SavedRoutes, TheCataloguesCodesCountAsExactInAnyCaseOthersAreShownAndAMissingQueryIsAnError) {
    const std::int32_t id = speichere({101, 103});
    oeffne(olm3test::MakeCatalogue(
        dir, "1_Codes.sqlite",
        {olm3test::FixtureSql("mini"),
         "UPDATE Abfragen SET SqlText = 'SELECT p.PunkteID, CASE p.PunkteID WHEN 101 THEN ''ok'' ELSE ''X'' "
         "END "
         "AS Erg FROM Punkte p JOIN Binnen b ON b.BinnenID = p.BinnenID WHERE b.ExterneID = ?1 AND "
         "abs(p.Strecke - ?4) < 0.0005 AND ?2 IS NOT NULL AND ?3 IS NOT NULL' WHERE Name = "
         "'V_SUCHE_ROUTENPUNKT'"}));
    Zuordnung z;
    ASSERT_TRUE(OrdnePunkteZu(id, false, z));
    EXPECT_EQ(spalte(z, 8), (QStringList{"", "X"}));
    EXPECT_EQ(z.alngPunkteID, (std::vector<std::int32_t>{101, 103}));
    EXPECT_EQ(ZuordnungsBericht(z.zaehler), QString());
    oeffne(olm3test::MakeCatalogue(
        dir, "1_Ohne.sqlite",
        {olm3test::FixtureSql("mini"), "DELETE FROM Abfragen WHERE Name = 'V_SUCHE_ROUTENPUNKT'"}));
    const Ergebnis erg = OrdnePunkteZu(id, false, z);
    EXPECT_FALSE(erg);
    ASSERT_TRUE(erg.fehler);
    EXPECT_FALSE(erg.blnGemeldet);
    EXPECT_TRUE(erg.fehler->Description().contains("V_SUCHE_ROUTENPUNKT"));
}

} // namespace
