// GPX from the windows as a user meets it: the planning window's two buttons and the host's menu. The
// plan changes only when the user agrees; a bad file is told and changes nothing.

#include "data/modOLM3Binnen.h"
#include "gpx/core/gpx.h"
#include "planning/frmRoutenPlanung.h"
#include "planning/planninghost.h"
#include "support/gpxschema.h"
#include "support/windowdriver.h"
#include "ui/ucOLMButton.h"

#include <QDoubleSpinBox>
#include <QToolButton>
#include <QFile>
#include <QTest>
#include <memory>

#ifdef OLM3_WITH_HOST
#include "hostfenster.h"
#endif

using olm3test::FensterRoute;
using olm3test::PlanungsFenster;
using olm3test::PlanungsUmgebung;

namespace {

const QDateTime kStart = olm3::MakeDatum(QDate(2008, 6, 2), QTime(10, 0));

} // namespace

// A route goes out and comes back in once the user agrees; a bad file, a "no" or a missing catalogue is
// told and leaves the plan as it was.
TEST(GpxPlanungsfenster, ARouteGoesOutAndComesBackInOnlyFromAGoodFileOnceTheUserAgrees) {
    PlanungsUmgebung u;
    u.StartGesetzt(kStart, 7.5);
    const std::vector<std::int32_t> route{101, 102, 105, 201, 203};
    const QString gpx = u.dir.file("route.gpx");
    ASSERT_TRUE(PlanungsFenster(u, route, false)->GpxExportieren(gpx));
    olm3test::ExpectGpxSchemaValid(gpx);
    // Another plan and another start in a new session.
    u.StartGesetzt(kStart.addDays(3), 5.0);
    auto frm = PlanungsFenster(u, {104}, false);
    u.host.events.clear();
    // Every kind of bad file has its fault in the reader's tests; the window tells one it cannot read and
    // one whose points match nothing.
    const QString bombe = u.dir.write(
        "bombe.gpx", "<?xml version=\"1.0\"?><!DOCTYPE gpx [<!ENTITY a \"aaaa\"><!ENTITY b \"&a;&a;&a;\">]>"
                     "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><wpt lat=\"1\" lon=\"1\">"
                     "<name>&b;</name></wpt></gpx>");
    const QString weit = u.dir.write(
        "weit.gpx", "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"x\">"
                    "<rte><rtept lat=\"54\" lon=\"14.5\"/></rte></gpx>");
    for (const QString& f : {bombe, weit}) {
        olm3test::MessageRecorder meldungen;
        EXPECT_FALSE(frm->GpxImportieren(f)) << f.toStdString();
        ASSERT_EQ(meldungen.messages().size(), 1u) << f.toStdString();
        EXPECT_EQ(meldungen.messages()[0].style, modOLM3Binnen::vbExclamation);
        EXPECT_TRUE(meldungen.messages()[0].text.contains("unverändert"))
            << meldungen.messages()[0].text.toStdString();
    }
    // The import asks, and "no" keeps it all.
    {
        olm3test::MessageRecorder nein({modOLM3Binnen::vbNo});
        EXPECT_FALSE(frm->GpxImportieren(gpx));
        ASSERT_EQ(nein.messages().size(), 1u);
        EXPECT_EQ(nein.messages()[0].style, modOLM3Binnen::vbQuestion | modOLM3Binnen::vbYesNo);
        EXPECT_TRUE(nein.messages()[0].text.contains("5 von 5 Punkten"));
    }
    EXPECT_EQ(FensterRoute(*frm), std::vector<std::int32_t>{104});
    EXPECT_TRUE(u.host.events.isEmpty());
    EXPECT_EQ(u.olm.StartZeit(), kStart.addDays(3));
    // "Yes" replaces the plan, reports it to the host, and brings start and speed along.
    {
        olm3test::MessageRecorder ja({modOLM3Binnen::vbYes});
        EXPECT_TRUE(frm->GpxImportieren(gpx));
    }
    EXPECT_EQ(FensterRoute(*frm), route);
    EXPECT_EQ(u.route(), route);
    EXPECT_TRUE(u.host.events.contains("RouteChange"));
    EXPECT_EQ(frm->StartMoment(), kStart);
    EXPECT_DOUBLE_EQ(frm->fpMarschGeschw()->value(), 7.5);
    // Without a catalogue nothing can be matched: told, and nothing changes.
    modOLM3Binnen::conBinnenDatabase.reset();
    olm3test::MessageRecorder ohne;
    EXPECT_FALSE(frm->GpxImportieren(gpx));
    EXPECT_EQ(ohne.messages().size(), 1u);
    EXPECT_EQ(FensterRoute(*frm), route);
}

TEST(GpxPlanungsfenster, WithAnOptimisedRouteTheTimedRouteIsExported) {
    PlanungsUmgebung u;
    u.StartGesetzt(kStart, 6.0);
    u.olm.SetRouteGeplant({101, 203});
    ASSERT_TRUE(u.olm.SetRouteOptimiert({101, 105, 201}, {105, 201, 203}, kStart));
    auto frm = PlanungsFenster(u, {101, 203}, false);
    const QString gpx = u.dir.file("zeitplan.gpx");
    ASSERT_TRUE(frm->GpxExportieren(gpx));
    olm3test::ExpectGpxSchemaValid(gpx);
    const olm3::gpx::LeseErgebnis erg = olm3::gpx::LeseGpxDatei(gpx);
    ASSERT_TRUE(erg);
    EXPECT_EQ(erg.datei.wegpunkte.size(), 3u);
    EXPECT_EQ(erg.datei.route.front().datZeit, QDateTime(QDate(2008, 6, 2), QTime(8, 0), Qt::UTC));
    // An empty plan has nothing to export: the user is told, no file is written.
    // (deleting everything also discards the optimised route)
    QTest::mouseClick(frm->fpDeleteAll()->fpb(), Qt::LeftButton);
    olm3test::MessageRecorder meldungen;
    EXPECT_FALSE(frm->GpxExportieren(u.dir.file("leer.gpx")));
    EXPECT_EQ(meldungen.messages().size(), 1u);
    EXPECT_FALSE(QFile::exists(u.dir.file("leer.gpx")));
}

// The GPX buttons stay clear of OPTIMIEREN also at the smallest size.
TEST(GpxPlanungsfenster, TheButtonsFitAtTheSmallestSize) {
    PlanungsUmgebung u;
    auto frm = PlanungsFenster(u, {101, 102, 104}, false);
    frm->resize(frm->minimumSize());
    QTest::qWait(20);
    EXPECT_LT(frm->fpGpxImport()->geometry().bottom(), frm->fpOptimieren()->geometry().top());
}

#ifdef OLM3_WITH_HOST
TEST(GpxHost, TheFileMenuExportsThePlanAndImportsItIntoPlanning) {
    using namespace olm3host;
    olm3test::TempDir profil, mitgeliefert;
    olm3test::MakeCatalogueFromFixtures(mitgeliefert, "1_Testrevier.sqlite", {"mini"});
    QStringList fenster;
    olm3test::ModalScript treiber([&fenster](QDialog* dlg) {
        fenster << QString::fromLatin1(dlg->metaObject()->className());
        dlg->reject();
    });
    HostConfig cfg(HostPfade::Unter(profil.path()), QStringList{mitgeliefert.path()});
    cfg.Start();
    HostFenster w(cfg);
    w.Start();
    EXPECT_TRUE(w.actGpxExport->isEnabled());
    w.Komponente().SetRouteGeplant({101, 104, 203});
    const QString gpx = profil.file("plan.gpx");
    ASSERT_TRUE(w.GpxExportieren(gpx));
    olm3test::ExpectGpxSchemaValid(gpx);
    w.Komponente().SetRouteGeplant({106});
    olm3test::MessageRecorder ja({modOLM3Binnen::vbYes});
    EXPECT_TRUE(w.GpxImportieren(gpx));
    std::vector<std::int32_t> route;
    w.Komponente().GetRouteGeplant(route);
    EXPECT_EQ(route, (std::vector<std::int32_t>{101, 104, 203}));
    // Route planning opened with the plan and reported it, so the chart draws it.
    EXPECT_EQ(fenster, QStringList{"frmRoutenPlanung"});
    EXPECT_EQ(w.karte()->GeplanteRoute().size(), 3u);
}
#endif
