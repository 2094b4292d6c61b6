#include "olm3binnen/clsOLM3Binnen.h"

#include "component/clsOLM3BinnenState.h"
#include "data/modOLM3Binnen.h"
#include "data/nearestpoint.h"
#include "routing/core/bootprofil.h"
#include "routing/core/durchfahrt.h"
#include "ui/messagebox.h"

using namespace modOLM3Binnen;

namespace {
const QString kModul = QStringLiteral("clsOLM3Binnen");

/// The leading number of a text, as the catalogue file name carries it ("12_Berlin" gives 12).
std::int16_t leadingNumber(const QString& s) {
    int i = 0;
    while (i < s.size() && s[i].isSpace()) ++i;
    const int start = i;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) ++i;
    while (i < s.size() && s[i].isDigit()) ++i;
    bool ok = false;
    const int v = s.mid(start, i - start).toInt(&ok);
    if (!ok || v > 32767 || v < -32768) return 0;
    return static_cast<std::int16_t>(v);
}

/// A waterway catalogue has at least one of its own tables; anything else is some other database.
bool looksLikeCatalogue(const ADODB::Connection& con) {
    return con.HasObject(QStringLiteral("Punkte")) || con.HasObject(QStringLiteral("Binnen")) ||
           con.HasObject(QStringLiteral("Abfragen"));
}
} // namespace

clsOLM3Binnen::clsOLM3Binnen() : d(std::make_unique<clsOLM3BinnenState>()) { olm3ui::InstallMessageBoxHandler(); }

clsOLM3Binnen::~clsOLM3Binnen() {
    try {
        RoutenPlanungAus();
        if (d->frmStatus) delete d->frmStatus.data();
        if (d->frmBericht) delete d->frmBericht.data();
        if (modOLM3Binnen::conBinnenDatabase) modOLM3Binnen::conBinnenDatabase->Close();
        modOLM3Binnen::conBinnenDatabase.reset();
    } catch (...) {
        // Destruction never fails.
    }
}

olm3::BootProfil clsOLM3Binnen::GetBootProfil() const { return d->profil; }

bool clsOLM3Binnen::SetBootProfil(const olm3::BootProfil& profil) {
    d->profil = profil;
    PruefeDurchfahrt();
    const QString ini = objOLM3Cfg ? objOLM3Cfg->GetIniDatei() : QString();
    return olm3::SchreibeBootProfil(ini, profil);
}

std::vector<olm3::Durchfahrtsbefund> clsOLM3Binnen::GetDurchfahrt() const { return d->befunde; }

void clsOLM3Binnen::PruefeDurchfahrt() {
    d->befunde.clear();
    if (!d->blnRouteOptimiert) return;
    // A catalogue that cannot be read leaves the route without findings; the record-set layer has said why.
    olm3::PruefeDurchfahrt(modOLM3Binnen::conBinnenDatabase, d->RoutenZeilen(), d->profil, d->befunde);
}

bool clsOLM3Binnen::Init(IOLM3Cfg* cfg, IOLM3KWS* kws, IOLM3TGF* tgf) {
    try {
        d->alngRouteGeplant = {0};
        d->alngRouteGesichert = {0};
        d->IsStartZeitSet = false;
        d->StartZeit = olm3::DatumNull();
        d->strTypFilter = QStringLiteral("A");
        d->blnSuchergebnisse = false;
        d->lngSuchAnzahl = 0;
        d->alngSuchPunkteID = {0};
        d->adblSuchStrecke = {0.0};

        objOLM3Cfg = cfg;
        objOLM3KWS = kws;
        objOLM3TGF = tgf;

        if (modOLM3Binnen::conBinnenDatabase) modOLM3Binnen::conBinnenDatabase->Close();
        modOLM3Binnen::conBinnenDatabase.reset();

        d->blnRouteOptimiert = false;
        d->befunde.clear();
        d->profil = olm3::LeseBootProfil(cfg ? cfg->GetIniDatei() : QString());

        if (!cfg || !cfg->IsBinnenKatalog()) {
            intKatalogNr = -1;
            return true;
        }
        const QString katalog = cfg->GetBinnenKatalog();
        ADODB::ConnectionPtr con;
        if (ADO_Open_Connection(katalog, con, cfg->GetSystemDatenbank(), cfg->GetBenutzer(), cfg->GetPasswort(),
                                true)) {
            if (!looksLikeCatalogue(*con)) {
                con->Close();
                return true;
            }
            modOLM3Binnen::conBinnenDatabase = con;
            intKatalogNr = 0;
            QString folder, name, ext;
            SplitPath(katalog, folder, name, ext);
            const int underscore = name.indexOf(QLatin1Char('_'));
            if (underscore >= 0) intKatalogNr = leadingNumber(name.left(underscore + 1));
        }
        return true;
    } catch (const std::exception& ex) {
        const olm3::RuntimeError e = AsRuntimeError(ex);
        MsgBox(GetText(kModul, 1600) + QStringLiteral("\r\n") + GetText(kModul, 529) + QStringLiteral(": ") +
                   QString::number(e.Number()) + QLatin1Char(' ') + e.Description(),
               vbCritical, objOLM3Cfg ? objOLM3Cfg->GetAppTitel() : QString());
        return false;
    }
}

void clsOLM3Binnen::conWPundRoutenDB(const ADODB::ConnectionPtr& con) { modOLM3Binnen::conWPundRoutenDB = con; }
ADODB::ConnectionPtr clsOLM3Binnen::conWPundRoutenDB() const { return modOLM3Binnen::conWPundRoutenDB; }
ADODB::ConnectionPtr clsOLM3Binnen::conBinnenDatabase() const { return modOLM3Binnen::conBinnenDatabase; }

bool clsOLM3Binnen::GetPunktPosition(std::int32_t lngPunkteID, double& dblLgPos, double& dblBgPos,
                                     bool blnBesonderePkt) {
    return modOLM3Binnen::GetPunktPosition(lngPunkteID, dblLgPos, dblBgPos, blnBesonderePkt);
}

QDateTime clsOLM3Binnen::StartZeit() const { return d->StartZeit; }
void clsOLM3Binnen::StartZeit(const QDateTime& dat) { d->StartZeit = olm3::MakeDatum(dat.date(), dat.time()); }
double clsOLM3Binnen::MarschV() const { return d->MarschV; }
void clsOLM3Binnen::MarschV(double dbl) { d->MarschV = dbl; }
bool clsOLM3Binnen::IsStartZeitSet() const { return d->IsStartZeitSet; }
void clsOLM3Binnen::IsStartZeitSet(bool bln) { d->IsStartZeitSet = bln; }

bool clsOLM3Binnen::SetRouteGeplant(const std::vector<std::int32_t>& alngPunkteID) {
    d->alngRouteGeplant = alngPunkteID.empty() ? std::vector<std::int32_t>{0} : alngPunkteID;
    return false;
}

bool clsOLM3Binnen::GetRouteGeplant(std::vector<std::int32_t>& alngPunkteID) const {
    alngPunkteID = d->alngRouteGeplant;
    return false;
}

bool clsOLM3Binnen::SetPktNeuRouteGeplant(std::int32_t lngId) {
    auto& route = d->alngRouteGeplant;
    if (route.empty() || route.front() == 0) {
        if (route.empty()) route.push_back(0);
        route.front() = lngId;
        return false;
    }
    // Insert before the former element p; a position at or past the end appends, one before the
    // first data row inserts at the front.
    const std::int32_t n = static_cast<std::int32_t>(route.size());
    std::int32_t p = d->lngRoutenPktNum;
    if (p > n) p = n;
    if (p < 0) p = 0;
    route.insert(route.begin() + p, lngId);
    return false;
}

bool clsOLM3Binnen::DeleteRouteGeplant() {
    d->alngRouteGeplant = {0};
    d->IsStartZeitSet = false;
    return false;
}

bool clsOLM3Binnen::DeleteRouteOptimiert() {
    d->blnRouteOptimiert = false;
    // The row count and the totals go with the rows: a report opened now is an empty one.
    d->route.audtRouteOptimiert.assign(1, typRouteOptimiert{});
    d->route.lngAnzahlRouteOptimiert = 0;
    d->route.dblSummeDurchgangszeit = 0;
    d->route.dblSummeWartezeit = 0;
    d->route.dblSummeFahrzeit = 0;
    d->befunde.clear();
    if (d->listener) d->listener->RouteOptimiertAus();
    return false;
}

bool clsOLM3Binnen::NaechsterPunkt(double dblInitLg, double dblInitBg, double dblInitFangbereich,
                                   std::int32_t& lngBinnenID, QString& strBinnenBez, std::int32_t& lngPunkteID,
                                   double& dblLg, double& dblBg, double& dblEntfernung, double* dblAmtlKM,
                                   double* dblVMax, double* dblTiefe) {
    double km = dblAmtlKM ? *dblAmtlKM : 0.0, vmax = dblVMax ? *dblVMax : 0.0, tiefe = dblTiefe ? *dblTiefe : 0.0;
    const bool found = GetNaechsterPunkt(dblInitLg, dblInitBg, dblInitFangbereich, lngBinnenID, strBinnenBez,
                                         lngPunkteID, dblLg, dblBg, dblEntfernung, km, vmax, tiefe);
    if (dblAmtlKM) *dblAmtlKM = km;
    if (dblVMax) *dblVMax = vmax;
    if (dblTiefe) *dblTiefe = tiefe;
    return found;
}

bool clsOLM3Binnen::PositionNaechsterPunkt(double dblInitLg, double dblInitBg, double dblInitFangbereich,
                                           double& dblLg, double& dblBg, std::int32_t* lngPunkteID) {
    std::int32_t binnenID = 0, punkteID = lngPunkteID ? *lngPunkteID : 0;
    QString bez;
    double entfernung = 0, km = 0, vmax = 0, tiefe = 0;
    const bool found = GetNaechsterPunkt(dblInitLg, dblInitBg, dblInitFangbereich, binnenID, bez, punkteID, dblLg,
                                         dblBg, entfernung, km, vmax, tiefe);
    if (lngPunkteID) *lngPunkteID = punkteID;
    return found;
}

void clsOLM3Binnen::EventRoutenPktKarte(std::int32_t lngNum) {
    d->lngRoutenPktNum = lngNum;
    if (d->listener) d->listener->RoutenPktKarte();
}

void clsOLM3Binnen::EventStartOptimierer(std::vector<typRoute>& audtRoute) {
    std::vector<std::int32_t> ids;
    ids.reserve(audtRoute.size());
    for (const auto& r : audtRoute) ids.push_back(r.lngPunkteID);
    RoutenPlanungAus();
    QDateTime start = d->StartZeit;
    if (d->listener) d->listener->StartOptimierer(ids, start);
    if (!d->blnRouteOptimiert) {
        double lg = d->dblLgInit, bg = d->dblBgInit;
        bool valid = d->blnValidInit;
        RoutenPlanung(lg, bg, valid);
    }
}

void clsOLM3Binnen::EventRouteChange(std::vector<typRoute>& audtRoute) {
    DeleteRouteOptimiert();
    std::vector<std::int32_t> ids;
    std::vector<double> lg(audtRoute.size(), 0.0), bg(audtRoute.size(), 0.0);
    for (size_t i = 0; i < audtRoute.size(); ++i) {
        ids.push_back(audtRoute[i].lngPunkteID);
        if (audtRoute[i].lngPunkteID > 0) {
            lg[i] = audtRoute[i].dblLg;
            bg[i] = audtRoute[i].dblBg;
        }
    }
    d->alngRouteGeplant = ids.empty() ? std::vector<std::int32_t>{0} : ids;
    if (d->listener) d->listener->RouteChange(lg, bg);
}

void clsOLM3Binnen::EventRoutenPlanungClose() {
    if (d->listener) d->listener->RoutenPlanungClose();
}

void clsOLM3Binnen::EventDeleteAll() {
    DeleteRouteGeplant();
    DeleteRouteOptimiert();
}

void clsOLM3Binnen::EventParamNichtGesetzt() {
    if (d->listener) d->listener->Schiffsparameter();
}

void clsOLM3Binnen::SetSuchergebnisse(std::int32_t lngAnzahl, const std::vector<std::int32_t>& alngPunkteID,
                                      const std::vector<double>& adblStrecke) {
    d->blnSuchergebnisse = true;
    d->lngSuchAnzahl = lngAnzahl;
    if (lngAnzahl < 1) {
        d->alngSuchPunkteID.resize(1, 0);
        d->adblSuchStrecke.resize(1, 0.0);
        return;
    }
    const auto n = static_cast<size_t>(lngAnzahl);
    d->alngSuchPunkteID.resize(n, 0);
    d->adblSuchStrecke.resize(n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        d->alngSuchPunkteID[i] = i < alngPunkteID.size() ? alngPunkteID[i] : 0;
        d->adblSuchStrecke[i] = i < adblStrecke.size() ? adblStrecke[i] : 0.0;
    }
}

void clsOLM3Binnen::GetSuchergebnisse(std::int32_t& lngAnzahl, std::vector<std::int32_t>& alngPunkteID,
                                      std::vector<double>& adblStrecke) const {
    if (!d->blnSuchergebnisse || d->lngSuchAnzahl == 0) {
        lngAnzahl = 0;
        alngPunkteID.resize(1, 0);
        adblStrecke.resize(1, 0.0);
        return;
    }
    lngAnzahl = d->lngSuchAnzahl;
    const auto n = static_cast<size_t>(std::max<std::int32_t>(lngAnzahl, 1));
    alngPunkteID.resize(n, 0);
    adblStrecke.resize(n, 0.0);
    for (size_t i = 0; i < n && i < d->alngSuchPunkteID.size(); ++i) {
        alngPunkteID[i] = d->alngSuchPunkteID[i];
        adblStrecke[i] = d->adblSuchStrecke[i];
    }
}

bool clsOLM3Binnen::SuchergebnisseGespeichert() const { return d->blnSuchergebnisse; }
QWidget* clsOLM3Binnen::GeladeneRoutenPlanung() const { return d->frmRoutenPlanung.data(); }
QWidget* clsOLM3Binnen::GefuellterBericht() const { return d->frmBericht.data(); }

void clsOLM3Binnen::Event_BreakOptimierer() {
    d->blnBreakOptimierer = true;
    if (d->listener) d->listener->BreakOptimierer();
}

void clsOLM3Binnen::SetEventListener(clsOLM3BinnenEvents* pListener) { d->listener = pListener; }
clsOLM3BinnenEvents* clsOLM3Binnen::EventListener() const { return d->listener; }

bool clsOLM3Binnen::GetRouteOptimiert(std::vector<typRouteOptimiert>& audtRoute, RouteOptimiertSummen& summen) const {
    summen = RouteOptimiertSummen{};
    summen.datStartZeit = d->StartZeit;
    audtRoute.clear();
    if (!d->blnRouteOptimiert) return false;
    const auto zeilen = d->RoutenZeilen();
    audtRoute.assign(zeilen.begin(), zeilen.end());
    summen.dblSummeDurchgangszeit = d->route.dblSummeDurchgangszeit;
    summen.dblSummeWartezeit = d->route.dblSummeWartezeit;
    summen.dblSummeFahrzeit = d->route.dblSummeFahrzeit;
    summen.dblStrecke = audtRoute.empty() ? 0.0 : audtRoute.back().dblStrecke;
    for (const typRouteOptimiert& r : audtRoute)
        if (r.intWartegrund == olm3::wgKeinBetrieb) ++summen.lngSchleusenOhneBetriebszeit;
    summen.lngAbbruchVon = d->route.lngAbbruchVon;
    summen.lngAbbruchNach = d->route.lngAbbruchNach;
    return true;
}

bool clsOLM3Binnen::GetRouteOptimiert(std::vector<typRouteOptimiert>& audtRoute, QDateTime& datStartZeit) const {
    RouteOptimiertSummen summen;
    const bool vorhanden = GetRouteOptimiert(audtRoute, summen);
    datStartZeit = summen.datStartZeit;
    return vorhanden;
}

void clsOLM3Binnen::SetStepPause(int ms) { SetStepPauseMs(ms); }
int clsOLM3Binnen::StepPause() { return StepPauseMs(); }
void clsOLM3Binnen::SetPrintToPdf(const QString& strPdfDatei) { strDruckPdf = strPdfDatei; }
QString clsOLM3Binnen::PrintToPdf() { return strDruckPdf; }

std::vector<std::int32_t> clsOLM3Binnen::RouteGesichert() const { return d->alngRouteGesichert; }
void clsOLM3Binnen::RouteGesichert(const std::vector<std::int32_t>& alngPunkteID) { d->alngRouteGesichert = alngPunkteID; }
