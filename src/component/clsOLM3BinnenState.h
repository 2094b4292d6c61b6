#pragma once
// The per-object state of clsOLM3Binnen, shared with the component's own windows.

#include "olm3binnen/clsOLM3Binnen.h"
#include "routing/core/routeoptimiert.h"

#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <span>

struct clsOLM3BinnenState {
    clsOLM3BinnenEvents* listener = nullptr;

    std::vector<std::int32_t> alngRouteGeplant{0};
    /// The planned route as it was last saved or loaded: a plan that differs has unsaved changes.
    std::vector<std::int32_t> alngRouteGesichert{0};
    std::int32_t lngRoutenPktNum = 0;
    bool blnRouteOptimiert = false;
    /// The detailed optimised route with its row count and totals.
    olm3::routing::RouteDetails route;
    /// The rows the route holds: the first row count of its array, never more than it has.
    std::span<const typRouteOptimiert> RoutenZeilen() const {
        const auto n = std::min(static_cast<size_t>(std::max<std::int32_t>(route.lngAnzahlRouteOptimiert, 0)),
                                route.audtRouteOptimiert.size());
        return {route.audtRouteOptimiert.data(), n};
    }
    QString strTypFilter = QStringLiteral("A");
    QDateTime StartZeit = olm3::DatumNull();
    double MarschV = 0.0;
    bool IsStartZeitSet = false;
    double dblLgInit = 0.0;
    double dblBgInit = 0.0;
    bool blnValidInit = false;
    bool blnBreakOptimierer = false;
    bool blnSuchergebnisse = false;
    std::int32_t lngSuchAnzahl = 0;
    std::vector<std::int32_t> alngSuchPunkteID{0};
    std::vector<double> adblSuchStrecke{0.0};
    /// The boat and what it does not fit on the optimised route.
    olm3::BootProfil profil;
    std::vector<olm3::Durchfahrtsbefund> befunde;

    /// The status window and whether ShowStatus has it on screen.
    QPointer<QWidget> frmStatus;
    bool blnStatusShown = false;
    /// The route planning window while it is loaded.
    QPointer<QWidget> frmRoutenPlanung;
    /// The optimiser report filled for printing (print-only mode keeps it until the next report).
    QPointer<QWidget> frmBericht;
};
