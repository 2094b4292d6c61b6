// GPX files read and written without a catalogue: times, schema validity, what comes back, and files
// made to fail.

#include "gpx/core/gpx.h"
#include "olm3binnen/types.h"
#include "support/fixtures.h"
#include "support/gpxschema.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

using namespace olm3::gpx;

namespace {

const QTimeZone kBerlin(QByteArrayLiteral("Europe/Berlin"));

QDateTime naiv(int y, int m, int d, int h, int min) {
    return olm3::MakeDatum(QDate(y, m, d), QTime(h, min));
}
QDateTime utc(int y, int m, int d, int h, int min) {
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC);
}

QByteArray gpx(const QByteArray& inhalt, const QByteArray& ns = "http://www.topografix.com/GPX/1/1") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx xmlns=\"" + ns +
           "\" version=\"1.1\" creator=\"test\">\n" + inhalt + "\n</gpx>\n";
}

QByteArray punkte(int n) {
    QByteArray s = "<rte>";
    for (int i = 0; i < n; ++i) s += "<rtept lat=\"52.5\" lon=\"13.0\"/>\n";
    return s + "</rte>";
}

Datei vollstaendig() {
    const Punkt a{.dblLg = 13.0, .dblBg = 52.5, .strName = "Schleuse Spandau",
                  .strBeschreibung = "Havel, amtl. km 0,0", .strTyp = "Schleuse",
                  .datZeit = utc(2008, 6, 2, 8, 0), .lngPunkteID = 104, .strExterneID = "HAV",
                  .dblStrecke = 3.0, .strTypID = "S", .datZeitAb = utc(2008, 6, 2, 9, 15),
                  .dblWartezeit = 1.0, .dblDurchgangszeit = 0.25};
    Punkt b;
    b.dblLg = -179.5;
    b.dblBg = -33.8688;
    // A control character from a damaged catalogue cannot stand in XML: it is left out.
    b.strName = "Steg" + QString(QChar(1)) + " 7";
    return {.strName = "Route „Havel“ & <Spree>", .strBeschreibung = {},
            .datErstellt = utc(2008, 6, 1, 12, 0), .datStart = utc(2008, 6, 2, 8, 0), .dblMarschV = 7.5,
            .route = {a, b}, .track = {b, a}, .wegpunkte = {a}};
}

/// Every field of a file, one line for its own and one per point, so that two files compare in one check.
QStringList alles(const Datei& d) {
    auto zahl = [](const std::optional<double>& v) {
        return v ? QString::number(*v, 'g', 17) : QStringLiteral("-");
    };
    QStringList z{QStringList{d.strName, d.strBeschreibung, d.datErstellt.toString(Qt::ISODate),
                              d.datStart.toString(Qt::ISODate), zahl(d.dblMarschV)}
                      .join(QLatin1Char('|'))};
    for (const auto* teil : {&d.route, &d.wegpunkte, &d.track}) {
        z << QString::number(teil->size());
        for (const Punkt& p : *teil)
            z << QStringList{QString::number(p.dblBg, 'g', 17), QString::number(p.dblLg, 'g', 17), p.strName,
                             p.strBeschreibung, p.strTyp, p.datZeit.toString(Qt::ISODate),
                             QString::number(p.lngPunkteID), p.strExterneID, zahl(p.dblStrecke), p.strTypID,
                             p.datZeitAb.toString(Qt::ISODate), zahl(p.dblWartezeit),
                             zahl(p.dblDurchgangszeit)}
                     .join(QLatin1Char('|'));
    }
    return z;
}

} // namespace

TEST(GpxZeit, WallClockBecomesUtcWithTheRegionsOffsetInSummerAndWinter) {
    ASSERT_TRUE(kBerlin.isValid()) << "the system's time-zone data is missing (package tzdata)";
    struct Fall {
        QDateTime lokal, utc;
    } faelle[] = {
        {naiv(2008, 6, 2, 10, 0), utc(2008, 6, 2, 8, 0)},       // summer time, +2
        {naiv(2008, 12, 2, 10, 0), utc(2008, 12, 2, 9, 0)},     // winter time, +1
        {naiv(2008, 3, 30, 1, 59), utc(2008, 3, 30, 0, 59)},    // the last minute before the change
        {naiv(2008, 3, 30, 3, 0), utc(2008, 3, 30, 1, 0)},      // the first one after it
        {naiv(2008, 10, 26, 3, 0), utc(2008, 10, 26, 2, 0)},    // back to winter time
        {naiv(2008, 12, 31, 23, 30), utc(2008, 12, 31, 22, 30)}, // the year's end stays in its year locally
        {naiv(2009, 1, 1, 0, 30), utc(2008, 12, 31, 23, 30)},   // and crosses it in UTC
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(ZuUtc(f.lokal, kBerlin), f.utc) << f.lokal.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(ZuLokal(f.utc, kBerlin), f.lokal) << f.utc.toString(Qt::ISODate).toStdString();
    }
    // A time the clocks skip in spring counts with the winter offset; of the hour that occurs twice in
    // autumn, the first (summer time) is taken. Neither comes back as the same wall-clock time.
    EXPECT_EQ(ZuUtc(naiv(2008, 3, 30, 2, 30), kBerlin), utc(2008, 3, 30, 1, 30));
    EXPECT_EQ(ZuUtc(naiv(2008, 10, 26, 2, 30), kBerlin), utc(2008, 10, 26, 0, 30));
    EXPECT_EQ(ZuLokal(utc(2008, 10, 26, 1, 30), kBerlin), naiv(2008, 10, 26, 2, 30));
}

TEST(GpxSchreiben, EveryPartIsSchemaValidAndReadsBackAsWrittenAndAFailedWriteSaysWhy) {
    olm3test::TempDir dir;
    const QString datei = dir.file("voll.gpx");
    QString fehler;
    ASSERT_TRUE(SchreibeGpxDatei(vollstaendig(), datei, fehler)) << fehler.toStdString();
    olm3test::ExpectGpxSchemaValid(datei);
    const LeseErgebnis erg = LeseGpxDatei(datei);
    ASSERT_TRUE(erg) << erg.strDetail.toStdString();
    // The control character is left out; what is not there stays unset.
    Datei soll = vollstaendig();
    soll.route[1].strName = soll.track[0].strName = "Steg 7";
    EXPECT_EQ(alles(erg.datei), alles(soll));
    // A file that cannot be written says why.
    EXPECT_FALSE(SchreibeGpxDatei(vollstaendig(), dir.file("fehlt/route.gpx"), fehler));
    EXPECT_FALSE(fehler.isEmpty());
}

TEST(GpxLesen, ForeignFilesKeepWhatWeUseAndSkipTheRest) {
    // Another program's file: other namespaces, unknown elements, several routes and tracks, a time
    // with an offset.
    const LeseErgebnis erg = LeseGpx(gpx(
        "<metadata><name>x</name><link href=\"http://example.org\"/></metadata>"
        "<wpt lat=\"52.1\" lon=\"13.1\"><name>W</name></wpt>"
        "<rte><name>Erste</name><rtept lat=\"52.2\" lon=\"13.2\"><ele>30</ele>"
        "<time>2008-06-02T10:00:00+02:00</time><name>R1</name>"
        "<extensions><x:y xmlns:x=\"urn:fremd\"><x:z/></x:y></extensions></rtept></rte>"
        "<rte><name>Zweite</name><rtept lat=\"1\" lon=\"1\"/></rte>"
        "<trk><trkseg><trkpt lat=\"52.3\" lon=\"13.3\"/></trkseg><trkseg><trkpt lat=\"52.4\" lon=\"13.4\"/></trkseg></trk>"));
    ASSERT_TRUE(erg) << erg.strDetail.toStdString();
    const Datei& d = erg.datei;
    ASSERT_EQ(d.route.size(), 1u);
    EXPECT_EQ(QStringList({d.strName, d.route[0].strName, d.route[0].datZeit.toString(Qt::ISODate),
                           QString::number(d.track.size()), QString::number(d.wegpunkte.size())}),
              QStringList({"Erste", "R1", "2008-06-02T08:00:00Z", "2", "1"}));
}

TEST(GpxLesen, HostileFilesEachGetTheirOwnFault) {
    // A billion laughs: entity i stands for 10^9 letters a, each entity ten of the one before.
    QByteArray lachen = "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx [\n <!ENTITY a \"aaaaaaaaaa\">\n";
    for (char e = 'b'; e <= 'i'; ++e) {
        const QByteArray vorige = QByteArray("&") + char(e - 1) + ';';
        lachen += QByteArray(" <!ENTITY ") + e + " \"" + vorige.repeated(10) + "\">\n";
    }
    lachen += "]>\n<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"x\">"
              "<wpt lat=\"1\" lon=\"1\"><name>&i;</name></wpt></gpx>";
    const QByteArray gut = gpx("<rte><rtept lat=\"52.5\" lon=\"13.0\"/></rte>");
    struct Fall {
        const char* name;
        QByteArray inhalt;
        Fehler fehler;
        qint64 zeile; // 0: not checked
    } faelle[] = {
        {"empty", "", Fehler::KeinXml, 0},
        {"plain text", "Dies ist keine GPX-Datei.\n", Fehler::KeinXml, 0},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11), Fehler::KeinXml, 0},
        {"truncated", gut.left(gut.size() - 20), Fehler::Abgeschnitten, 0},
        {"other root", "<?xml version=\"1.0\"?><kml xmlns=\"http://www.opengis.net/kml/2.2\"/>", Fehler::KeinGpx, 0},
        {"no namespace", "<gpx version=\"1.1\"><rte><rtept lat=\"1\" lon=\"1\"/></rte></gpx>",
         Fehler::FalscherNamensraum, 0},
        {"wrong namespace", gpx("<rte/>", "http://www.topografix.com/GPX/1/2"), Fehler::FalscherNamensraum, 0},
        {"GPX 1.0", gpx("<rte><rtept lat=\"1\" lon=\"1\"/></rte>", "http://www.topografix.com/GPX/1/0"),
         Fehler::Gpx10, 0},
        {"missing lat", gpx("<rte>\n<rtept lon=\"13.0\"/></rte>"), Fehler::KoordinateFehlt, 4},
        {"missing lon", gpx("<wpt lat=\"52\"/>"), Fehler::KoordinateFehlt, 3},
        {"lat above 90", gpx("<wpt lat=\"90.0001\" lon=\"13\"/>"), Fehler::KoordinateUngueltig, 0},
        {"lon 180", gpx("<wpt lat=\"52\" lon=\"180\"/>"), Fehler::KoordinateUngueltig, 0},
        {"lat not a number", gpx("<wpt lat=\"52,5\" lon=\"13\"/>"), Fehler::KoordinateUngueltig, 0},
        {"lat nan", gpx("<wpt lat=\"nan\" lon=\"13\"/>"), Fehler::KoordinateUngueltig, 0},
        {"lon infinite", gpx("<trk><trkseg><trkpt lat=\"1\" lon=\"inf\"/></trkseg></trk>"),
         Fehler::KoordinateUngueltig, 0},
        {"no points", gpx("<metadata><name>leer</name></metadata><rte><name>leer</name></rte>"), Fehler::KeinePunkte, 0},
        {"entity bomb", lachen, Fehler::Dtd, 0},
        {"undeclared entity", gpx("<wpt lat=\"1\" lon=\"1\"><name>&xxe;</name></wpt>"), Fehler::KeinXml, 0},
        {"one point too many", gpx(punkte(kMaxPunkte + 1)), Fehler::ZuVielePunkte, 0},
        {"100,000 points", gpx(punkte(100000)), Fehler::ZuVielePunkte, 0},
    };
    for (const Fall& f : faelle) {
        QElapsedTimer uhr;
        uhr.start();
        const LeseErgebnis erg = LeseGpx(f.inhalt);
        EXPECT_EQ(erg.fehler, f.fehler) << f.name << ": " << erg.strDetail.toStdString();
        EXPECT_EQ(f.zeile ? erg.lngZeile : 0, f.zeile) << f.name;
        EXPECT_TRUE(erg.datei.route.empty() || erg) << f.name;
        // Not a timing goal, a guard against a hang: each is refused at once.
        EXPECT_LT(uhr.elapsed(), 10000) << f.name;
    }
    EXPECT_TRUE(LeseGpx(gpx(punkte(kMaxPunkte))));
}

TEST(GpxLesen, FilesThatCannotBeReadAreRefusedBeforeParsing) {
    olm3test::TempDir dir;
    EXPECT_EQ(LeseGpxDatei(dir.file("fehlt.gpx")).fehler, Fehler::NichtLesbar);
    EXPECT_EQ(LeseGpxDatei(dir.path()).fehler, Fehler::NichtLesbar);
    QFile gross(dir.file("gross.gpx"));
    ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
    ASSERT_TRUE(gross.resize(kMaxDateiGroesse + 1));
    gross.close();
    EXPECT_EQ(LeseGpxDatei(gross.fileName()).fehler, Fehler::ZuGross);
}
