#include "details/frmBruecken.h"

namespace {
const frmDetails::Art kArt{"frmBruecken", "Bruecken", "BrueckenID", 806, 760, 520, true};
}

frmBruecken::frmBruecken(QWidget* parent) : frmDetails(kArt, parent) {
    // The left column describes the bridge, the right one the clearance under it.
    m_lblKategorie = NeueAngabe("lblKategorie", 863);
    m_lblDurchgangszeit = NeueAngabe("lblDurchgangszeit", 861, QStringLiteral(" h"));
    m_lblDurchBreite = NeueAngabe("lblDurchBreite", 858, QStringLiteral(" m"));
    m_lblDurchfHoehe = NeueAngabe("lblDurchfHoehe", 859, QStringLiteral(" m"));
}

void frmBruecken::LeseFelder(const ADODB::Recordset& rs) {
    SetzeWert(m_lblDurchBreite, Feld(rs, "DurchBreite"));
    SetzeWert(m_lblDurchgangszeit, Feld(rs, "Durchgangszeit"));
    SetzeWert(m_lblKategorie, Feld(rs, "Kategorie"));
    SetzeWert(m_lblDurchfHoehe, Feld(rs, "DurchfHoehe"));
}
