#pragma once
// clsOLM3Binnen: the inland-waterway component a chart plotter hosts.

#include "olm3binnen/ado.h"
#include "olm3binnen/events.h"
#include "olm3binnen/hostservices.h"
#include "olm3binnen/types.h"
#include "olm3binnen/windowowner.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

struct clsOLM3BinnenState;

/// Totals of the detailed optimised route (hours), with its distance (km) and start time.
struct RouteOptimiertSummen {
    double dblSummeDurchgangszeit = 0.0;
    double dblSummeWartezeit = 0.0;
    double dblSummeFahrzeit = 0.0;
    double dblStrecke = 0.0;
    QDateTime datStartZeit = olm3::DatumNull();
    /// Locks at which no operating time was found within a year: their waits, and so the totals and every
    /// later time, are not reliable.
    std::int32_t lngSchleusenOhneBetriebszeit = 0;
    /// The first leg that could not be computed, so that the route stops before its destination (its
    /// point ids); both 0 when the route is complete.
    std::int32_t lngAbbruchVon = 0;
    std::int32_t lngAbbruchNach = 0;
};

/// The one public class of the component. A host creates one object, hands in its waypoints-and-routes
/// connection and its listener, calls Init with its three services and then opens the windows, keeps the
/// planned route, receives the optimiser's result and asks for nearest points. Every member runs on the
/// host's user-interface thread; members that open windows return when the window closes. The component's
/// windows reach it only as their IOLM3WindowOwner.
class clsOLM3Binnen : public IOLM3WindowOwner {
public:
    clsOLM3Binnen();
    /// Closes the catalogue connection (errors ignored).
    ~clsOLM3Binnen() override;
    clsOLM3Binnen(const clsOLM3Binnen&) = delete;
    clsOLM3Binnen& operator=(const clsOLM3Binnen&) = delete;

    // 1. The public fields of the radius search, kept between openings of the browser (lngUmkreis,
    // intSuchTyp, blnUmkreisSuche), are those of IOLM3WindowOwner.

    /// 2. Resets the planned route and search results and opens the configured catalogue read-only.
    /// True also when no catalogue is configured or it cannot be opened (the catalogue is then not
    /// open); false, after a message, only on a run-time error.
    bool Init(IOLM3Cfg* objOLM3Cfg, IOLM3KWS* objOLM3KWS, IOLM3TGF* objOLM3TGF);

    /// 3. The host's waypoints-and-routes connection (the component never opens or closes it).
    void conWPundRoutenDB(const ADODB::ConnectionPtr& con);
    ADODB::ConnectionPtr conWPundRoutenDB() const;
    /// 4. The catalogue connection opened by Init; empty when the catalogue is not open.
    ADODB::ConnectionPtr conBinnenDatabase() const;

    /// 5. Lets the user choose another installed catalogue; blnChange true when one was recorded.
    /// False on any error (no message).
    bool BinnenkatalogWahl(bool& blnChange);
    /// 6. The waterway information browser, modal. Always false.
    bool Binneninfo(bool& blnPos, double& dblInitLg, double& dblInitBg, bool blnAllowRefBack,
                    bool blnStartWithRoute);
    /// 7. The browser opened from route planning: lngPunkteID gets the point chosen. Always false.
    bool BinneninfoRoutenPlanung(std::int32_t& lngPunkteID) override;
    /// 8. The optimiser report; with blnPrintOnly it is only filled.
    void RoutenOptimiererReport(bool blnPrintOnly = false) override;
    /// 9. The route planning window, modal unless blnPrintOnly. Always false.
    bool RoutenPlanung(double& dblLgInit, double& dblBgInit, bool& blnValidInit, bool blnNeuZeichnen = false,
                       bool blnPrintOnly = false) override;
    /// 10. Unloads the route planning window if it is loaded. Always false.
    bool RoutenPlanungAus() override;
    /// 11. Position of a point (points with an object only when blnBesonderePkt). False when not found.
    bool GetPunktPosition(std::int32_t lngPunkteID, double& dblLgPos, double& dblBgPos,
                          bool blnBesonderePkt = false);

    /// 12. Stored values: planned start time, cruising speed, whether the user set a start time.
    QDateTime StartZeit() const override;
    void StartZeit(const QDateTime& dat) override;
    double MarschV() const override;
    void MarschV(double dbl) override;
    bool IsStartZeitSet() const override;
    void IsStartZeitSet(bool bln) override;

    /// 13.-16. The planned route (point ids; the empty route is one element 0). Results always false.
    bool SetRouteGeplant(const std::vector<std::int32_t>& alngPunkteID);
    bool GetRouteGeplant(std::vector<std::int32_t>& alngPunkteID) const override;
    bool SetPktNeuRouteGeplant(std::int32_t lngId);
    bool DeleteRouteGeplant();

    /// 17. Expands the optimiser's legs (from, to) into the detailed, timed route. False when broken off.
    bool SetRouteOptimiert(const std::vector<std::int32_t>& alngPktIDVon, const std::vector<std::int32_t>& alngPktIDNach,
                           const QDateTime& datStart);
    /// Discards the detailed route and raises RouteOptimiertAus. Always false.
    bool DeleteRouteOptimiert();

    /// 18. Nearest waterway point to a position within a capture radius (0: 200).
    bool NaechsterPunkt(double dblInitLg, double dblInitBg, double dblInitFangbereich, std::int32_t& lngBinnenID,
                        QString& strBinnenBez, std::int32_t& lngPunkteID, double& dblLg, double& dblBg,
                        double& dblEntfernung, double* dblAmtlKM = nullptr, double* dblVMax = nullptr,
                        double* dblTiefe = nullptr);
    bool PositionNaechsterPunkt(double dblInitLg, double dblInitBg, double dblInitFangbereich, double& dblLg,
                                double& dblBg, std::int32_t* lngPunkteID = nullptr);

    /// 19.-24. Members the component's windows call; each raises its event to the host.
    void EventRoutenPktKarte(std::int32_t lngNum) override;
    void EventStartOptimierer(std::vector<typRoute>& audtRoute) override;
    void EventRouteChange(std::vector<typRoute>& audtRoute) override;
    void EventRoutenPlanungClose() override;
    void EventDeleteAll() override;
    void EventParamNichtGesetzt() override;

    /// 25. Shows, updates or closes the status window.
    void ShowStatus(bool blnShow, const QString& strText = QString(), std::int32_t lngValue = 0,
                    std::int32_t lngMaxValue = 0, std::int32_t lngValue2 = 0, std::int32_t lngMaxValue2 = 0,
                    const QString& strText2 = QString());

    /// 26.-27. Stored radius-search results.
    void SetSuchergebnisse(std::int32_t lngAnzahl, const std::vector<std::int32_t>& alngPunkteID,
                           const std::vector<double>& adblStrecke) override;
    void GetSuchergebnisse(std::int32_t& lngAnzahl, std::vector<std::int32_t>& alngPunkteID,
                           std::vector<double>& adblStrecke) const override;

    /// 28. Asks the running computation to stop and raises BreakOptimierer.
    void Event_BreakOptimierer() override;

    // ---- additions to the interface of the original component ----------------------------------
    /// The listener that receives the eight events (not owned; may be null).
    void SetEventListener(clsOLM3BinnenEvents* pListener);
    clsOLM3BinnenEvents* EventListener() const;
    /// Read access to the detailed optimised route: its rows (empty when none is present) and totals.
    /// True when an optimised route is present.
    bool GetRouteOptimiert(std::vector<typRouteOptimiert>& audtRoute, RouteOptimiertSummen& summen) const;
    /// The same rows with the start time only, for the windows.
    bool GetRouteOptimiert(std::vector<typRouteOptimiert>& audtRoute, QDateTime& datStartZeit) const override;
    /// The planned route as it was last saved or loaded in route planning.
    std::vector<std::int32_t> RouteGesichert() const override;
    void RouteGesichert(const std::vector<std::int32_t>& alngPunkteID) override;
    /// The pause a computation takes after each step, in milliseconds (default 10). With 0, pending
    /// events are still processed after every step. Applies to all objects of the component.
    static void SetStepPause(int ms);
    static int StepPause();
    /// Where the component prints (the route print of the browser): a PDF file, or the empty text for
    /// the system's printer. Applies to all objects of the component.
    static void SetPrintToPdf(const QString& strPdfDatei);
    static QString PrintToPdf();

    /// The boat profile, read from the host's settings file (section "Boot") by Init, and the clearance
    /// check of the optimised route against it, run after SetRouteOptimiert and after every change of the
    /// profile.
    olm3::BootProfil GetBootProfil() const override;
    bool SetBootProfil(const olm3::BootProfil& profil) override;
    std::vector<olm3::Durchfahrtsbefund> GetDurchfahrt() const override;

    /// Inside state, for the component's own files and the tests; windows use IOLM3WindowOwner.
    clsOLM3BinnenState& state() const { return *d; }

private:
    /// Runs the clearance check of the optimised route against the profile into the state.
    void PruefeDurchfahrt();
    // What only the windows ask for, through IOLM3WindowOwner.
    bool SuchergebnisseGespeichert() const override;
    QWidget* GeladeneRoutenPlanung() const override;
    QWidget* GefuellterBericht() const override;

    std::unique_ptr<clsOLM3BinnenState> d;
};

extern "C" {
/// Creates and destroys objects for hosts that load the library at run time (dlopen).
clsOLM3Binnen* OLM3Binnen_Create();
void OLM3Binnen_Destroy(clsOLM3Binnen* p);
}
