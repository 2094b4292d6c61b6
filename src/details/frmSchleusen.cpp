#include "details/frmSchleusen.h"

#include "browser/detailaktion.h"
#include "ui/ucOLMButton.h"

#include <QDateTime>
#include <QFontMetrics>

namespace {
const frmDetails::Art kArt{"frmSchleusen", "Schleusen", "SchleusenID", 804, 760, 530, true};
}

frmSchleusen::frmSchleusen(QWidget* parent) : frmDetails(kArt, parent) {
    // The left column describes the lock, the right one its chamber.
    m_lblTyp = NeueAngabe("lblTyp", 855);
    m_lblAnzahlKammern = NeueAngabe("lblAnzahlKammern", 856);
    m_lblDurchgangszeit = NeueAngabe("lblDurchgangszeit", 861, QStringLiteral(" h"));
    m_lblLaenge = NeueAngabe("lblLaenge", 860, QStringLiteral(" m"));
    m_lblBreite = NeueAngabe("lblBreite", 858, QStringLiteral(" m"));
    m_lblHubHoeheMax = NeueAngabe("lblHubHoeheMax", 857, QStringLiteral(" m"));

    m_pbBZ = new ucOLMButton(this);
    m_pbBZ->setObjectName(QStringLiteral("pbBZ"));
    m_pbBZ->IsDefault(true);
    m_pbBZ->Text(Text(911));
    // A caption wider than the standard button widens it.
    const int breite = QFontMetrics(m_pbBZ->Font()).horizontalAdvance(m_pbBZ->Text()) + 24;
    if (breite > m_pbBZ->width()) m_pbBZ->Format_Button(breite, -1, false, QPixmap(), false, QString());
    connect(m_pbBZ, &ucOLMButton::Click, this, &frmSchleusen::pbBZ_Click);
    NeuerKnopf(m_pbBZ);
}

void frmSchleusen::LeseFelder(const ADODB::Recordset& rs) {
    SetzeWert(m_lblTyp, Feld(rs, "STypenID"));
    SetzeWert(m_lblAnzahlKammern, Feld(rs, "AnzahlKammern"));
    SetzeWert(m_lblDurchgangszeit, Feld(rs, "Durchgangszeit"));
    SetzeWert(m_lblBreite, Feld(rs, "Breite"));
    SetzeWert(m_lblLaenge, Feld(rs, "Laenge"));
    SetzeWert(m_lblHubHoeheMax, Feld(rs, "HubHoeheMax"));
}

void frmSchleusen::pbBZ_Click() {
    olm3browser::OeffneSchleusenBZ(this, ObjektID(), QDateTime());
}
