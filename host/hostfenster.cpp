#include "hostfenster.h"

#include "routing/core/durchfahrt.h"

#include "berichtdruck.h"
#include "data/databasebuilder.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "hosttexts.h"
#include "planning/gpxdialog.h"
#include "ui/messagebox.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <cmath>

namespace olm3host {

namespace {
/// Planned points are picked within this many pixels of the click.
constexpr double kFangPixel = 40.0;
constexpr double kKmProSeemeile = 1.852;

/// The pointer's nearest waterway is looked for within this many pixels.
constexpr double kCursorFangPixel = 30.0;
/// "ZUR KARTE" shows this many kilometres around the chosen object.
constexpr double kZurKarteKm = 8.0;

QString nativ(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}

/// A label that shows as much of its text as fits and all of it in its tool tip.
class KurzLabel : public QLabel {
public:
    explicit KurzLabel(QWidget* parent) : QLabel(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setMinimumWidth(1);
    }
    void SetVollText(const QString& text) {
        m_text = text;
        setToolTip(text);
        kuerze();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        kuerze();
    }

private:
    void kuerze() {
        setText(fontMetrics().elidedText(m_text, Qt::ElideRight, std::max(1, contentsRect().width())));
    }
    QString m_text;
};
} // namespace

HostFenster::HostFenster(HostConfig& cfg, QWidget* parent)
    : QMainWindow(parent), m_cfg(cfg), m_kws([this] { return m_olm ? m_olm->conBinnenDatabase() : nullptr; }),
      m_olm(std::make_unique<clsOLM3Binnen>()) {
    setWindowTitle(HostText(txt::FensterTitel));
    setWindowIcon(QIcon(Bild(101)));
    m_karte = new Karte(this);
    setCentralWidget(m_karte);
    connect(m_karte, &Karte::PositionGewaehlt, this, &HostFenster::positionGewaehlt);
    connect(m_karte, &Karte::PunktWahlAbgebrochen, this, [this] {
        statusBar()->clearMessage();
        RoutenPlanung();
    });
    m_lblKatalog = new QLabel(this);
    m_lblHinweis = new KurzLabel(this);
    m_lblHinweis->setStyleSheet(QStringLiteral("color: #8a2020;"));
    m_lblCursor = new QLabel(this);
    m_lblCursor->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(m_lblKatalog);
    statusBar()->addWidget(m_lblHinweis, 1);
    statusBar()->addPermanentWidget(m_lblCursor);
    connect(m_karte, &Karte::CursorBewegt, this, &HostFenster::zeigeCursor);
    connect(m_karte, &Karte::CursorVerlassen, m_lblCursor, &QLabel::clear);
    baueMenues();
    m_olm->SetEventListener(this);
    // This host keeps the radius-search results it hands in, so the browser offers them again after the
    // boater leaves the kind of object or the browser.
    m_olm->blnUmkreisSuche = true;
    resize(1280, 860);
}

HostFenster::~HostFenster() {
    m_olm->SetEventListener(nullptr);
    m_olm.reset();
    if (m_routenDB) m_routenDB->Close();
    // The component's shared state must not keep pointers to services that go with this window.
    modOLM3Binnen::objOLM3Cfg = nullptr;
    modOLM3Binnen::objOLM3KWS = nullptr;
    modOLM3Binnen::objOLM3TGF = nullptr;
    modOLM3Binnen::conWPundRoutenDB.reset();
}

void HostFenster::baueMenues() {
    auto* binnen = menuBar()->addMenu(HostText(txt::MenuBinnen));
    auto* leiste = addToolBar(HostText(txt::MenuBinnen));
    leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
    leiste->setMovable(false);
    auto neu = [&](std::int32_t text, auto ziel, const QKeySequence& taste = {}) {
        auto* a = binnen->addAction(HostText(text));
        a->setShortcut(taste);
        connect(a, &QAction::triggered, this, ziel);
        leiste->addAction(a);
        return a;
    };
    actBinneninfo = neu(txt::Binneninfo, &HostFenster::Binneninfo, QKeySequence(Qt::CTRL | Qt::Key_I));
    actRoutenPlanung =
        neu(txt::RoutenPlanung, &HostFenster::RoutenPlanung, QKeySequence(Qt::CTRL | Qt::Key_R));
    actBericht = neu(txt::Bericht, &HostFenster::Bericht);
    actBerichtDrucken = neu(
        txt::BerichtDrucken, [this] { BerichtDrucken(); }, QKeySequence::Print);
    actRouteDrucken = neu(txt::RouteDrucken, [this] { RouteDrucken(); });
    binnen->addSeparator();
    actGpxExport = binnen->addAction(HostText(txt::GpxExportieren), this, [this] { GpxExportieren(); });
    actGpxImport = binnen->addAction(HostText(txt::GpxImportieren), this, [this] { GpxImportieren(); });
    binnen->addSeparator();
    leiste->addSeparator();
    actKatalogWahl = neu(txt::KatalogWahl, &HostFenster::KatalogWahl);
    binnen->addAction(HostText(txt::Schiffsparameter), this, &HostFenster::SchiffsparameterEingeben);
    binnen->addSeparator();
    binnen->addAction(HostText(txt::Beenden), QKeySequence::Quit, this, &QWidget::close);

    auto* ansicht = menuBar()->addMenu(HostText(txt::MenuAnsicht));
    leiste->addSeparator();
    auto zoom = [&](std::int32_t text, const QKeySequence& taste, auto ziel) {
        auto* a = ansicht->addAction(HostText(text), taste, m_karte, ziel);
        leiste->addAction(a);
    };
    zoom(txt::Vergroessern, QKeySequence::ZoomIn, [this] { m_karte->Zoom(1.5); });
    zoom(txt::Verkleinern, QKeySequence::ZoomOut, [this] { m_karte->Zoom(1 / 1.5); });
    zoom(txt::GanzerKatalog, QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_karte->Einpassen(); });

    auto* sprache = menuBar()->addMenu(HostText(txt::MenuSprache));
    auto* gruppe = new QActionGroup(sprache);
    for (const auto& [s, text] : {std::pair{olm3::Sprache::De, txt::SpracheDeutsch},
                                  std::pair{olm3::Sprache::En, txt::SpracheEnglisch}}) {
        auto* a = sprache->addAction(HostText(text));
        a->setCheckable(true);
        a->setChecked(olm3::TextTable::AktuelleSprache() == s);
        a->setActionGroup(gruppe);
        connect(a, &QAction::triggered, this, [this, s = s] { SpracheWechseln(s); });
    }
    aktualisiereAktionen();
}

void HostFenster::SpracheWechseln(olm3::Sprache sprache) {
    m_cfg.SetSprache(sprache);
    if (olm3::TextTable::AktuelleSprache() == sprache) return;
    olm3::TextTable::SetSprache(sprache);
    // The menus and the tool bar are built again from the text table; the window's state is in the
    // component and the chart, not in the actions.
    // The old menus go when the event loop is back: the language menu is still showing its choice.
    const auto alteMenues = menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    menuBar()->clear();
    for (QMenu* m : alteMenues)
        m->deleteLater();
    for (QToolBar* leiste : findChildren<QToolBar*>()) {
        removeToolBar(leiste);
        delete leiste;
    }
    baueMenues();
    setWindowTitle(HostText(txt::FensterTitel));
    zeigeKatalogInStatusleiste();
    m_karte->update();
}

void HostFenster::melde(const QString& strText) {
    modOLM3Binnen::MsgBox(strText, modOLM3Binnen::vbExclamation, m_cfg.GetAppTitel());
}

void HostFenster::Start() {
    QStringList meldungen = m_cfg.Meldungen();
    // The waypoints-and-routes database: created with its tables on first start; an existing one keeps
    // every saved route (the tables are only added when they are missing).
    const QString routen = m_cfg.Pfade().RoutenDatenbank();
    QString fehler;
    if (!QDir().mkpath(QFileInfo(routen).absolutePath())) {
        meldungen
            << HostText(txt::RoutenDBAnlegen).arg(nativ(routen), nativ(QFileInfo(routen).absolutePath()));
    } else if (!olm3::CreateRoutesDatabase(routen, fehler)) {
        meldungen << HostText(txt::RoutenDBAnlegen).arg(nativ(routen), fehler);
    } else if (!modOLM3Binnen::ADO_Open_Connection(routen, m_routenDB, QString(), QString(), QString(),
                                                   false)) {
        meldungen << HostText(txt::RoutenDBOeffnen).arg(nativ(routen));
    }
    m_olm->conWPundRoutenDB(m_routenDB);
    for (const QString& m : meldungen)
        melde(m);
    initKomponente();
}

void HostFenster::initKomponente() {
    m_routeOptimiert = false;
    m_olm->Init(&m_cfg, &m_kws, &m_tgf);
    KartenDaten daten;
    const QString katalog = m_cfg.GetBinnenKatalog();
    const ADODB::ConnectionPtr con = m_olm->conBinnenDatabase();
    if (con) {
        QString fehler;
        if (!LadeKartenDaten(con, daten, fehler))
            melde(HostText(txt::KarteNichtLesbar).arg(nativ(katalog), fehler));
    } else if (m_cfg.IsBinnenKatalog() && !KatalogDateien(m_cfg.GetKatalogVerzeichnis()).isEmpty()) {
        // An empty catalogue folder was reported already.
        melde(HostText(QFileInfo(katalog).isFile() ? txt::KeinKatalogFormat : txt::KatalogFehlt)
                  .arg(nativ(katalog)));
    }
    m_karte->SetDaten(std::move(daten));
    // Where the pointer was said of the catalogue before.
    m_lblCursor->clear();
    zeigeKatalogInStatusleiste();
    aktualisiereAktionen();
}

void HostFenster::zeigeKatalogInStatusleiste() {
    const KartenDaten& d = m_karte->Daten();
    if (!m_olm->conBinnenDatabase()) {
        m_lblKatalog->setText(HostText(txt::KeinKatalog));
        static_cast<KurzLabel*>(m_lblHinweis)->SetVollText(QString());
        return;
    }
    const QString name = d.strKatalogName.isEmpty() ? QFileInfo(m_cfg.GetBinnenKatalog()).completeBaseName()
                                                    : d.strKatalogName;
    m_lblKatalog->setText(HostText(txt::Katalog).arg(name));
    // The notice is long: it shows as much as fits, all of it in its tool tip.
    static_cast<KurzLabel*>(m_lblHinweis)->SetVollText(d.strHinweis);
}

void HostFenster::zeigeCursor(double dblLg, double dblBg) {
    QString text =
        HostText(txt::CursorLage)
            .arg(modOLM3Binnen::FormatBg(dblBg).trimmed(), modOLM3Binnen::FormatLg(dblLg).trimmed());
    const double fangSeemeilen = kCursorFangPixel / m_karte->PixelProKm() / kKmProSeemeile;
    std::int32_t binnenID = 0, punkteID = 0;
    QString gewaesser;
    double lg = 0, bg = 0, entfernung = 0;
    double km = std::nan("");
    if (m_olm->conBinnenDatabase() &&
        m_olm->NaechsterPunkt(dblLg, dblBg, fangSeemeilen, binnenID, gewaesser, punkteID, lg, bg, entfernung,
                              &km) &&
        punkteID > 0) {
        text +=
            QStringLiteral("   ") +
            (std::isnan(km) ? gewaesser
                            : HostText(txt::CursorGewaesserKm)
                                  .arg(gewaesser, modOLM3Binnen::FormatNumber(km, QStringLiteral("0.0"))));
    }
    m_lblCursor->setText(text);
}

void HostFenster::aktualisiereAktionen() {
    const bool katalog = m_olm && m_olm->conBinnenDatabase() != nullptr;
    actBinneninfo->setEnabled(katalog);
    actRoutenPlanung->setEnabled(katalog);
    actBericht->setEnabled(m_routeOptimiert);
    actBerichtDrucken->setEnabled(m_routeOptimiert);
    actRouteDrucken->setEnabled(m_routeOptimiert);
    actGpxExport->setEnabled(katalog);
    actGpxImport->setEnabled(katalog);
}

QPointF HostFenster::kartenMitte() const {
    return m_karte->ZuLage(QPointF(m_karte->width() / 2.0, m_karte->height() / 2.0));
}

QString HostFenster::punktName(std::int32_t lngPunkteID) const {
    const KartenDaten& d = m_karte->Daten();
    for (const auto& o : d.objekte)
        if (o.lngPunkteID == lngPunkteID && !o.strName.isEmpty()) return o.strName;
    const auto it = d.punkt.constFind(lngPunkteID);
    if (it != d.punkt.constEnd()) return d.gewaesser[static_cast<size_t>(it->first)].strName;
    return QString::number(lngPunkteID);
}

// ---- menu and tool bar ------------------------------------------------------------------------------

void HostFenster::Binneninfo() {
    bool pos = true;
    const QPointF mitte = kartenMitte();
    double lg = mitte.x(), bg = mitte.y();
    m_olm->Binneninfo(pos, lg, bg, true, m_routeOptimiert);
    // The browser hands a position back when the user asked for it on the chart: the chart centres on it
    // at a scale that shows the water around it, and marks it until the next click.
    if (pos) {
        m_karte->ZeigeUmgebung(QPointF(lg, bg), kZurKarteKm);
        m_karte->SetMarke(QPointF(lg, bg));
    }
}

void HostFenster::RoutenPlanung() {
    const QPointF mitte = kartenMitte();
    double lg = mitte.x(), bg = mitte.y();
    bool gueltig = true;
    m_olm->RoutenPlanung(lg, bg, gueltig);
}

void HostFenster::Bericht() {
    if (m_routeOptimiert) m_olm->RoutenOptimiererReport();
}

bool HostFenster::BerichtDrucken(const QString& strPdfDatei) {
    olm3host::Bericht bericht;
    if (!BerichtDerRoute(*m_olm, m_cfg, bericht)) return false;
    bericht.strKatalog = m_karte->Daten().strKatalogName;
    bericht.strHinweis = m_karte->Daten().strHinweis;
    bericht.strVon = punktName(bericht.lngVonPunkteID);
    bericht.strNach = punktName(bericht.lngNachPunkteID);
    if (!strPdfDatei.isEmpty()) {
        if (BerichtAlsPdf(strPdfDatei, bericht)) return true;
        melde(HostText(txt::BerichtNichtGespeichert).arg(nativ(strPdfDatei)));
        return false;
    }
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    DruckeBericht(drucker, bericht);
    return true;
}

void HostFenster::RouteDrucken(const QString& strPdfDatei) {
    if (!m_routeOptimiert) return;
    QString pdf = strPdfDatei;
    if (pdf.isEmpty() && QPrinterInfo::availablePrinters().isEmpty()) {
        const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        pdf = QFileDialog::getSaveFileName(this, HostText(txt::RouteAlsPdf),
                                           QDir(ordner).filePath(QStringLiteral("route.pdf")),
                                           HostText(txt::PdfFilter));
        if (pdf.isEmpty()) return;
    }
    clsOLM3Binnen::SetPrintToPdf(pdf);
    bool pos = false;
    double lg = 0.0, bg = 0.0;
    m_olm->Binneninfo(pos, lg, bg, false, true);
    clsOLM3Binnen::SetPrintToPdf(QString());
}

void HostFenster::KatalogWahl() {
    bool geaendert = false;
    if (m_olm->BinnenkatalogWahl(geaendert) && geaendert) initKomponente();
}

bool HostFenster::GpxExportieren(const QString& strDatei) {
    std::vector<typRouteOptimiert> zeitplan;
    RouteOptimiertSummen summen;
    m_olm->GetRouteOptimiert(zeitplan, summen);
    std::vector<std::int32_t> geplant;
    m_olm->GetRouteGeplant(geplant);
    const QDateTime start = m_olm->IsStartZeitSet() ? m_olm->StartZeit() : QDateTime();
    return olm3ui::GpxExportieren(this,
                                  olm3::gpx::ExportRoute(zeitplan, summen.datStartZeit, geplant, start, m_olm->MarschV()),
                                  HostText(txt::GpxExportieren).remove(QLatin1Char('&')), strDatei);
}

bool HostFenster::GpxImportieren(const QString& strDatei) {
    if (!m_olm->conBinnenDatabase()) return false;
    const auto imp =
        olm3ui::GpxImportieren(this, HostText(txt::GpxImportieren).remove(QLatin1Char('&')), strDatei);
    if (!imp) return false;
    m_olm->SetRouteGeplant(imp->alngPunkteID);
    if (imp->datStart.isValid()) {
        m_olm->IsStartZeitSet(true);
        m_olm->StartZeit(imp->datStart);
        m_olm->MarschV(imp->dblMarschV > 0 ? imp->dblMarschV : m_cfg.GetMarschgeschwindigkeit());
    }
    // Route planning shows the new plan and reports it, so that the chart draws it.
    const QPointF mitte = kartenMitte();
    double lg = mitte.x(), bg = mitte.y();
    bool gueltig = true;
    m_olm->RoutenPlanung(lg, bg, gueltig, true);
    return true;
}

void HostFenster::SchiffsparameterEingeben() {
    QDialog dlg(this);
    dlg.setWindowTitle(HostText(txt::SchiffsparameterTitel));
    auto* form = new QFormLayout(&dlg);
    auto* marschV = new QDoubleSpinBox(&dlg);
    marschV->setRange(0.1, 100.0);
    marschV->setDecimals(1);
    marschV->setSuffix(HostText(txt::EinheitKmh));
    marschV->setValue(m_cfg.GetMarschgeschwindigkeit());
    auto* verbrauch = new QDoubleSpinBox(&dlg);
    verbrauch->setRange(0.0, 1000.0);
    verbrauch->setDecimals(1);
    verbrauch->setSuffix(HostText(txt::EinheitLh));
    verbrauch->setValue(m_cfg.GetBerichtWert());
    form->addRow(HostText(txt::Marschgeschwindigkeit), marschV);
    form->addRow(HostText(txt::Verbrauch), verbrauch);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    form->addRow(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (olm3ui::ExecModal(&dlg) == QDialog::Accepted)
        m_cfg.SetSchiffsparameter(marschV->value(), verbrauch->value());
}

// ---- the component's events --------------------------------------------------------------------------

void HostFenster::RouteChange(std::vector<double>& adblLg, std::vector<double>& adblBg) {
    std::vector<QPointF> lagen;
    for (size_t i = 0; i < adblLg.size() && i < adblBg.size(); ++i)
        lagen.emplace_back(adblLg[i], adblBg[i]);
    m_karte->SetGeplanteRoute(lagen);
}

void HostFenster::StartOptimierer(std::vector<std::int32_t>& alngPunkteID, QDateTime& datStartZeit) {
    // The route keeps to the waterways the skipper's boat fits.
    olm3::PathOptions optionen;
    optionen.profil = m_olm->GetBootProfil();
    const olm3::PathResult r = m_optimierer.Optimise(m_olm->conBinnenDatabase(), alngPunkteID, optionen);
    switch (r.failure) {
    case olm3::PathFailure::None:
        // The component expands the legs, shows its progress and reports each leg (RouteOptimiertAn).
        m_olm->SetRouteOptimiert(r.alngVon, r.alngNach, datStartZeit);
        return;
    case olm3::PathFailure::TooFewPoints:
        melde(HostText(txt::KeineRoute));
        break;
    case olm3::PathFailure::UnknownPoint:
        melde(HostText(txt::UnbekannterPunkt).arg(r.lngPunkteID));
        break;
    case olm3::PathFailure::NoPath:
        melde(HostText(txt::KeineVerbindung).arg(punktName(r.lngPunkteIDVon), punktName(r.lngPunkteID)));
        break;
    case olm3::PathFailure::Blocked:
        melde(HostText(9900).arg(punktName(r.lngPunkteIDVon), punktName(r.lngPunkteID),
                                 olm3::BefundText(r.befund, [](std::int32_t id) { return HostText(id); })));
        break;
    case olm3::PathFailure::CatalogueError:
        modOLM3Binnen::WriteLogEntry(QStringLiteral("olm3host.StartOptimierer"), 0, r.strDetail);
        melde(HostText(txt::NetzNichtLesbar));
        break;
    }
    // No route is set: the component opens route planning again by itself.
}

void HostFenster::RoutenPktKarte() {
    m_karte->SetPunktWahl(true);
    statusBar()->showMessage(HostText(txt::PunktWaehlen));
    raise();
    activateWindow();
}

void HostFenster::RoutenPlanungClose() {
    if (m_karte->PunktWahl()) m_karte->SetPunktWahl(false);
}

void HostFenster::RouteOptimiertAus() {
    m_routeOptimiert = false;
    m_karte->SetOptimierteRoute({});
    aktualisiereAktionen();
}

void HostFenster::BreakOptimierer() {
    m_kws.Abbrechen();
}

void HostFenster::RouteOptimiertAn(std::vector<std::int32_t>&, std::vector<std::int32_t>&) {
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    m_routeOptimiert = m_olm->GetRouteOptimiert(route, summen);
    m_karte->SetOptimierteRoute(route);
    aktualisiereAktionen();
    emit RouteOptimiertGemeldet();
}

void HostFenster::Schiffsparameter() {
    SchiffsparameterEingeben();
}

void HostFenster::positionGewaehlt(double dblLg, double dblBg) {
    const double fangSeemeilen = std::max(0.1, kFangPixel / m_karte->PixelProKm() / kKmProSeemeile);
    double lg = 0, bg = 0;
    std::int32_t id = 0;
    if (!m_olm->PositionNaechsterPunkt(dblLg, dblBg, fangSeemeilen, lg, bg, &id) || id <= 0) {
        // The chart stays in pick mode: the next click may hit the water.
        melde(HostText(txt::KeinPunktHier));
        return;
    }
    m_karte->SetPunktWahl(false);
    statusBar()->clearMessage();
    m_olm->SetPktNeuRouteGeplant(id);
    bool gueltig = true;
    m_olm->RoutenPlanung(lg, bg, gueltig, true);
}

} // namespace olm3host
