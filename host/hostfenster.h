#pragma once
// The reference host's main window: it creates the component, hands it the waypoints-and-routes
// database and the three services, listens to its eight events, and shows the chart with the planned
// and the optimised route.

#include "hostconfig.h"
#include "karte.h"
#include "olm3binnen/clsOLM3Binnen.h"
#include "olm3binnen/pathoptimiser.h"
#include "pictures.h"
#include "umkreissuche.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;

namespace olm3host {

class HostFenster : public QMainWindow, public clsOLM3BinnenEvents {
    Q_OBJECT
public:
    explicit HostFenster(HostConfig& cfg, QWidget* parent = nullptr);
    ~HostFenster() override;

    /// Opens (and on first start creates) the waypoints-and-routes database, initialises the component
    /// with the configured catalogue and draws its chart. Whatever fails is told to the user in one
    /// sentence; the window works on without it.
    void Start();

    clsOLM3Binnen& Komponente() { return *m_olm; }
    Karte* karte() const { return m_karte; }
    HostConfig& Config() { return m_cfg; }
    ADODB::ConnectionPtr RoutenDatenbank() const { return m_routenDB; }

    // What the menu and the tool bar do.
    void Binneninfo();
    void RoutenPlanung();
    void Bericht();
    /// Prints the report of the optimised route: into strPdfDatei, or, when it is empty, on a printer the
    /// user chooses. False when there is nothing to print or the print failed (the user is told).
    bool BerichtDrucken(const QString& strPdfDatei = QString());
    /// Prints the optimised route through the browser: it opens on the route view, whose print button
    /// prints into strPdfDatei. Without a PDF file and without an installed printer the user is asked for
    /// a PDF file first.
    void RouteDrucken(const QString& strPdfDatei = QString());
    void KatalogWahl();
    void SchiffsparameterEingeben();
    /// Writes the optimised route, or without one the planned route, as GPX into strDatei or a file the
    /// user chooses. False when nothing was written (the user is told why).
    bool GpxExportieren(const QString& strDatei = QString());
    /// Reads a GPX file (strDatei or one the user chooses) as the planned route once the user agrees, and
    /// opens route planning with it. False when the plan stays as it was.
    bool GpxImportieren(const QString& strDatei = QString());
    /// Switches the user interface to a language and keeps it in the settings: the menus, the tool bar,
    /// the status bar and the chart at once, the component's windows when they are next opened.
    void SpracheWechseln(olm3::Sprache sprache);

    QAction* actBinneninfo = nullptr;
    QAction* actRoutenPlanung = nullptr;
    QAction* actBericht = nullptr;
    QAction* actBerichtDrucken = nullptr;
    QAction* actRouteDrucken = nullptr;
    QAction* actKatalogWahl = nullptr;
    QAction* actGpxExport = nullptr;
    QAction* actGpxImport = nullptr;

    // The component's events.
    void RouteChange(std::vector<double>& adblLg, std::vector<double>& adblBg) override;
    void StartOptimierer(std::vector<std::int32_t>& alngPunkteID, QDateTime& datStartZeit) override;
    void RoutenPktKarte() override;
    void RoutenPlanungClose() override;
    void RouteOptimiertAus() override;
    void BreakOptimierer() override;
    void RouteOptimiertAn(std::vector<std::int32_t>& alngVon, std::vector<std::int32_t>& alngNach) override;
    void Schiffsparameter() override;

signals:
    /// The optimised route grew by a leg and the chart shows it.
    void RouteOptimiertGemeldet();

private:
    void baueMenues();
    void initKomponente();
    void zeigeKatalogInStatusleiste();
    void aktualisiereAktionen();
    void positionGewaehlt(double dblLg, double dblBg);
    /// The status bar tells where the pointer is and which waterway, at which kilometre, is nearest.
    void zeigeCursor(double dblLg, double dblBg);
    void melde(const QString& strText);
    /// The position at the chart's centre, where the component's windows open their search.
    QPointF kartenMitte() const;
    /// The name of a point for the user: its object's name, or its waterway.
    QString punktName(std::int32_t lngPunkteID) const;

    HostConfig& m_cfg;
    Umkreissuche m_kws;
    BildLader m_tgf;
    olm3::PathOptimiser m_optimierer;
    std::unique_ptr<clsOLM3Binnen> m_olm;
    ADODB::ConnectionPtr m_routenDB;
    Karte* m_karte = nullptr;
    QLabel* m_lblKatalog = nullptr;
    QLabel* m_lblHinweis = nullptr;
    QLabel* m_lblCursor = nullptr;
    bool m_routeOptimiert = false;
};

} // namespace olm3host
