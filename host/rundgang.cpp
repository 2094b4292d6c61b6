#include "rundgang.h"

#include "browser/druckvorschau.h"
#include "browser/frmBinneninfo.h"
#include "browser/frmUXAUmkreisSuche.h"
#include "browser/routenansicht.h"
#include "browser/tagesetappenansicht.h"
#include "component/frmKatalog.h"
#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "details/frmHaefen.h"
#include "details/frmSchleusen.h"
#include "details/frmTankstellen.h"
#include "details/ucOLMBinInfo.h"
#include "hostconfig.h"
#include "hostfenster.h"
#include "hosttexts.h"
#include "katalogdaten.h"
#include "planning/frmBootProfil.h"
#include "planning/frmRoutenPlanung.h"
#include "routing/core/bootprofil.h"
#include "routing/core/durchfahrt.h"
#include "routing/frmRoutenOptimiererBericht.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"
#include "ui/wochentag.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPrintPreviewWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextStream>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <utility>

namespace olm3host {

namespace {

/// The tour's route: Berlin's Landwehr canal, the Spree, the Havel past Potsdam to Brandenburg.
struct Ziel {
    char typ;
    std::vector<const char*> namen;
};
const std::vector<Ziel> kZiele = {
    {'H', {"Urbanhafen"}}, {'S', {"Unterschleuse"}},         {'S', {"Charlottenburg"}},
    {'H', {"Wannsee"}},    {'H', {"Tiefer See", "Potsdam"}}, {'S', {"Vorstadtschleuse", "Brandenburg"}},
};
/// The boat's route across Berlin: from the fuel station at Treptow up the Spree to the lock at
/// Charlottenburg. The Landwehr canal is the shorter way, under the Admiralbrücke (3.30 m); the Spree
/// through the centre is the way round.
const std::vector<Ziel> kBootZiele = {{'T', {"Treptow"}}, {'S', {"Charlottenburg"}}};
/// The boat: a cabin cruiser that passes every bridge of that way but the lowest one.
const char* const kBootWerte[] = {"Aurelia", "9.5", "3.2", "3.2", "0.9"};
constexpr size_t kMindestPunkte = 5;
/// The tour's profile folder carries this file, so that only a folder the tour made is ever cleared.
const QString kProfilMarke = QStringLiteral(".olm3binnen-rundgang");

/// The first Saturday of June ahead, 09:00.
QDateTime sommerSamstag() {
    const QDate heute = QDate::currentDate();
    QDate tag(heute.year(), 6, 1);
    if (tag < heute) tag = QDate(heute.year() + 1, 6, 1);
    while (tag.dayOfWeek() != Qt::Saturday)
        tag = tag.addDays(1);
    return QDateTime(tag, QTime(9, 0));
}

int gewaesserAnzahl(const std::vector<KartenObjekt>& punkte) {
    QSet<int> g;
    for (const auto& p : punkte)
        g.insert(p.gewaesser);
    return static_cast<int>(g.size());
}

std::vector<KartenObjekt> nachNamen(const KartenDaten& daten, const std::vector<Ziel>& ziele = kZiele) {
    std::vector<KartenObjekt> punkte;
    for (const auto& ziel : ziele) {
        const auto it =
            std::find_if(daten.objekte.begin(), daten.objekte.end(), [&ziel](const KartenObjekt& o) {
                if (o.typ != QLatin1Char(ziel.typ)) return false;
                return std::any_of(ziel.namen.begin(), ziel.namen.end(), [&o](const char* n) {
                    return o.strName.contains(QString::fromUtf8(n), Qt::CaseInsensitive);
                });
            });
        if (it != daten.objekte.end()) punkte.push_back(*it);
    }
    return punkte;
}

/// The locks and harbours of a waterway on its busier side of position j, at most three, those next to j:
/// ordered towards j (zumAbzweig) or away from it.
std::vector<KartenObjekt> seite(const KartenDaten& daten, int gewaesser, int j, bool zumAbzweig) {
    std::vector<KartenObjekt> vorher, nachher;
    for (const auto& o : daten.objekte) {
        if (o.gewaesser != gewaesser || o.index == j) continue;
        if (o.typ != QLatin1Char('S') && o.typ != QLatin1Char('H')) continue;
        (o.index < j ? vorher : nachher).push_back(o);
    }
    auto& teil = vorher.size() >= nachher.size() ? vorher : nachher;
    std::sort(teil.begin(), teil.end(), [j](const KartenObjekt& a, const KartenObjekt& b) {
        return std::abs(a.index - j) < std::abs(b.index - j);
    });
    if (teil.size() > 3) teil.resize(3);
    if (zumAbzweig) std::reverse(teil.begin(), teil.end());
    return teil;
}

std::vector<KartenObjekt> nachTypen(const KartenDaten& daten) {
    std::vector<KartenObjekt> beste;
    int besteSchleusen = -1;
    for (const auto& [von, nach] : daten.abzweige) {
        const auto a = daten.punkt.constFind(von);
        const auto b = daten.punkt.constFind(nach);
        if (a == daten.punkt.constEnd() || b == daten.punkt.constEnd() || a->first == b->first) continue;
        std::vector<KartenObjekt> punkte = seite(daten, a->first, a->second, true);
        const std::vector<KartenObjekt> weiter = seite(daten, b->first, b->second, false);
        if (punkte.empty() || weiter.empty()) continue;
        punkte.insert(punkte.end(), weiter.begin(), weiter.end());
        const int schleusen = static_cast<int>(std::count_if(
            punkte.begin(), punkte.end(), [](const KartenObjekt& o) { return o.typ == QLatin1Char('S'); }));
        if (punkte.size() >= kMindestPunkte && schleusen > besteSchleusen) {
            beste = punkte;
            besteSchleusen = schleusen;
        }
    }
    return beste;
}

QTextStream& konsole() {
    static QTextStream s(stdout);
    return s;
}

/// Stands between the browser and the host's radius search, so that the tour can photograph the running
/// search panel when the first object is found.
class SucheMitFoto : public IOLM3KWS, public IOLM3KWSEvents {
public:
    SucheMitFoto(IOLM3KWS* echt, std::function<void()> beimErstenFund)
        : m_echt(echt), m_beimErstenFund(std::move(beimErstenFund)) {}

    void KWSUmkreisSuche(std::int32_t& lngZentrumPunkteID, QString& strTyp, double& dblUmkreis, bool& blnErgebnis,
                         IOLM3KWSEvents* pEvents) override {
        m_ereignisse = pEvents;
        m_echt->KWSUmkreisSuche(lngZentrumPunkteID, strTyp, dblUmkreis, blnErgebnis, this);
        m_ereignisse = nullptr;
    }
    void KWSUmkreisSucheErgebnis(std::vector<std::int32_t>& alngPunkteID, std::vector<double>& adblStrecke,
                                 std::int32_t& lngAnzahl) override {
        m_echt->KWSUmkreisSucheErgebnis(alngPunkteID, adblStrecke, lngAnzahl);
    }
    void KWSUmkreisSucheObjGefunden(std::int32_t lngAnzahl) override {
        if (m_ereignisse) m_ereignisse->KWSUmkreisSucheObjGefunden(lngAnzahl);
        if (m_beimErstenFund) std::exchange(m_beimErstenFund, nullptr)();
    }

private:
    IOLM3KWS* m_echt;
    IOLM3KWSEvents* m_ereignisse = nullptr;
    std::function<void()> m_beimErstenFund;
};

/// An object whose detail view the tour opens from the browser's points list.
struct DetailZiel {
    std::int32_t lngBinnenID = 0;
    std::int32_t lngPunkteID = 0;
};

/// For each kind of object with a detail view, the active one that has the most to show (pictures, a
/// harbour plan and fuel station, a route description), so that the screenshots show every part.
std::vector<DetailZiel> DetailZiele(const ADODB::ConnectionPtr& con) {
    struct Art {
        const char* tabelle;
        const char* vorrang; ///< what puts the row with the most to show first
    };
    static const Art kArten[] = {
        {"Schleusen", "(ifnull(d.Bild1, '') <> '') DESC"},
        {"Haefen", "(d.TankstellenID IS NOT NULL) DESC, (ifnull(d.Plan, '') <> '') DESC, "
                   "(ifnull(d.Bild1, '') <> '') DESC"},
        {"Tankstellen", "(ifnull(d.Wegbeschreibung, '') <> '') DESC"},
        {"Bruecken", "(ifnull(d.Bild1, '') <> '') DESC"},
        {"Liegestellen", "(ifnull(d.InfoText, '') <> '') DESC"},
        {"Wehre", "(ifnull(d.Bild1, '') <> '') DESC"},
    };
    std::vector<DetailZiel> ziele;
    for (const Art& art : kArten) {
        const QString sql = QStringLiteral("SELECT p.BinnenID, p.PunkteID FROM %1 d JOIN Punkte p ON p.PunkteID = "
                                           "d.PunkteID WHERE d.Aktiv<>0 ORDER BY %2, p.PunkteID LIMIT 1")
                                .arg(QLatin1String(art.tabelle), QLatin1String(art.vorrang));
        ADODB::RecordsetPtr rs;
        QString fehler;
        if (!Abfrage(con, sql, rs, fehler) || rs->Eof()) continue;
        ziele.push_back({rs->Fields(QStringLiteral("BinnenID")).Value.toInt(),
                         rs->Fields(QStringLiteral("PunkteID")).Value.toInt()});
    }
    return ziele;
}

/// The tour's state while the component's windows come and go.
class Fahrt : public QObject {
public:
    Fahrt(const QString& ausgabe, QStringList* dateien) : m_ausgabe(ausgabe), m_dateien(dateien) {}

    void schritt(const QString& text) { konsole() << HostText(txt::TourSchritt).arg(text) << Qt::endl; }

    bool foto(QWidget* w, const QString& name) {
        QCoreApplication::processEvents();
        const QString pfad = QDir(m_ausgabe).filePath(name);
        if (!w || !w->grab().save(pfad)) return false;
        if (m_dateien) *m_dateien << pfad;
        konsole() << HostText(txt::TourDatei).arg(QDir::toNativeSeparators(pfad)) << Qt::endl;
        return true;
    }

    /// Shows a modal window of the component the way a person meets it, photographs it and presses the
    /// button the tour's next step needs.
    int fenster(QDialog* dlg) {
        dlg->show();
        dlg->raise();
        QCoreApplication::processEvents();
        if (auto* plan = qobject_cast<frmRoutenPlanung*>(dlg)) {
            int zeilen = 0;
            for (const auto& r : plan->Route())
                if (r.lngPunkteID > 0) ++zeilen;
            const QString name = QStringLiteral("planung-%1-punkte.png").arg(zeilen);
            if (m_boot != Boot::Aus) {
                bootPlanung(plan, zeilen);
            } else if (static_cast<size_t>(zeilen) < m_ziele) {
                foto(plan, name);
                plan->fpKarte()->fpb()->click();
            } else if (m_optimierungen++ == 0) {
                // The boater sets off on a summer Saturday morning, when the locks keep their season hours.
                plan->fpStartDateTime()->setDateTime(sommerSamstag());
                foto(plan, name);
                plan->fpOptimieren()->fpb()->click();
            } else {
                // Optimising failed once: the tour does not go round in circles.
                foto(plan, QStringLiteral("planung-nicht-optimiert.png"));
                plan->fpBack()->fpb()->click();
            }
        } else if (auto* bericht = qobject_cast<frmRoutenOptimiererBericht*>(dlg)) {
            foto(bericht, QStringLiteral("bericht.png"));
            bericht->pbBack()->fpb()->click();
        } else if (auto* info = qobject_cast<frmBinneninfo*>(dlg)) {
            browser(info);
        } else if (auto* detail = qobject_cast<frmDetails*>(dlg)) {
            details(detail);
        } else if (auto* katalog = qobject_cast<frmKatalog*>(dlg)) {
            // The other catalogue of the catalogue folder.
            foto(katalog, QStringLiteral("katalog.png"));
            QTableWidget* g = katalog->grid();
            if (g->rowCount() > 1) {
                g->setCurrentCell(g->currentRow() == 0 ? 1 : 0, 0);
                katalog->cmdOk()->click();
            } else {
                katalog->cmdCancel()->click();
            }
        } else if (auto* boot = qobject_cast<frmBootProfil*>(dlg)) {
            // The skipper's boat, typed in as a person does it, with the decimal point of the numbers
            // around it; the check runs when it is taken.
            for (int i = 0; i < static_cast<int>(std::size(kBootWerte)); ++i)
                boot->txtWert(i)->setText(
                    QString::fromUtf8(kBootWerte[i]).replace(QLatin1Char('.'), QLocale().decimalPoint()));
            foto(boot, QStringLiteral("boot-profil.png"));
            boot->fpUebernehmen()->click();
        } else if (auto* vorschau = qobject_cast<frmDruckvorschau*>(dlg)) {
            druckvorschau(vorschau);
        } else if (auto* suche = qobject_cast<frmUXAUmkreisSuche*>(dlg)) {
            // Locks within 25 km of where the browser was opened.
            suche->optSuche(0)->click();
            suche->chkAlle()->setChecked(false);
            suche->fpUmkreis()->setValue(25);
            foto(suche, QStringLiteral("umkreissuche-dialog.png"));
            suche->pbStart()->fpb()->click();
        } else {
            foto(dlg,
                 QStringLiteral("fenster-%1.png").arg(QString::fromLatin1(dlg->metaObject()->className())));
            dlg->reject();
        }
        dlg->hide();
        return dlg->result();
    }

    void statusFoto() {
        if (m_statusFoto) return;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->inherits("frmStatus"))
                m_statusFoto = foto(w, QStringLiteral("status.png"));
        }
    }

    /// The browser opened on the optimised route: first by the host's print action, which prints the route
    /// with its first leg opened; then from the chart menu: a route point's waterway with the route marks,
    /// the waterway list, the search view and a radius search, then "ZUR KARTE" with the nearest lock found.
    void browser(frmBinneninfo* info) {
        if (m_boot == Boot::Warnung || m_boot == Boot::Umweg) {
            bootAnsicht(info);
            return;
        }
        if (m_vorschau) {
            routenAnsicht(info);
            return;
        }
        ++m_browser;
        if (info->View() != frmBinneninfo::vwRoute || !info->fraRoute()) {
            foto(info, QStringLiteral("browser.png"));
            info->fpBack()->fpb()->click();
            return;
        }
        QTableWidget* route = info->fraRoute()->grdRoute();
        emit route->cellClicked(0, 0);
        route->setCurrentCell(0, 1);
        if (m_browser > 1) {
            foto(info, QStringLiteral("browser-route.png"));
            foto(info->fraRoute()->fraTagesetappen(), QStringLiteral("browser-tagesetappen.png"));
        }
        if (m_browser == 1) {
            // Opened by the host's print action: the route goes to the PDF file it chose.
            info->fpDrucken()->fpb()->click();
            info->fpBack()->fpb()->click();
            return;
        }

        // The second route point: its waterway, in travel direction, with the route marked.
        int zeilen = 0;
        for (int row = 0; row < route->rowCount(); ++row) {
            if (!info->fraRoute()->IstRoutenpunktZeile(row)) continue;
            if (++zeilen == 2) {
                emit route->cellDoubleClicked(row, 1);
                break;
            }
        }
        if (info->View() != frmBinneninfo::vwPunkte) info->fpPunkte()->fpb()->click();
        // The browser opens with the junctions only; the boater asks for every kind of object.
        info->pbAlle()->fpb()->click();
        foto(info, QStringLiteral("browser-punkte.png"));
        for (const DetailZiel& ziel : m_detailZiele)
            zeigeDetails(info, ziel);
        info->fpBinnen()->fpb()->click();
        foto(info, QStringLiteral("browser-gewaesser.png"));
        info->fpSuche()->fpb()->click();
        foto(info, QStringLiteral("browser-suche.png"));

        SucheMitFoto suche(modOLM3Binnen::objOLM3KWS, [this, info] {
            QCoreApplication::processEvents();
            if (info->SucheLaeuft()) foto(info, QStringLiteral("browser-umkreissuche-laeuft.png"));
        });
        IOLM3KWS* const kws = std::exchange(modOLM3Binnen::objOLM3KWS, &suche);
        info->pbUmkreisSuche()->fpb()->click();
        modOLM3Binnen::objOLM3KWS = kws;
        foto(info, QStringLiteral("browser-umkreissuche.png"));
        if (info->grdErgebniss()->rowCount() > 0) {
            info->grdErgebniss()->setCurrentCell(0, 1);
            info->fpRefBack()->fpb()->click();
        } else {
            info->fpBack()->fpb()->click();
        }
    }

    static void alleGruppenOeffnen(RoutenAnsicht* ansicht) {
        QTableWidget* route = ansicht->grdRoute();
        for (int row = route->rowCount() - 2; row >= 0; --row)
            if (ansicht->IstRoutenpunktZeile(row)) emit route->cellClicked(row, 0);
    }

    /// The boat's route planning: emptied, its two points picked on the chart and optimised before the
    /// boat is known; then the boat typed in; then optimised again, now round what the boat does not fit.
    /// Each phase presses optimise once, so a failure does not send the tour round in circles.
    void bootPlanung(frmRoutenPlanung* plan, int zeilen) {
        const bool optimieren = m_boot == Boot::Planen ? static_cast<size_t>(zeilen) >= m_ziele : m_boot == Boot::Umweg;
        if (m_boot == Boot::Planen && !m_bootGeleert) {
            m_bootGeleert = true;
            plan->fpDeleteAll()->fpb()->click();
            plan->fpKarte()->fpb()->click();
        } else if (m_boot == Boot::Profil) {
            plan->fpBoot()->fpb()->click();
            plan->fpBack()->fpb()->click();
        } else if (!optimieren) {
            plan->fpKarte()->fpb()->click();
        } else if (!m_bootOptimiert) {
            m_bootOptimiert = true;
            plan->fpStartDateTime()->setDateTime(sommerSamstag());
            if (m_boot == Boot::Planen) foto(plan, QStringLiteral("boot-planung.png"));
            plan->fpOptimieren()->fpb()->click();
        } else {
            plan->fpBack()->fpb()->click();
        }
    }

    /// The boat's route in the route view, every group open and the first row the check marked in sight.
    void bootAnsicht(frmBinneninfo* info) {
        if (info->View() == frmBinneninfo::vwRoute && info->fraRoute()) {
            RoutenAnsicht* ansicht = info->fraRoute();
            alleGruppenOeffnen(ansicht);
            QTableWidget* route = ansicht->grdRoute();
            const olm3browser::RoutenDruckInhalt inhalt = ansicht->DruckInhalt();
            for (int row = 0; row < route->rowCount(); ++row) {
                if (inhalt.durchfahrt(row) == olm3browser::DruckDurchfahrt::Keine) continue;
                route->scrollToItem(route->item(row, 1), QAbstractItemView::PositionAtCenter);
                break;
            }
            foto(info, m_boot == Boot::Warnung ? QStringLiteral("boot-warnung.png")
                                               : QStringLiteral("boot-umweg.png"));
        }
        info->fpBack()->fpb()->click();
    }

    /// The route view with every group open, then its print through the preview.
    void routenAnsicht(frmBinneninfo* info) {
        if (info->View() == frmBinneninfo::vwRoute && info->fraRoute()) {
            RoutenAnsicht* ansicht = info->fraRoute();
            QTableWidget* route = ansicht->grdRoute();
            alleGruppenOeffnen(ansicht);
            route->setCurrentCell(0, 1);
            foto(info, QStringLiteral("route-ansicht.png"));
            info->fpDrucken()->fpb()->click();
        }
        info->fpBack()->fpb()->click();
    }

    /// Every page of the print as the preview shows it; then the print is saved as a PDF file.
    void druckvorschau(frmDruckvorschau* vorschau) {
        vorschau->resize(1200, 900);
        QCoreApplication::processEvents();
        QPrintPreviewWidget* seiten = vorschau->vorschau();
        seiten->updatePreview();
        seiten->setZoomMode(QPrintPreviewWidget::FitInView);
        for (int seite = 1; seite <= seiten->pageCount(); ++seite) {
            seiten->setCurrentPage(seite);
            foto(vorschau, QStringLiteral("druck-seite-%1.png").arg(seite));
        }
        QComboBox* ziel = vorschau->cmbDrucker();
        ziel->setCurrentIndex(ziel->count() - 1);
        const QString pdf = QDir(m_ausgabe).filePath(QStringLiteral("route-vorschau.pdf"));
        vorschau->txtPdfDatei()->setText(pdf);
        vorschau->cmdDrucken()->click();
        if (m_dateien && QFileInfo::exists(pdf)) *m_dateien << pdf;
    }

    /// Opens the detail view of an object the way a boater does: its waterway from the waterway list,
    /// its row in the points list, then DETAILS.
    void zeigeDetails(frmBinneninfo* info, const DetailZiel& ziel) {
        info->fpBinnen()->fpb()->click();
        QTableWidget* gewaesser = info->grdBinnen();
        for (int row = 0; row < gewaesser->rowCount(); ++row) {
            if (gewaesser->item(row, 0)->data(frmBinneninfo::kZeilenDaten).toInt() != ziel.lngBinnenID) continue;
            gewaesser->setCurrentCell(row, 0);
            emit gewaesser->cellDoubleClicked(row, 0);
            break;
        }
        QTableWidget* punkte = info->grdPunkte();
        for (int row = 0; row < punkte->rowCount(); ++row) {
            for (int col = 0; col < punkte->columnCount(); ++col) {
                const QTableWidgetItem* item = punkte->item(row, col);
                if (!item || item->data(frmBinneninfo::kZeilenDaten).toInt() != ziel.lngPunkteID) continue;
                punkte->setRowHidden(row, false);
                punkte->setCurrentCell(row, col);
                info->fpDetails()->fpb()->click();
                return;
            }
        }
    }

    /// A detail view: its screenshot, then every window it leads to — the pictures, the harbour's fuel
    /// station, the route description, the lock's operating hours.
    void details(frmDetails* frm) {
        QString name = QStringLiteral("detail-%1.png").arg(QString::fromLatin1(frm->metaObject()->className()));
        if (m_fotos.contains(name)) name.replace(QLatin1String(".png"), QLatin1String("-2.png"));
        m_fotos.insert(name);
        foto(frm, name);
        ucOLMBinInfo* panel = frm->ucInfo();
        if (auto* schleuse = qobject_cast<frmSchleusen*>(frm)) schleuse->pbBZ()->fpb()->click();
        if (auto* hafen = qobject_cast<frmHaefen*>(frm); hafen && hafen->pbTankstelle()->isVisible())
            hafen->pbTankstelle()->fpb()->click();
        if (qobject_cast<frmTankstellen*>(frm) && panel->Visible_Button()) panel->pbButton()->fpb()->click();
        if (panel->Visible_Bild1() && !m_fotos.contains(QStringLiteral("fenster-frmBild.png"))) {
            m_fotos.insert(QStringLiteral("fenster-frmBild.png"));
            panel->pbBild1()->fpb()->click();
        }
        frm->pbBack()->fpb()->click();
    }

    size_t m_ziele = 0;
    int m_optimierungen = 0;
    /// Where the boat's step is: planning its route, typing in the boat, the route view with the warning,
    /// planning the way round, the route view without the warning.
    enum class Boot { Aus, Planen, Profil, Warnung, Umweg };
    Boot m_boot = Boot::Aus;
    bool m_bootGeleert = false;
    bool m_bootOptimiert = false;
    int m_browser = 0;
    /// The browser is opened for the route view and its print preview.
    bool m_vorschau = false;
    std::vector<DetailZiel> m_detailZiele;
    QSet<QString> m_fotos;
    QStringList m_meldungen;

private:
    QString m_ausgabe;
    QStringList* m_dateien;
    bool m_statusFoto = false;
};

void klicke(QWidget* w, const QPointF& pos) {
    const QPointF global = w->mapToGlobal(pos);
    QMouseEvent druck(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent los(QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &druck);
    QCoreApplication::sendEvent(w, &los);
}

int fehler(const QString& text) {
    konsole() << HostText(txt::TourFehler).arg(text) << Qt::endl;
    return 1;
}

bool bereiteProfil(const QString& profil) {
    QDir dir(profil);
    if (dir.exists()) {
        if (!QFileInfo::exists(dir.filePath(kProfilMarke))) return false;
        dir.removeRecursively();
    }
    if (!QDir().mkpath(profil)) return false;
    QFile marke(dir.filePath(kProfilMarke));
    return marke.open(QIODevice::WriteOnly);
}

/// The route view of the optimised route, as the browser opens it from the chart.
void zeigeRoute(HostFenster& w) {
    bool pos = false;
    double lg = 0.0, bg = 0.0;
    w.Komponente().Binneninfo(pos, lg, bg, false, true);
}

int nichtPassend(const std::vector<olm3::Durchfahrtsbefund>& befunde) {
    return olm3::Zaehle(befunde).intPasstNicht;
}

/// The boat: its route is planned and optimised before the skipper types the boat in; the check then
/// marks the one bridge it does not fit, and optimised again the route goes round it. 0 when every part
/// worked; the steps of a catalogue without the boat's landmarks are left out.
int bootSchritt(HostFenster& w, Fahrt& fahrt) {
    const std::vector<KartenObjekt> punkte = nachNamen(w.karte()->Daten(), kBootZiele);
    if (punkte.size() != kBootZiele.size()) return 0;
    std::vector<QPointF> lagen;
    for (const auto& p : punkte)
        lagen.push_back(p.lage);
    w.karte()->ZeigeBereich(Umfang(lagen));
    fahrt.m_ziele = punkte.size();
    fahrt.m_boot = Fahrt::Boot::Planen;
    fahrt.m_bootOptimiert = false;
    w.RoutenPlanung();
    for (const auto& p : punkte) {
        if (!w.karte()->PunktWahl()) return fehler(HostText(txt::PunktWaehlen));
        klicke(w.karte(), w.karte()->ZuBildschirm(p.lage));
    }
    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen kurz;
    if (!w.Komponente().GetRouteOptimiert(route, kurz)) return fehler(HostText(txt::TourNichtOptimiert));

    fahrt.m_boot = Fahrt::Boot::Profil;
    w.RoutenPlanung();
    const olm3::BootProfil boot = w.Komponente().GetBootProfil();
    const auto zahl = [](double v) { return modOLM3Binnen::FormatNumber(v, QStringLiteral("0.00")); };
    fahrt.schritt(HostText(txt::TourBoot).arg(boot.strName, zahl(boot.dblHoehe), zahl(boot.dblSicherheit)));
    const std::vector<olm3::Durchfahrtsbefund> befunde = w.Komponente().GetDurchfahrt();
    const auto bruecke = std::find_if(befunde.begin(), befunde.end(), [](const olm3::Durchfahrtsbefund& b) {
        return b.art == olm3::Befundart::PasstNicht;
    });
    if (nichtPassend(befunde) != 1 || bruecke->strTypID != QLatin1String("B"))
        return fehler(HostText(txt::TourBootKeinUmweg));
    fahrt.schritt(HostText(txt::TourBootWarnung)
                      .arg(modOLM3Binnen::FormatNumber(kurz.dblStrecke, QStringLiteral("0.0")),
                           olm3::BefundText(*bruecke, [](std::int32_t id) { return HostText(id); })));
    w.karte()->ZeigeBereich(w.karte()->RoutenBereich());
    fahrt.foto(&w, QStringLiteral("karte-boot-warnung.png"));
    fahrt.m_boot = Fahrt::Boot::Warnung;
    zeigeRoute(w);

    // Optimised again: the search keeps to what the boat fits.
    fahrt.m_boot = Fahrt::Boot::Umweg;
    fahrt.m_bootOptimiert = false;
    w.RoutenPlanung();
    RouteOptimiertSummen umweg;
    if (!w.Komponente().GetRouteOptimiert(route, umweg) || nichtPassend(w.Komponente().GetDurchfahrt()) != 0 ||
        umweg.dblStrecke <= kurz.dblStrecke)
        return fehler(HostText(txt::TourBootKeinUmweg));
    fahrt.schritt(HostText(txt::TourBootUmweg).arg(modOLM3Binnen::FormatNumber(umweg.dblStrecke, QStringLiteral("0.0"))));
    w.karte()->ZeigeBereich(w.karte()->RoutenBereich());
    fahrt.foto(&w, QStringLiteral("karte-boot-umweg.png"));
    zeigeRoute(w);
    fahrt.m_boot = Fahrt::Boot::Aus;
    return 0;
}

} // namespace

std::vector<KartenObjekt> RundgangPunkte(const KartenDaten& daten) {
    std::vector<KartenObjekt> punkte = nachNamen(daten);
    if (punkte.size() >= kMindestPunkte && gewaesserAnzahl(punkte) >= 2) return punkte;
    punkte = nachTypen(daten);
    if (punkte.size() >= kMindestPunkte && gewaesserAnzahl(punkte) >= 2) return punkte;
    return {};
}

int Rundgang(const QString& strAusgabe, QStringList* astrDateien) {
    const QString ausgabe = QDir(strAusgabe).absolutePath();
    if (!QDir().mkpath(ausgabe))
        return fehler(HostText(txt::TourOutFehlt).arg(QDir::toNativeSeparators(ausgabe)));
    const QString profil = QDir(ausgabe).filePath(QStringLiteral("profil"));
    if (!bereiteProfil(profil))
        return fehler(HostText(txt::TourOutBelegt).arg(QDir::toNativeSeparators(profil)));

    Fahrt fahrt(ausgabe, astrDateien);
    // Messages go to the console: nobody is there to press OK.
    auto alteMeldung =
        modOLM3Binnen::SetMsgBoxHandler([&fahrt](const QString& text, int stil, const QString&) {
            konsole() << QStringLiteral("  ! ") << QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))
                      << Qt::endl;
            fahrt.m_meldungen << text;
            return int((stil & 7) == modOLM3Binnen::vbYesNo || (stil & 7) == modOLM3Binnen::vbYesNoCancel
                           ? modOLM3Binnen::vbYes
                           : modOLM3Binnen::vbOK);
        });
    auto alterFensterTreiber = olm3ui::SetModalHandler([&fahrt](QDialog* dlg) { return fahrt.fenster(dlg); });
    struct Zurueck {
        std::function<void()> f;
        ~Zurueck() { f(); }
    } zurueck{[&] {
        olm3ui::SetModalHandler(std::move(alterFensterTreiber));
        modOLM3Binnen::SetMsgBoxHandler(std::move(alteMeldung));
    }};

    HostConfig cfg(HostPfade::Unter(profil), MitgelieferteKatalogOrdner());
    cfg.Start();
    HostFenster w(cfg);
    w.resize(1400, 900);
    w.show();
    w.Start();
    QObject::connect(&w, &HostFenster::RouteOptimiertGemeldet, &fahrt, [&fahrt] { fahrt.statusFoto(); });
    if (!w.Komponente().conBinnenDatabase()) return fehler(HostText(txt::KeinKatalog));
    fahrt.schritt(HostText(txt::Katalog).arg(w.karte()->Daten().strKatalogName));
    fahrt.foto(&w, QStringLiteral("karte.png"));
    // Berlin's centre, zoomed in: the Spree, the Landwehrkanal and the Schifffahrtskanal with their marks.
    w.karte()->ZeigeBereich(QRectF(QPointF(13.30, 52.485), QPointF(13.47, 52.545)));
    // The pointer rests on the Spree: the status bar tells its position, the waterway and its kilometre.
    const QPointF zeiger = w.karte()->ZuBildschirm(QPointF(13.3960, 52.5222));
    QMouseEvent bewegung(QEvent::MouseMove, zeiger, w.karte()->mapToGlobal(zeiger), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.karte(), &bewegung);
    fahrt.foto(&w, QStringLiteral("karte-berlin.png"));

    const std::vector<KartenObjekt> punkte = RundgangPunkte(w.karte()->Daten());
    if (punkte.empty()) return fehler(HostText(txt::TourKeinePunkte));
    fahrt.m_ziele = punkte.size();
    std::vector<QPointF> lagen;
    for (const auto& p : punkte) {
        lagen.push_back(p.lage);
        fahrt.schritt(p.strName);
    }
    w.karte()->ZeigeBereich(Umfang(lagen));

    // Route planning opens empty; its chart button hands over to the chart, where each point is clicked.
    w.RoutenPlanung();
    for (size_t i = 0; i < punkte.size(); ++i) {
        if (!w.karte()->PunktWahl()) return fehler(HostText(txt::PunktWaehlen));
        if (i == 0) fahrt.foto(&w, QStringLiteral("karte-punktwahl.png"));
        klicke(w.karte(), w.karte()->ZuBildschirm(punkte[i].lage));
    }

    std::vector<typRouteOptimiert> route;
    RouteOptimiertSummen summen;
    if (!w.Komponente().GetRouteOptimiert(route, summen)) return fehler(HostText(txt::TourNichtOptimiert));
    QSet<std::int32_t> gewaesser;
    int schleusen = 0;
    for (const auto& r : route) {
        gewaesser.insert(r.lngBinnenID);
        if (r.strTypID == QLatin1String("S")) ++schleusen;
    }
    fahrt.schritt(HostText(txt::TourRoute)
                      .arg(punkte.size())
                      .arg(gewaesser.size())
                      .arg(schleusen)
                      .arg(modOLM3Binnen::FormatNumber(summen.dblStrecke, QStringLiteral("0.0"))));
    w.karte()->ZeigeBereich(w.karte()->RoutenBereich());
    fahrt.foto(&w, QStringLiteral("karte-route.png"));

    w.Bericht();
    const QString pdf = QDir(ausgabe).filePath(QStringLiteral("bericht.pdf"));
    if (!w.BerichtDrucken(pdf)) return fehler(HostText(txt::BerichtNichtGespeichert).arg(pdf));
    if (astrDateien) *astrDateien << pdf;
    konsole() << HostText(txt::TourDatei).arg(QDir::toNativeSeparators(pdf)) << Qt::endl;

    // The browser from the chart menu, opening on the route, which it prints; "ZUR KARTE" brings the
    // chart to the nearest lock the radius search found.
    const QString routenPdf = QDir(ausgabe).filePath(QStringLiteral("route.pdf"));
    QFile::remove(routenPdf);
    w.RouteDrucken(routenPdf);
    if (!QFileInfo::exists(routenPdf)) return fehler(HostText(txt::BerichtNichtGespeichert).arg(routenPdf));
    if (astrDateien) *astrDateien << routenPdf;
    konsole() << HostText(txt::TourDatei).arg(QDir::toNativeSeparators(routenPdf)) << Qt::endl;
    // The timed route as GPX, from the host's menu, for the plotter and the phone on board.
    const QString gpx = QDir(ausgabe).filePath(QStringLiteral("route.gpx"));
    if (!w.GpxExportieren(gpx)) return fehler(QDir::toNativeSeparators(gpx));
    if (astrDateien) *astrDateien << gpx;
    konsole() << HostText(txt::TourDatei).arg(QDir::toNativeSeparators(gpx)) << Qt::endl;
    // The chart centred on the harbour in the middle of the route, where the browser opens.
    const QPointF mitte = punkte[punkte.size() / 2].lage;
    w.karte()->ZeigeBereich(QRectF(mitte - QPointF(0.05, 0.03), mitte + QPointF(0.05, 0.03)));
    fahrt.m_detailZiele = DetailZiele(w.Komponente().conBinnenDatabase());
    w.actBinneninfo->trigger();
    fahrt.foto(&w, QStringLiteral("karte-zur-karte.png"));

    // The route view with every group open, and the pages of its print in the preview.
    fahrt.m_vorschau = true;
    zeigeRoute(w);
    fahrt.m_vorschau = false;

    // The skipper's boat is too high for a bridge of the Landwehr canal: the warning, then the way round.
    if (const int rc = bootSchritt(w, fahrt)) return rc;

    // The catalogue selection: the other bundled catalogue, which the chart then shows.
    const QString katalog = w.karte()->Daten().strKatalogName;
    w.actKatalogWahl->trigger();
    if (w.karte()->Daten().strKatalogName != katalog) {
        fahrt.schritt(HostText(txt::Katalog).arg(w.karte()->Daten().strKatalogName));
        fahrt.foto(&w, QStringLiteral("karte-katalog.png"));
    }

    konsole() << HostText(txt::TourAusgabe).arg(QDir::toNativeSeparators(ausgabe)) << Qt::endl;
    return schleusen >= 2 && gewaesser.size() >= 2 ? 0 : fehler(HostText(txt::TourKeinePunkte));
}

} // namespace olm3host
