#include "details/frmDetails.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "details/frmBild.h"
#include "details/ucOLMBinInfo.h"
#include "ui/messagebox.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <algorithm>

using namespace modOLM3Binnen;

namespace {

/// Height of one row of labelled values.
int angabenZeile(const QFont& f) {
    return QFontMetrics(f).height() + 6;
}

} // namespace

frmDetails::frmDetails(const Art& art, QWidget* parent)
    : QDialog(parent), m_art(art), m_strModul(QString::fromLatin1(art.strModul)) {
    setObjectName(m_strModul);
    setWindowTitle(StripAmpersand(Text(art.lngTitel)));
    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);

    m_ucInfo = new ucOLMBinInfo(this);
    m_ucInfo->Backcolor(palette().color(QPalette::Window));
    m_ucInfo->Caption_InfoText(Text(852));
    m_ucInfo->Caption_Telefon(Text(853));
    m_ucInfo->Caption_UKWKanal(Text(854));
    m_ucInfo->Caption_Bild1(QString());
    m_ucInfo->Caption_Bild2(QString());
    m_ucInfo->Caption_Button(QString());
    m_ucInfo->Visible_Button(false);
    m_ucInfo->FormatControls();
    connect(m_ucInfo, &ucOLMBinInfo::Bild1Click, this, [this] { ZeigeBild(m_strBild1); });
    connect(m_ucInfo, &ucOLMBinInfo::Bild2Click, this, [this] { ZeigeBild(m_strBild2); });
    connect(m_ucInfo, &ucOLMBinInfo::ButtonClick, this, [this] { PanelButtonClick(); });

    m_pbBack = new ucOLMButton(this);
    m_pbBack->setObjectName(QStringLiteral("pbBack"));
    m_pbBack->IsDefault(true);
    m_pbBack->Text(QString());
    if (objOLM3Cfg) m_pbBack->LoadPicture(objOLM3Cfg->GetBild(609));
    connect(m_pbBack, &ucOLMButton::Click, this, &QDialog::accept);

    resize(art.intBreite, art.intHoehe);
}

QString frmDetails::Text(std::int32_t lngTextID) const {
    return GetText(m_strModul, lngTextID);
}

QString frmDetails::AktivBedingung(const char* strFeld, std::int32_t lngID) {
    return QLatin1String(strFeld) + QStringLiteral("= ") + QString::number(lngID) + QStringLiteral(" AND Aktiv=true");
}

bool frmDetails::Init(std::int32_t lngPunkteID) {
    return Lade(lngPunkteID, AktivBedingung("PunkteID", lngPunkteID));
}

bool frmDetails::Lade(std::int32_t lngPunkteID, const QString& strWhere) {
    SetHourglass();
    m_lngPunkteID = lngPunkteID;
    if (!ShowDaten(strWhere)) {
        SetNormalPointer();
        return false;
    }
    move(FreierBildschirm(this).topLeft() + QPoint(kFensterX, kFensterY));
    // The fuel station's view is lower than any view may be made; its minimum size wins.
    resize(std::max(m_art.intBreite, kMinBreite), std::max(m_art.intHoehe, kMinHoehe));
    setProperty("Tag", kFensterName);
    Anordnen();
    SetNormalPointer();
    return true;
}

bool frmDetails::ShowDaten(const QString& strWhere) {
    m_blnOhneAngaben = false;
    if (!IsKatalogOffen()) return false;
    ADODB::RecordsetPtr rs;
    try {
        if (!ADO_Open_Recordset(conBinnenDatabase, rs, QString::fromLatin1(m_art.strTabelle),
                                QStringLiteral("*"), strWhere, QString(), true)) {
            ADO_Close_Recordset(rs, true);
            return false;
        }
        if (rs->Eof() || rs->Bof()) {
            m_blnOhneAngaben = true;
            ADO_Close_Recordset(rs, true);
            return false;
        }
        m_lngObjektID = CLng(Feld(*rs, m_art.strIDFeld));
        m_strBezeichnung = Feld(*rs, "Bezeichnung");
        m_strInfoText = Feld(*rs, "InfoText");
        m_strBild1 = Feld(*rs, "Bild1");
        m_strBild2 = Feld(*rs, "Bild2");

        m_ucInfo->Text_Bezeichnung(m_strBezeichnung);
        m_ucInfo->Visible_Bild1(!m_strBild1.isEmpty());
        m_ucInfo->Visible_Bild2(!m_strBild2.isEmpty());
        m_ucInfo->Visible_InfoText(!m_strInfoText.isEmpty());
        m_ucInfo->Visible_Button(false);
        m_ucInfo->Text_Telefon1(m_art.blnTelefon ? Feld(*rs, "Telefon1") : QString());
        m_ucInfo->Text_Telefon2(m_art.blnTelefon ? Feld(*rs, "Telefon2") : QString());
        m_ucInfo->Text_UKWKanal(m_art.blnTelefon ? Feld(*rs, "UKWKanal") : QString());
        m_ucInfo->Text_InfoText(m_strInfoText);
        LeseFelder(*rs);
        Anordnen();  // the columns of the values follow their widths
        // The picture buttons show what they open.
        if (!m_strBild1.isEmpty()) m_ucInfo->LoadPicture_Bild1(Vorschau(m_strBild1));
        if (!m_strBild2.isEmpty()) m_ucInfo->LoadPicture_Bild2(Vorschau(m_strBild2));
        ADO_Close_Recordset(rs, true);
        return true;
    } catch (const std::exception& e) {
        ShowRuntimeError(m_strModul + QStringLiteral(".ShowDaten"), e);
        ADO_Close_Recordset(rs, true);
        return false;
    }
}

QString frmDetails::Feld(const ADODB::Recordset& rs, const char* strName) {
    const ADODB::Field f = rs.Fields(QString::fromLatin1(strName));
    if (!f.IsNull() && f.Value.typeId() == QMetaType::Double)
        return QLocale().toString(f.Value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return ADO_Field_Str(f).trimmed();
}

bool frmDetails::FeldBool(const ADODB::Recordset& rs, const char* strName) {
    return CBool(Feld(rs, strName));
}

QString frmDetails::BilderVerzeichnis() {
    return ImOrdner(objOLM3Cfg ? objOLM3Cfg->GetDatenVerzeichnis() : QString(), QStringLiteral("UXABilder"));
}

QPixmap frmDetails::Vorschau(const QString& strDatei) {
    QPixmap bild;
    try {
        if (objOLM3TGF) bild = objOLM3TGF->LoadPicture(ImOrdner(BilderVerzeichnis(), strDatei));
    } catch (...) {
        bild = QPixmap();
    }
    if (bild.isNull()) return ucOLMBinInfo::StandardBild();
    // The middle square of the picture: the button shows its previews square, and a square crop fills it.
    const int seite = std::min(bild.width(), bild.height());
    return bild.copy((bild.width() - seite) / 2, (bild.height() - seite) / 2, seite, seite);
}

void frmDetails::ZeigeBild(const QString& strDatei) {
    frmBild frm(this);
    if (frm.Init(m_strBezeichnung, strDatei, BilderVerzeichnis())) olm3ui::ExecModal(&frm);
}

bool frmDetails::ZeigeModal(frmDetails* frm, bool blnInit) {
    if (!frm) return false;
    if (!blnInit) {
        // A click that opens nothing gets an answer; a row that could not be read was reported already.
        if (frm->OhneAngaben()) MsgBox(frm->Text(kTextOhneAngaben), vbInformation, frm->windowTitle());
        return false;
    }
    olm3ui::ExecModal(frm);
    return true;
}

// ---- labelled values ----------------------------------------------------------------------------

QLabel* frmDetails::NeueAngabe(const char* strName, std::int32_t lngTitel, const QString& strEinheit) {
    Angabe a;
    QFont f = font();
    f.setPointSize(m_ucInfo->FontSize());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, m_ucInfo->Forecolor());
    a.lblTitel = new QLabel(Text(lngTitel), this);
    a.lblTitel->setObjectName(QStringLiteral("lblTitel") + QLatin1String(strName).mid(3));
    a.lblWert = new QLabel(this);
    a.lblWert->setObjectName(QLatin1String(strName));
    a.lblWert->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel* lbl : {a.lblTitel, a.lblWert}) {
        lbl->setFont(f);
        lbl->setPalette(pal);
        lbl->setTextFormat(Qt::PlainText);
    }
    QFont fett = f;
    fett.setBold(true);
    a.lblWert->setFont(fett);
    a.strEinheit = strEinheit;
    m_aAngaben.push_back(a);
    return a.lblWert;
}

void frmDetails::SetzeWert(QLabel* lbl, const QString& strWert) {
    for (const Angabe& a : m_aAngaben) {
        if (a.lblWert != lbl) continue;
        const QString s = strWert.trimmed();
        lbl->setText(s.isEmpty() ? s : s + a.strEinheit);
        return;
    }
    lbl->setText(strWert);
}

int frmDetails::angabenHoehe() const {
    if (m_aAngaben.empty()) return 0;
    const int zeilen = static_cast<int>((m_aAngaben.size() + 1) / 2);
    return zeilen * angabenZeile(m_aAngaben.front().lblWert->font());
}

void frmDetails::ordneAngabenAn(const QRect& bereich) {
    if (m_aAngaben.empty()) return;
    const size_t links = (m_aAngaben.size() + 1) / 2;
    const int zeile = angabenZeile(m_aAngaben.front().lblWert->font());
    // The values of a column start right of its widest title.
    int titel[2] = {0, 0};
    int wert[2] = {0, 0};
    for (size_t i = 0; i < m_aAngaben.size(); ++i) {
        const int s = i < links ? 0 : 1;
        titel[s] = std::max(titel[s], QFontMetrics(m_aAngaben[i].lblTitel->font())
                                          .horizontalAdvance(m_aAngaben[i].lblTitel->text()));
        wert[s] = std::max(wert[s], QFontMetrics(m_aAngaben[i].lblWert->font())
                                        .horizontalAdvance(m_aAngaben[i].lblWert->text()));
    }
    // Half the width each; the left column widens for a long value (a lock type such as
    // "Doppelkammerschleuse") as far as the right one keeps room for its own.
    const int bedarfLinks = titel[0] + 2 * kAbstand + wert[0] + kAbstand;
    const int bedarfRechts = titel[1] + 2 * kAbstand + wert[1] + kAbstand;
    int spalte = bereich.width() / 2;
    if (bedarfLinks > spalte && bereich.width() - bedarfLinks >= bedarfRechts) spalte = bedarfLinks;
    for (int s = 0; s < 2; ++s) {
        const size_t von = s == 0 ? 0 : links;
        const size_t bis = s == 0 ? links : m_aAngaben.size();
        const int x = bereich.x() + s * spalte;
        const int breite = s == 0 ? spalte : bereich.width() - spalte;
        const int t = titel[s] + 2 * kAbstand;
        for (size_t i = von; i < bis; ++i) {
            const int y = bereich.y() + static_cast<int>(i - von) * zeile;
            m_aAngaben[i].lblTitel->setGeometry(x, y, std::min(t, breite), zeile);
            m_aAngaben[i].lblWert->setGeometry(x + t, y, std::max(1, breite - t - kAbstand), zeile);
        }
    }
}

// ---- buttons and layout -------------------------------------------------------------------------

void frmDetails::NeuerKnopf(ucOLMButton* pb) {
    m_aKnoepfe.push_back(pb);
}

void frmDetails::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    EnsureMinSize(this, kMinBreite, kMinHoehe);
    Anordnen();
}

void frmDetails::Anordnen() {
    const int breite = width() - 2 * kRand;
    // The buttons along the bottom edge, the back button on the right.
    const int knopfY = height() - kRand - m_pbBack->height();
    int x = width() - kRand - m_pbBack->width();
    m_pbBack->move(x, knopfY);
    for (ucOLMButton* pb : m_aKnoepfe) {
        if (pb->isHidden()) continue;
        x -= kAbstand + pb->width();
        pb->move(x, knopfY + m_pbBack->height() - pb->height());
    }

    const int angaben = angabenHoehe();
    const int eigene = EigeneHoehe(breite);
    const int darunter = (angaben > 0 ? angaben + kAbstand : 0) + (eigene > 0 ? eigene + kAbstand : 0);
    // The panel as tall as it needs while there is room; its info text scrolls when there is not.
    m_ucInfo->resize(breite, m_ucInfo->height());
    m_ucInfo->Anordnen();
    const int platz = std::max(0, knopfY - kAbstand - kRand - darunter);
    const int panel = std::min(m_ucInfo->MaxHeight(), platz);
    m_ucInfo->setGeometry(kRand, kRand, breite, panel);
    m_ucInfo->Anordnen();

    int y = kRand + panel + kAbstand;
    if (angaben > 0) {
        ordneAngabenAn(QRect(kRand + ucOLMBinInfo::kRand, y, breite - ucOLMBinInfo::kRand, angaben));
        y += angaben + kAbstand;
    }
    if (eigene > 0)
        OrdneEigeneAn(QRect(kRand + ucOLMBinInfo::kRand, y, breite - ucOLMBinInfo::kRand, eigene));
}
