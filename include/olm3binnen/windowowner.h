#pragma once
// What the component's windows may ask of the object that opened them. clsOLM3Binnen implements it; the
// windows hold this interface and never the component itself, so they sit below the component and a
// test can hand them an owner of its own. A host has no need of it: every member it calls is on
// clsOLM3Binnen.

#include "olm3binnen/bootprofil.h"
#include "olm3binnen/types.h"

#include <QDateTime>
#include <cstdint>
#include <vector>

class QWidget;

class IOLM3WindowOwner {
public:
    virtual ~IOLM3WindowOwner() = default;

    // The radius search the browser offers, kept between its openings: the radius in km of the last
    // search, its kind (0 locks, 1 harbours, 2 fuel stations) and whether the host runs radius searches.
    std::int32_t lngUmkreis = 0;
    std::int32_t intSuchTyp = 0;
    bool blnUmkreisSuche = false;

    /// The stored results of the last radius search: count, point ids and distances (arrays from 0; at
    /// least one element). Storing marks results as present (SuchergebnisseGespeichert).
    virtual void SetSuchergebnisse(std::int32_t lngAnzahl, const std::vector<std::int32_t>& alngPunkteID,
                                   const std::vector<double>& adblStrecke) = 0;
    virtual void GetSuchergebnisse(std::int32_t& lngAnzahl, std::vector<std::int32_t>& alngPunkteID,
                                   std::vector<double>& adblStrecke) const = 0;
    /// True once a radius search stored its results since the last Init.
    virtual bool SuchergebnisseGespeichert() const = 0;

    /// The start time, cruising speed and whether the user set the start time, as route planning keeps them.
    virtual QDateTime StartZeit() const = 0;
    virtual void StartZeit(const QDateTime& dat) = 0;
    virtual double MarschV() const = 0;
    virtual void MarschV(double dbl) = 0;
    virtual bool IsStartZeitSet() const = 0;
    virtual void IsStartZeitSet(bool bln) = 0;

    /// The windows one window opens from another: the optimiser report (with blnPrintOnly only filled,
    /// for GefuellterBericht), route planning (with blnPrintOnly only filled, for GeladeneRoutenPlanung),
    /// and the browser in planning mode, which returns the point the user chose (0 for none).
    virtual void RoutenOptimiererReport(bool blnPrintOnly) = 0;
    virtual bool RoutenPlanung(double& dblLgInit, double& dblBgInit, bool& blnValidInit, bool blnNeuZeichnen,
                               bool blnPrintOnly) = 0;
    virtual bool RoutenPlanungAus() = 0;
    virtual bool BinneninfoRoutenPlanung(std::int32_t& lngPunkteID) = 0;
    /// The route planning window while it is loaded, and the report last filled for printing; null when
    /// there is none. The owner keeps them; a window only reads their grids.
    virtual QWidget* GeladeneRoutenPlanung() const = 0;
    virtual QWidget* GefuellterBericht() const = 0;

    /// The detailed optimised route and the start it was computed from, for a window that passes it on
    /// (the GPX export of route planning). False and no rows when none is present; an owner without
    /// one need not implement it.
    virtual bool GetRouteOptimiert(std::vector<typRouteOptimiert>& audtRoute, QDateTime& datStartZeit) const {
        audtRoute.clear();
        datStartZeit = QDateTime();
        return false;
    }

    /// The planned route (point ids; the empty route is one element 0), for a window that numbers the
    /// route points as the plan does. An owner without a plan need not implement it.
    virtual bool GetRouteGeplant(std::vector<std::int32_t>& alngPunkteID) const {
        alngPunkteID.assign(1, 0);
        return false;
    }
    /// The planned route as it was last saved or loaded, so that route planning can tell unsaved changes;
    /// an owner that does not keep it has no saved plan.
    virtual std::vector<std::int32_t> RouteGesichert() const { return {0}; }
    virtual void RouteGesichert(const std::vector<std::int32_t>& alngPunkteID) { (void)alngPunkteID; }

    /// The events a window raises to the host through its owner.
    virtual void EventRoutenPktKarte(std::int32_t lngNum) = 0;
    virtual void EventStartOptimierer(std::vector<typRoute>& audtRoute) = 0;
    virtual void EventRouteChange(std::vector<typRoute>& audtRoute) = 0;
    virtual void EventRoutenPlanungClose() = 0;
    virtual void EventDeleteAll() = 0;
    virtual void EventParamNichtGesetzt() = 0;
    /// Asks the running computation to stop and tells the host (BreakOptimierer).
    virtual void Event_BreakOptimierer() = 0;

    /// The skipper's boat as the host's settings keep it. Setting it stores it in the settings file
    /// (false when that cannot be written; the profile is then kept for this session only) and checks the
    /// optimised route again.
    virtual olm3::BootProfil GetBootProfil() const = 0;
    virtual bool SetBootProfil(const olm3::BootProfil& profil) = 0;
    /// What the boat does not fit on the optimised route (empty without a route or a boat).
    virtual std::vector<olm3::Durchfahrtsbefund> GetDurchfahrt() const = 0;
};
