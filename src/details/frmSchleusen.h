#pragma once
// frmSchleusen: the detail view of a lock: its type, chambers, passage time and dimensions, and the way
// to its operating hours.

#include "details/frmDetails.h"

class frmSchleusen : public frmDetails {
    Q_OBJECT
public:
    explicit frmSchleusen(QWidget* parent = nullptr);

    QLabel* lblTyp() const { return m_lblTyp; }
    QLabel* lblAnzahlKammern() const { return m_lblAnzahlKammern; }
    QLabel* lblDurchgangszeit() const { return m_lblDurchgangszeit; }
    QLabel* lblBreite() const { return m_lblBreite; }
    QLabel* lblLaenge() const { return m_lblLaenge; }
    QLabel* lblHubHoeheMax() const { return m_lblHubHoeheMax; }
    ucOLMButton* pbBZ() const { return m_pbBZ; }

protected:
    void LeseFelder(const ADODB::Recordset& rs) override;

private:
    void pbBZ_Click();

    QLabel* m_lblTyp = nullptr;
    QLabel* m_lblAnzahlKammern = nullptr;
    QLabel* m_lblDurchgangszeit = nullptr;
    QLabel* m_lblLaenge = nullptr;
    QLabel* m_lblBreite = nullptr;
    QLabel* m_lblHubHoeheMax = nullptr;
    ucOLMButton* m_pbBZ = nullptr;
};
