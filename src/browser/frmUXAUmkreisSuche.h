#pragma once
// frmUXAUmkreisSuche: asks for the object kind and the radius of a radius search around the browser's
// start position, which it shows one character per box.

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class ucOLMButton;

class frmUXAUmkreisSuche : public QDialog {
    Q_OBJECT
public:
    /// Module name of the dialog's texts.
    static inline const QString kModul = QStringLiteral("frmUXAUmkreisSuche");
    static constexpr int kBreiteZeichen = 10;
    static constexpr int kLaengeZeichen = 11;

    explicit frmUXAUmkreisSuche(QWidget* parent = nullptr);

    /// Prepares the dialog: the kind to offer checked (-1 none), the start position, the last radius
    /// (0 or less: all objects of the kind). blnResult is true when the dialog is ready.
    void Init(std::int16_t& intSuchTyp, double dblLg, double& dblBg, std::int32_t& lngUmkreis,
              bool& blnResult);
    /// Whether the user started the search.
    void Start(bool& blnStart) const;
    /// The radius in km (-1 for all objects of the kind) and the kind chosen; blnDritter becomes false.
    void GetSuchParam(std::int32_t& lngUmkreis, std::int16_t& intSuchTyp, bool& blnDritter) const;

    QRadioButton* optSuche(int i) const { return m_optSuche[static_cast<size_t>(i)]; }
    QCheckBox* chkAlle() const { return m_chkAlle; }
    QSpinBox* fpUmkreis() const { return m_fpUmkreis; }
    QLineEdit* dfBreite(int i) const { return m_dfBreite[static_cast<size_t>(i)]; }
    QLineEdit* dfLaenge(int i) const { return m_dfLaenge[static_cast<size_t>(i)]; }
    ucOLMButton* pbStart() const { return m_pbStart; }
    ucOLMButton* pbCancel() const { return m_pbCancel; }

protected:
    void showEvent(QShowEvent* event) override;
    /// Escape and the close box cancel.
    void reject() override;

private:
    void pbStart_Click();
    void pbCancel_Click();
    void optSuche_Click();
    void setTexts();

    bool m_blnStart = false;
    bool m_blnAktiviert = false;
    std::int32_t m_lngUmkreis = -1;
    std::int16_t m_intSuchTyp = -1;
    double m_dblLg = 0.0;
    double m_dblBg = 0.0;

    std::array<QRadioButton*, 3> m_optSuche{};
    QCheckBox* m_chkAlle = nullptr;
    QSpinBox* m_fpUmkreis = nullptr;
    QLabel* m_lblUmkreis = nullptr;
    QLabel* m_lblKm = nullptr;
    std::array<QLineEdit*, kBreiteZeichen> m_dfBreite{};
    std::array<QLineEdit*, kLaengeZeichen> m_dfLaenge{};
    ucOLMButton* m_pbStart = nullptr;
    ucOLMButton* m_pbCancel = nullptr;
};
