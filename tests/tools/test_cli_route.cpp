// The route command run as a user runs it: planned points in, the detailed route of the shortest way out.

#include "support/clirunner.h"
#include "support/fixtures.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

using olm3test::RunCli;

namespace {
class CliRoute : public olm3test::CliTest {
protected:
    /// The command from 10:00 at 6 km/h, in JSON unless told to print its table.
    olm3test::CliRun run(const QString& command, const QStringList& args, bool json = true) const {
        QStringList a{command, "--catalogue", katalog, "--start", "2008-06-02 10:00", "--speed", "6"};
        if (json) a << "--json";
        return RunCli(a + args);
    }
};
} // namespace

TEST_F(CliRoute, TheShortestWayIsExpandedAsExpandDoesIt) {
    const olm3test::CliRun r = run("route", {"101", "203"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json().object();
    EXPECT_EQ(o.value("result"), QJsonValue(true));
    std::vector<int> ids;
    for (const QJsonValue& row : o.value("rows").toArray())
        ids.push_back(row.toObject().value("lngPunkteID").toInt());
    EXPECT_EQ(ids, (std::vector<int>{101, 102, 104, 201, 202, 203}));
    EXPECT_DOUBLE_EQ(o.value("dblStrecke").toDouble(), 6.0);
    // The same route through the expand command with the legs written out: the same answer.
    const olm3test::CliRun e = run("expand", {"101:105", "105:201", "201:203"});
    ASSERT_EQ(e.exitCode, 0) << e.err.toStdString();
    EXPECT_EQ(e.json(), r.json());
}

TEST_F(CliRoute, NoWayUnknownPointsAndBadArgumentsAreOneLineEach) {
    const struct {
        QStringList args;
        int exitCode;
        const char* named; ///< what the line names ("" for nothing in particular)
    } faelle[] = {
        {{"101", "301"}, 1, "301"}, // Alter Arm is joined to nothing: no route
        {{"101", "999"}, 2, "999"},
        {{"101"}, 2, ""},
        {{"101", "Havel"}, 2, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.args.join(' ').toStdString());
        const olm3test::CliRun r = run("route", f.args);
        olm3test::ExpectOneErrorLine(r);
        EXPECT_EQ(r.exitCode, f.exitCode);
        EXPECT_TRUE(r.err.contains(f.named)) << r.err.toStdString();
    }
}

// The tool speaks the language of the locale, or the one --lang names: help, messages, table headings.
TEST_F(CliRoute, SpeaksGermanOrEnglishByLocaleOrOption) {
    struct Fall {
        QStringList env, args;
        const char* erwartet;
    };
    const QStringList hilfe{"holidays", "--help"};
    const Fall faelle[] = {
        {{}, hilfe, "Aufruf: olm3binnen holidays [Optionen] JAHR"},
        // which locale is which language is the text table's; here that the tool reads the environment
        {{"LANG=en_GB.UTF-8"}, hilfe, "Usage: olm3binnen holidays [options] YEAR"},
        {{"LANG=de_DE.UTF-8", "LC_ALL=en_US.UTF-8"}, hilfe, "Usage:"},
        {{"LANG=en_GB.UTF-8"}, hilfe + QStringList{"--lang", "de"}, "Aufruf:"},
        {{}, QStringList{"--lang=en"} + hilfe, "Usage:"},
        {{"LANG=en_GB.UTF-8"}, {}, "Usage: olm3binnen COMMAND [options]"},
        {{"LANG=en_GB.UTF-8"}, {"holidays", "zwei"}, "YEAR is not a number: zwei"},
        {{"LANG=en_GB.UTF-8"},
         {"expand", "--catalogue", katalog, "--start", "2008-06-02 10:00", "--speed", "6", "101:104"},
         "Waiting time"},
    };
    for (const Fall& f : faelle) {
        const olm3test::CliRun r = RunCli(f.args, f.env);
        const QByteArray alles = r.out + r.err;
        EXPECT_TRUE(alles.contains(f.erwartet))
            << f.env.join(' ').toStdString() << " " << f.args.join(' ').toStdString() << "\n"
            << alles.toStdString();
    }
    const olm3test::CliRun falsch = RunCli({"--lang", "fr", "holidays", "2026"});
    olm3test::ExpectOneErrorLine(falsch);
    EXPECT_TRUE(falsch.err.contains("fr")) << falsch.err.toStdString();
}

TEST_F(CliRoute, WithABoatTheRouteCarriesWarningsOrIsRefused) {
    auto warnings = [](const olm3test::CliRun& r) {
        std::vector<std::pair<int, QString>> v;
        for (const QJsonValue& w : r.json().object().value("warnings").toArray())
            v.emplace_back(w.toObject().value("lngPunkteID").toInt(),
                           w.toObject().value("strMass").toString());
        return v;
    };
    // Testbrücke is 3.8 m high, Schleuse Zwei 40 m long: a 45 m boat of 3.7 m may expand the legs, and the
    // warnings say where it does not fit; the route command refuses the way and names the first obstacle.
    const QStringList boot{"--boat", "45,,3.7,"};
    const olm3test::CliRun e = run("expand", QStringList{"101:105", "105:201", "201:203"} + boot);
    ASSERT_EQ(e.exitCode, 0) << e.err.toStdString();
    EXPECT_EQ(warnings(e), (std::vector<std::pair<int, QString>>{{102, "Hoehe"}, {202, "Laenge"}}));
    const olm3test::CliRun r = run("route", QStringList{"101", "203"} + boot);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains("Testbrücke")) << r.err.toStdString();
    // A boat that fits: no warnings, but the key is there.
    const QJsonValue keine =
        run("route", {"101", "203", "--boat", "12,4,3,"}).json().object().value("warnings");
    EXPECT_TRUE(keine.isArray() && keine.toArray().isEmpty());
    // In the table the summary follows the totals; a boat of empty measures is checked against nothing
    // and is told nothing.
    for (const auto& [masse, summe] : {std::pair{"12,4,3,", "Boot: passt überall auf der Route."},
                                       std::pair{",,,", ""}}) {
        const olm3test::CliRun t = run("route", {"101", "203", "--boat", QString::fromUtf8(masse)}, false);
        ASSERT_EQ(t.exitCode, 0) << t.err.toStdString();
        const QString text = QString::fromUtf8(t.out);
        EXPECT_TRUE(*summe ? text.contains(QString::fromUtf8(summe)) : !text.contains("Boot")) << t.out.toStdString();
    }
    for (const char* bad : {"12,4,3", "12,4,3,900"}) {
        const olm3test::CliRun b = run("route", {"101", "203", "--boat", QString::fromUtf8(bad)});
        EXPECT_EQ(b.exitCode, 2) << bad;
        EXPECT_EQ(b.err.count('\n'), 1) << b.err.toStdString();
    }
}

// --days: at 6 km/h from 10:00 the harbour at 5 km is reached at 11:11 and the berth at 8 km at 11:41, so
// a day ending at 11:30 stops at the harbour; the rest follows the next morning.
TEST_F(CliRoute, DaysSplitTheRouteAtTheLastHarbourBeforeTheEvening) {
    const QStringList tage{"--days", "--day-end", "11:30"};
    const olm3test::CliRun r = run("route", tage + QStringList{"101", "110"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject o = r.json().object();
    // Where a day ends is the stages' own computation, with all its cases; here one split and its keys.
    const QJsonArray days = o.value("days").toArray();
    ASSERT_EQ(days.size(), 2);
    EXPECT_EQ(days[0].toObject().value("strNach").toString(), "Testhafen");
    EXPECT_EQ(days[1].toObject().value("datAb").toString(), "2008-06-03T09:00:00");
    EXPECT_EQ(o.value("lngReisetage").toInt(), 2);
    // The itinerary itself is the same with and without the stages.
    const olm3test::CliRun ohne = run("route", {"101", "110"});
    EXPECT_EQ(ohne.json().object().value("rows"), o.value("rows"));
    EXPECT_FALSE(ohne.json().object().contains("days"));
    const olm3test::CliRun tabelle = run("expand", tage + QStringList{"101:110"}, false);
    ASSERT_EQ(tabelle.exitCode, 0) << tabelle.err.toStdString();
    EXPECT_TRUE(tabelle.out.contains("Tagesetappen")) << tabelle.out.toStdString();
    EXPECT_TRUE(tabelle.out.contains("Reisetage: 2")) << tabelle.out.toStdString();
    // A cruising day that ends before it begins, or an unreadable limit (which the tool reads to switch the
    // limit on or off): one clear line, exit code 2.
    for (const QStringList& falsch :
         {QStringList{"--days", "--day-end", "08:00"}, QStringList{"--days", "--wait-limit", "lang"}}) {
        const olm3test::CliRun f = run("expand", falsch + QStringList{"101:110"});
        olm3test::ExpectOneErrorLine(f);
        EXPECT_EQ(f.exitCode, 2);
    }
}
