#pragma once
// frmHaefen: the detail view of a harbour: its facilities as pictures (struck through when absent), its
// plan, and the way to its own fuel station.

#include "details/frmDetails.h"

#include <array>

class BildFeld;

class frmHaefen : public frmDetails {
    Q_OBJECT
public:
    /// One facility: its field and the host pictures for present and absent.
    struct Einrichtung {
        const char* strFeld;
        std::int32_t lngBildJa;
        std::int32_t lngBildNein;
    };
    /// Shore connections, in the harbour, nearby; in the order they are shown.
    static const std::array<Einrichtung, 2> kAS;
    static const std::array<Einrichtung, 9> kIH;
    static const std::array<Einrichtung, 3> kIN;
    static constexpr std::int32_t kBildTankstelle = 621;
    /// The facility pictures' boxes (pixels).
    static constexpr int kSymbolGroesse = 52;
    static constexpr int kSymbolAbstand = 8;

    explicit frmHaefen(QWidget* parent = nullptr);

    /// Reads the harbour at the point; false when it has no active row.
    bool Init(std::int32_t lngPunkteID);

    const QString& Plan() const { return m_strPlan; }
    /// The harbour's fuel station (its TankstellenID), -1 when it has none.
    std::int32_t TankstellenID() const { return m_lngTankstellenID; }

    BildFeld* picAS(int i) const { return m_picAS.at(static_cast<size_t>(i)); }
    BildFeld* picIH(int i) const { return m_picIH.at(static_cast<size_t>(i)); }
    BildFeld* picIN(int i) const { return m_picIN.at(static_cast<size_t>(i)); }
    ucOLMButton* pbTankstelle() const { return m_pbTankstelle; }

protected:
    void LeseFelder(const ADODB::Recordset& rs) override;
    void PanelButtonClick() override;
    int EigeneHoehe(int intBreite) const override;
    void OrdneEigeneAn(const QRect& bereich) override;

private:
    void pbTankstelle_Click();
    /// Runs f(boxes, facilities) for the three rows, top to bottom.
    template <typename F> void jedeReihe(F f) {
        f(m_picAS, kAS);
        f(m_picIH, kIH);
        f(m_picIN, kIN);
    }

    std::array<BildFeld*, 2> m_picAS{};
    std::array<BildFeld*, 9> m_picIH{};
    std::array<BildFeld*, 3> m_picIN{};
    ucOLMButton* m_pbTankstelle = nullptr;
    QString m_strPlan;
    std::int32_t m_lngTankstellenID = -1;
};
