#pragma once
// The events clsOLM3Binnen raises to its host, in slot order (ids 1 to 8).

#include <QDateTime>
#include <cstdint>
#include <vector>

/// A host derives from this listener and hands it to clsOLM3Binnen::SetEventListener. Every event has an
/// empty default, so a host overrides only what it handles.
class clsOLM3BinnenEvents {
public:
    virtual ~clsOLM3BinnenEvents() = default;
    /// 1: the planned route changed; positions of its points (0 for points without an id).
    virtual void RouteChange(std::vector<double>& adblLg, std::vector<double>& adblBg) {
        (void)adblLg;
        (void)adblBg;
    }
    /// 2: run the path optimiser over these points, then call SetRouteOptimiert with its legs.
    virtual void StartOptimierer(std::vector<std::int32_t>& alngPunkteID, QDateTime& datStartZeit) {
        (void)alngPunkteID;
        (void)datStartZeit;
    }
    /// 3: let the user pick a point on the chart and answer with SetPktNeuRouteGeplant.
    virtual void RoutenPktKarte() {}
    /// 4: the route planning window closed.
    virtual void RoutenPlanungClose() {}
    /// 5: the optimised route is gone.
    virtual void RouteOptimiertAus() {}
    /// 6: the user asked to stop the running computation.
    virtual void BreakOptimierer() {}
    /// 7: the optimised route grew by a leg; legs 0..i are set, zeros behind them.
    virtual void RouteOptimiertAn(std::vector<std::int32_t>& alngVon, std::vector<std::int32_t>& alngNach) {
        (void)alngVon;
        (void)alngNach;
    }
    /// 8: the vessel's parameters are missing; ask the user for them.
    virtual void Schiffsparameter() {}
};
