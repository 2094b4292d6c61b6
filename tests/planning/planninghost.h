#pragma once
// A scripted host for the route planning tests: its three services, a listener that answers the
// component's events the way a chart plotter does, and a driver for the modal windows.

#include "olm3binnen/clsOLM3Binnen.h"
#include "olm3binnen/hostservices.h"
#include "planning/frmRoutenPlanung.h"
#include "support/fakehost.h"
#include "support/fixtures.h"
#include "support/windowdriver.h"

#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace olm3test {

/// Point ids, as routes and their rows hold them.
using Ids = std::vector<std::int32_t>;

/// Answers the component's events like a host: a point picked on the chart goes into the planned route,
/// the optimiser links the planned points leg by leg (unless told to find no route).
class ScriptedHost : public clsOLM3BinnenEvents {
public:
    explicit ScriptedHost(clsOLM3Binnen& olm) : m_olm(olm) { olm.SetEventListener(this); }
    ~ScriptedHost() override { m_olm.SetEventListener(nullptr); }

    /// The point the user picks on the chart after RoutenPktKarte (0: the user picks nothing).
    std::int32_t pktKarte = 0;
    /// Whether the optimiser finds a route.
    bool optimiererFindetRoute = true;
    /// Runs inside StartOptimierer before the optimiser.
    std::function<void()> beimOptimieren;
    /// Runs inside RouteOptimiertAn, after the leg is recorded.
    std::function<void()> beimLeg;
    /// Runs inside BreakOptimierer.
    std::function<void()> beimAbbruch;

    QStringList events;
    Ids optimiererPunkte;
    QDateTime optimiererStart;
    std::vector<double> letzteLg, letzteBg;
    /// The from and to lists of every RouteOptimiertAn, in order.
    std::vector<Ids> von, nach;

    void RouteChange(std::vector<double>& lg, std::vector<double>& bg) override {
        events << "RouteChange";
        letzteLg = lg;
        letzteBg = bg;
    }
    void StartOptimierer(std::vector<std::int32_t>& ids, QDateTime& start) override {
        events << "StartOptimierer";
        optimiererPunkte = ids;
        optimiererStart = start;
        if (beimOptimieren) beimOptimieren();
        if (!optimiererFindetRoute) return;
        Ids von, nach;
        for (size_t i = 0; i + 1 < ids.size(); ++i) {
            von.push_back(ids[i]);
            nach.push_back(ids[i + 1]);
        }
        m_olm.SetRouteOptimiert(von, nach, start);
    }
    void RoutenPktKarte() override {
        events << "RoutenPktKarte";
        if (pktKarte > 0) m_olm.SetPktNeuRouteGeplant(pktKarte);
    }
    void RoutenPlanungClose() override { events << "RoutenPlanungClose"; }
    void RouteOptimiertAus() override { events << "RouteOptimiertAus"; }
    void BreakOptimierer() override {
        events << "BreakOptimierer";
        if (beimAbbruch) beimAbbruch();
    }
    void RouteOptimiertAn(std::vector<std::int32_t>& v, std::vector<std::int32_t>& n) override {
        events << "RouteOptimiertAn";
        von.push_back(v);
        nach.push_back(n);
        if (beimLeg) beimLeg();
    }
    void Schiffsparameter() override { events << "Schiffsparameter"; }

private:
    clsOLM3Binnen& m_olm;
};

/// Stand-ins for the host's radius search (it finds nothing) and picture loader (it has no pictures).
class FakeKWS : public IOLM3KWS {
public:
    void KWSUmkreisSuche(std::int32_t&, QString&, double&, bool& blnErgebnis, IOLM3KWSEvents*) override {
        blnErgebnis = false;
    }
    void KWSUmkreisSucheErgebnis(std::vector<std::int32_t>& alngPunkteID, std::vector<double>& adblStrecke,
                                 std::int32_t& lngAnzahl) override {
        alngPunkteID.assign(1, 0);
        adblStrecke.assign(1, 0.0);
        lngAnzahl = 0;
    }
};

class FakeTGF : public IOLM3TGF {
public:
    QPixmap LoadPicture(const QString&) override { return {}; }
};

/// A host with the mini catalogue open and a settings file of its own (not yet written).
struct PlanungsUmgebung {
    TempDir dir;
    FakeCfg cfg;
    FakeKWS kws;
    FakeTGF tgf;
    MessageRecorder messages;
    clsOLM3Binnen olm;
    ScriptedHost host{olm};

    PlanungsUmgebung() {
        cfg.katalog = MakeCatalogueFromFixtures(dir, "1_Test.sqlite", {"mini"});
        cfg.iniDatei = dir.file("host.ini");
        EXPECT_TRUE(olm.Init(&cfg, &kws, &tgf));
    }
    /// The user has set a start time and speed before (kept by the facade).
    void StartGesetzt(const QDateTime& start, double marschV) {
        olm.IsStartZeitSet(true);
        olm.StartZeit(start);
        olm.MarschV(marschV);
    }
    Ids route() const {
        Ids r;
        olm.GetRouteGeplant(r);
        return r;
    }
};

/// The point ids of the route the planning window holds, in its order.
inline Ids FensterRoute(const frmRoutenPlanung& frm) {
    Ids r;
    for (const typRoute& p : frm.Route())
        r.push_back(p.lngPunkteID);
    return r;
}

/// A planning window on the facade of the environment, filled with the route and shown.
inline std::unique_ptr<frmRoutenPlanung> PlanungsFenster(PlanungsUmgebung& u, const Ids& route,
                                                         bool neuZeichnen = true) {
    auto frm = std::make_unique<frmRoutenPlanung>();
    frm->Init(route, &u.olm, neuZeichnen);
    frm->show();
    return frm;
}

} // namespace olm3test
