// The route command run as a user runs it: planned points in, the detailed route of the shortest way out.

#include "support/clirunner.h"
#include "support/fixtures.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

using olm3test::RunCli;

namespace {

class CliRoute : public ::testing::Test {
protected:
    void SetUp() override {
        catalogue =
            olm3test::MakeCatalogueFromFixtures(dir, QStringLiteral("mini.sqlite"), {QStringLiteral("mini")});
        ASSERT_FALSE(catalogue.isEmpty());
    }
    olm3test::CliRun run(const QString& command, const QStringList& args) const {
        return RunCli(QStringList{command, QStringLiteral("--catalogue"), catalogue,
                                  QStringLiteral("--start"), QStringLiteral("2008-06-02 10:00"),
                                  QStringLiteral("--speed"), QStringLiteral("6"), QStringLiteral("--json")} +
                      args);
    }
    olm3test::TempDir dir;
    QString catalogue;
};

} // namespace

TEST_F(CliRoute, TheShortestWayIsExpandedAsExpandDoesIt) {
    const olm3test::CliRun r = run(QStringLiteral("route"), {QStringLiteral("101"), QStringLiteral("203")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json().object();
    EXPECT_EQ(o.value(QStringLiteral("result")), QJsonValue(true));
    std::vector<int> ids;
    for (const QJsonValue& row : o.value(QStringLiteral("rows")).toArray())
        ids.push_back(row.toObject().value(QStringLiteral("lngPunkteID")).toInt());
    EXPECT_EQ(ids, (std::vector<int>{101, 102, 104, 201, 202, 203}));
    EXPECT_DOUBLE_EQ(o.value(QStringLiteral("dblStrecke")).toDouble(), 6.0);

    // The same route through the expand command with the legs written out: the same answer.
    const olm3test::CliRun e =
        run(QStringLiteral("expand"),
            {QStringLiteral("101:105"), QStringLiteral("105:201"), QStringLiteral("201:203")});
    ASSERT_EQ(e.exitCode, 0) << e.err.toStdString();
    EXPECT_EQ(e.json(), r.json());
}

TEST_F(CliRoute, NoWayUnknownPointsAndBadArgumentsAreOneLineEach) {
    // Alter Arm is joined to nothing: no route, exit code 1.
    const olm3test::CliRun keinWeg =
        run(QStringLiteral("route"), {QStringLiteral("101"), QStringLiteral("301")});
    olm3test::ExpectOneErrorLine(keinWeg);
    EXPECT_EQ(keinWeg.exitCode, 1);
    EXPECT_TRUE(keinWeg.err.contains("301")) << keinWeg.err.toStdString();

    const olm3test::CliRun unbekannt =
        run(QStringLiteral("route"), {QStringLiteral("101"), QStringLiteral("999")});
    olm3test::ExpectOneErrorLine(unbekannt);
    EXPECT_EQ(unbekannt.exitCode, 2);
    EXPECT_TRUE(unbekannt.err.contains("999")) << unbekannt.err.toStdString();

    olm3test::ExpectOneErrorLine(run(QStringLiteral("route"), {QStringLiteral("101")}));
    olm3test::ExpectOneErrorLine(
        run(QStringLiteral("route"), {QStringLiteral("101"), QStringLiteral("Havel")}));
}

// The tool speaks the language of the locale, or the one --lang names: help, messages, table headings.
TEST_F(CliRoute, SpeaksGermanOrEnglishByLocaleOrOption) {
    struct Fall {
        QStringList env, args;
        const char* erwartet;
    };
    const QStringList hilfe{QStringLiteral("holidays"), QStringLiteral("--help")};
    const Fall faelle[] = {
        {{}, hilfe, "Aufruf: olm3binnen holidays [Optionen] JAHR"},
        {{QStringLiteral("LANG=de_DE.UTF-8")}, hilfe, "Aufruf:"},
        {{QStringLiteral("LANG=C.UTF-8")}, hilfe, "Aufruf:"},
        {{QStringLiteral("LANG=en_GB.UTF-8")}, hilfe, "Usage: olm3binnen holidays [options] YEAR"},
        {{QStringLiteral("LANG=nl_NL.UTF-8")}, hilfe, "Usage:"},
        {{QStringLiteral("LANG=de_DE.UTF-8"), QStringLiteral("LC_ALL=en_US.UTF-8")}, hilfe, "Usage:"},
        {{QStringLiteral("LANG=en_GB.UTF-8")},
         hilfe + QStringList{QStringLiteral("--lang"), QStringLiteral("de")},
         "Aufruf:"},
        {{}, QStringList{QStringLiteral("--lang=en")} + hilfe, "Usage:"},
        {{QStringLiteral("LANG=en_GB.UTF-8")}, {}, "Usage: olm3binnen COMMAND [options]"},
        {{QStringLiteral("LANG=en_GB.UTF-8")},
         {QStringLiteral("holidays"), QStringLiteral("zwei")},
         "YEAR is not a number: zwei"},
        {{QStringLiteral("LANG=en_GB.UTF-8")},
         {QStringLiteral("expand"), QStringLiteral("--catalogue"), catalogue, QStringLiteral("--start"),
          QStringLiteral("2008-06-02 10:00"), QStringLiteral("--speed"), QStringLiteral("6"),
          QStringLiteral("101:104")},
         "Waiting time"},
    };
    for (const Fall& f : faelle) {
        const olm3test::CliRun r = RunCli(f.args, f.env);
        const QByteArray alles = r.out + r.err;
        EXPECT_TRUE(alles.contains(f.erwartet))
            << f.env.join(' ').toStdString() << " " << f.args.join(' ').toStdString() << "\n"
            << alles.toStdString();
    }

    const olm3test::CliRun falsch = RunCli(
        {QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("holidays"), QStringLiteral("2026")});
    olm3test::ExpectOneErrorLine(falsch);
    EXPECT_TRUE(falsch.err.contains("fr")) << falsch.err.toStdString();
}

TEST_F(CliRoute, WithABoatTheRouteCarriesWarningsOrIsRefused) {
    auto warnings = [](const olm3test::CliRun& r) {
        std::vector<std::pair<int, QString>> v;
        for (const QJsonValue& w : r.json().object().value(QStringLiteral("warnings")).toArray())
            v.emplace_back(w.toObject().value(QStringLiteral("lngPunkteID")).toInt(),
                           w.toObject().value(QStringLiteral("strMass")).toString());
        return v;
    };
    // Testbrücke is 3.8 m high, Schleuse Zwei 40 m long: a 45 m boat of 3.7 m may expand the legs, and the
    // warnings say where it does not fit; the route command refuses the way and names the first obstacle.
    const QStringList boot{QStringLiteral("--boat"), QStringLiteral("45,,3.7,")};
    const olm3test::CliRun e =
        run(QStringLiteral("expand"), QStringList{QStringLiteral("101:105"), QStringLiteral("105:201"),
                                                  QStringLiteral("201:203")} + boot);
    ASSERT_EQ(e.exitCode, 0) << e.err.toStdString();
    EXPECT_EQ(warnings(e), (std::vector<std::pair<int, QString>>{{102, QStringLiteral("Hoehe")},
                                                                 {202, QStringLiteral("Laenge")}}));
    const olm3test::CliRun r = run(QStringLiteral("route"), QStringList{QStringLiteral("101"), QStringLiteral("203")} + boot);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("Testbrücke"))) << r.err.toStdString();
    // A boat that fits: no warnings, but the key is there.
    const olm3test::CliRun ok = run(QStringLiteral("route"), {QStringLiteral("101"), QStringLiteral("203"),
                                                              QStringLiteral("--boat"), QStringLiteral("12,4,3,")});
    ASSERT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    EXPECT_TRUE(ok.json().object().contains(QStringLiteral("warnings")));
    EXPECT_TRUE(warnings(ok).empty());
    // Bad measures: one line, exit code 2.
    for (const char* bad : {"12,4,3", "12,4,drei,1", "12,-4,3,1", "12,4,3,900"}) {
        const olm3test::CliRun b = run(QStringLiteral("route"), {QStringLiteral("101"), QStringLiteral("203"),
                                                                 QStringLiteral("--boat"), QString::fromUtf8(bad)});
        EXPECT_EQ(b.exitCode, 2) << bad;
        EXPECT_EQ(b.err.count('\n'), 1) << b.err.toStdString();
    }
}

// --days: at 6 km/h from 10:00 the harbour at 5 km is reached at 11:11 and the berth at 8 km at 11:41, so
// a day ending at 11:30 stops at the harbour; the rest follows the next morning.
TEST_F(CliRoute, DaysSplitTheRouteAtTheLastHarbourBeforeTheEvening) {
    const QStringList tage{QStringLiteral("--days"), QStringLiteral("--day-end"), QStringLiteral("11:30")};
    const olm3test::CliRun r = run(QStringLiteral("route"), tage + QStringList{QStringLiteral("101"), QStringLiteral("110")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json().object();
    const QJsonArray days = o.value(QStringLiteral("days")).toArray();
    ASSERT_EQ(days.size(), 2);
    EXPECT_EQ(days[0].toObject().value(QStringLiteral("strNach")).toString(), QStringLiteral("Testhafen"));
    EXPECT_EQ(days[0].toObject().value(QStringLiteral("datAn")).toString(), QStringLiteral("2008-06-02T11:11:00"));
    EXPECT_EQ(days[1].toObject().value(QStringLiteral("datAb")).toString(), QStringLiteral("2008-06-03T09:00:00"));
    EXPECT_EQ(o.value(QStringLiteral("lngReisetage")).toInt(), 2);
    // The itinerary itself is the same with and without the stages.
    const olm3test::CliRun ohne = run(QStringLiteral("route"), {QStringLiteral("101"), QStringLiteral("110")});
    EXPECT_EQ(ohne.json().object().value(QStringLiteral("rows")), o.value(QStringLiteral("rows")));
    EXPECT_FALSE(ohne.json().object().contains(QStringLiteral("days")));

    // The table: the stages under their heading and the trip's days.
    const olm3test::CliRun tabelle =
        RunCli(QStringList{QStringLiteral("expand"), QStringLiteral("--catalogue"), catalogue, QStringLiteral("--start"),
                           QStringLiteral("2008-06-02 10:00"), QStringLiteral("--speed"), QStringLiteral("6")} +
               tage + QStringList{QStringLiteral("101:110")});
    ASSERT_EQ(tabelle.exitCode, 0) << tabelle.err.toStdString();
    EXPECT_TRUE(tabelle.out.contains("Tagesetappen")) << tabelle.out.toStdString();
    EXPECT_TRUE(tabelle.out.contains("Reisetage: 2")) << tabelle.out.toStdString();

    // A cruising day that ends before it begins, or an unreadable limit: one clear line, exit code 2.
    for (const QStringList& falsch : {QStringList{QStringLiteral("--days"), QStringLiteral("--day-end"), QStringLiteral("08:00")},
                                      QStringList{QStringLiteral("--days"), QStringLiteral("--wait-limit"), QStringLiteral("lang")}}) {
        const olm3test::CliRun f = run(QStringLiteral("expand"), falsch + QStringList{QStringLiteral("101:110")});
        olm3test::ExpectOneErrorLine(f);
        EXPECT_EQ(f.exitCode, 2);
    }
}
