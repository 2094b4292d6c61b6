#pragma once
// frmBruecken: the detail view of a bridge: its category, passage time and clearances.

#include "details/frmDetails.h"

class frmBruecken : public frmDetails {
    Q_OBJECT
public:
    explicit frmBruecken(QWidget* parent = nullptr);

    QLabel* lblKategorie() const { return m_lblKategorie; }
    QLabel* lblDurchgangszeit() const { return m_lblDurchgangszeit; }
    QLabel* lblDurchBreite() const { return m_lblDurchBreite; }
    QLabel* lblDurchfHoehe() const { return m_lblDurchfHoehe; }

protected:
    void LeseFelder(const ADODB::Recordset& rs) override;

private:
    QLabel* m_lblKategorie = nullptr;
    QLabel* m_lblDurchgangszeit = nullptr;
    QLabel* m_lblDurchBreite = nullptr;
    QLabel* m_lblDurchfHoehe = nullptr;
};
