#pragma once
// frmTankstellen: the detail view of a fuel station: the fuels it sells and, where it lies away from the
// water, the way to it.

#include "details/frmDetails.h"

class BildFeld;

class frmTankstellen : public frmDetails {
    Q_OBJECT
public:
    /// Host pictures of the pump: petrol and diesel, petrol only, diesel only.
    static constexpr std::int32_t kBildBenzinDiesel = 221;
    static constexpr std::int32_t kBildBenzin = 219;
    static constexpr std::int32_t kBildDiesel = 220;
    /// The pump picture's box (pixels).
    static constexpr int kPumpeGroesse = 96;

    explicit frmTankstellen(QWidget* parent = nullptr);

    /// Reads the station by its point (lngTankstellenID -1, as the browser opens it) or by its own id
    /// (lngPunkteID -1 or lngTankstellenID given, as a harbour opens its station). False when both are
    /// -1 or there is no active row.
    bool Init(std::int32_t lngPunkteID, std::int32_t lngTankstellenID = -1);

    const QString& Wegbeschreibung() const { return m_strWegbeschreibung; }
    BildFeld* picTankstelle() const { return m_picTankstelle; }

protected:
    void LeseFelder(const ADODB::Recordset& rs) override;
    void PanelButtonClick() override;
    int EigeneHoehe(int intBreite) const override;
    void OrdneEigeneAn(const QRect& bereich) override;

private:
    BildFeld* m_picTankstelle = nullptr;
    QString m_strWegbeschreibung;
};
