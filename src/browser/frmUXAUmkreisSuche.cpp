#include "browser/frmUXAUmkreisSuche.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "ui/panelbutton.h"
#include "ui/ucOLMButton.h"
#include "ui/windowhelpers.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace modOLM3Binnen;

namespace {
constexpr int kZeichenBreite = 24;
constexpr int kZeichenHoehe = 30;
constexpr int kButtonBreite = 140;
constexpr int kButtonHoehe = 40;
constexpr int kMaxUmkreis = 9999;

QString text(std::int32_t id) {
    return GetText(frmUXAUmkreisSuche::kModul, id);
}

/// A row of one-character boxes that show a text, one character each.
template <size_t N>
QHBoxLayout* zeichenReihe(std::array<QLineEdit*, N>& boxen, QWidget* parent, const char* name) {
    auto* reihe = new QHBoxLayout;
    reihe->setSpacing(2);
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(12);
    f.setBold(true);
    for (size_t i = 0; i < N; ++i) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(f);
        box->setFixedSize(kZeichenBreite, kZeichenHoehe);
        box->setTextMargins(0, 0, 0, 0);
        boxen[i] = box;
        reihe->addWidget(box);
    }
    reihe->addStretch(1);
    return reihe;
}

template <size_t N> void verteilen(std::array<QLineEdit*, N>& boxen, const QString& s) {
    for (size_t i = 0; i < N; ++i)
        boxen[i]->setText(static_cast<qsizetype>(i) < s.size() ? QString(s[static_cast<qsizetype>(i)])
                                                               : QString());
}
} // namespace

frmUXAUmkreisSuche::frmUXAUmkreisSuche(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmUXAUmkreisSuche"));
    QFont f = font();
    f.setPointSize(11);
    setFont(f);

    auto* arten = new QVBoxLayout;
    for (size_t i = 0; i < m_optSuche.size(); ++i) {
        m_optSuche[i] = new QRadioButton(this);
        m_optSuche[i]->setObjectName(QStringLiteral("optSuche%1").arg(i));
        arten->addWidget(m_optSuche[i]);
        connect(m_optSuche[i], &QRadioButton::clicked, this, &frmUXAUmkreisSuche::optSuche_Click);
    }
    arten->addStretch(1);

    m_lblUmkreis = new QLabel(this);
    m_fpUmkreis = new QSpinBox(this);
    m_fpUmkreis->setObjectName(QStringLiteral("fpUmkreis"));
    m_fpUmkreis->setRange(1, kMaxUmkreis);
    m_fpUmkreis->setValue(10);
    m_fpUmkreis->setMinimumWidth(90);
    m_lblKm = new QLabel(QStringLiteral("km"), this);
    m_chkAlle = new QCheckBox(this);
    m_chkAlle->setObjectName(QStringLiteral("chkAlle"));
    connect(m_chkAlle, &QCheckBox::toggled, this, [this](bool an) { m_fpUmkreis->setEnabled(!an); });
    auto* umkreis = new QGridLayout;
    umkreis->addWidget(m_lblUmkreis, 0, 0);
    umkreis->addWidget(m_fpUmkreis, 0, 1);
    umkreis->addWidget(m_lblKm, 0, 2);
    umkreis->addWidget(m_chkAlle, 1, 1, 1, 2);
    umkreis->setRowStretch(2, 1);

    auto* oben = new QHBoxLayout;
    oben->addLayout(arten, 1);
    oben->addSpacing(16);
    oben->addLayout(umkreis, 1);

    m_pbStart = new ucOLMButton(this);
    m_pbStart->setObjectName(QStringLiteral("pbStart"));
    m_pbCancel = new ucOLMButton(this);
    m_pbCancel->setObjectName(QStringLiteral("pbCancel"));
    connect(m_pbStart, &ucOLMButton::Click, this, &frmUXAUmkreisSuche::pbStart_Click);
    connect(m_pbCancel, &ucOLMButton::Click, this, &frmUXAUmkreisSuche::pbCancel_Click);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_pbStart);
    knoepfe->addWidget(m_pbCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addSpacing(8);
    layout->addLayout(zeichenReihe(m_dfBreite, this, "dfBreite"));
    layout->addLayout(zeichenReihe(m_dfLaenge, this, "dfLaenge"));
    layout->addSpacing(8);
    layout->addLayout(knoepfe);
    setTexts();
}

void frmUXAUmkreisSuche::setTexts() {
    setWindowTitle(text(925));
    const std::int32_t arten[3] = {804, 803, 802};
    for (size_t i = 0; i < m_optSuche.size(); ++i)
        m_optSuche[i]->setText(text(arten[i]));
    m_lblUmkreis->setText(text(926));
    m_chkAlle->setText(text(929));
    const auto knopf = [](ucOLMButton* b, const QString& caption) {
        b->Format_Button(kButtonBreite, kButtonHoehe, false, QPixmap(), true, caption);
        b->setFixedSize(kButtonBreite, kButtonHoehe);
        FormatPanelButton(b, 2, 1, 2);
    };
    knopf(m_pbStart, text(92));
    knopf(m_pbCancel, text(402));
}

void frmUXAUmkreisSuche::Init(std::int16_t& intSuchTyp, double dblLg, double& dblBg, std::int32_t& lngUmkreis,
                              bool& blnResult) {
    m_blnStart = false;
    m_pbStart->Enabled(false);
    m_intSuchTyp = intSuchTyp;
    m_dblLg = dblLg;
    m_dblBg = dblBg;
    m_lngUmkreis = lngUmkreis;
    if (lngUmkreis > 0) {
        m_chkAlle->setChecked(false);
        m_fpUmkreis->setValue(std::min(lngUmkreis, kMaxUmkreis));
    } else {
        m_chkAlle->setChecked(true);
    }
    verteilen(m_dfBreite, FormatBgKurz(dblBg));
    verteilen(m_dfLaenge, FormatLgKurz(dblLg));
    setTexts();
    adjustSize();
    CenterForm(this);
    blnResult = true;
}

void frmUXAUmkreisSuche::Start(bool& blnStart) const {
    blnStart = m_blnStart;
}

void frmUXAUmkreisSuche::GetSuchParam(std::int32_t& lngUmkreis, std::int16_t& intSuchTyp,
                                      bool& blnDritter) const {
    lngUmkreis = m_lngUmkreis;
    intSuchTyp = m_intSuchTyp;
    blnDritter = false;
}

void frmUXAUmkreisSuche::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The kind the browser shows is offered checked when the dialog first comes up.
    if (m_blnAktiviert) return;
    m_blnAktiviert = true;
    if (m_intSuchTyp >= 0 && m_intSuchTyp < static_cast<int>(m_optSuche.size())) {
        m_optSuche[static_cast<size_t>(m_intSuchTyp)]->setChecked(true);
        optSuche_Click();
    }
}

void frmUXAUmkreisSuche::reject() {
    pbCancel_Click();
}

void frmUXAUmkreisSuche::optSuche_Click() {
    m_pbStart->Enabled(true);
}

void frmUXAUmkreisSuche::pbStart_Click() {
    m_intSuchTyp = -1;
    for (size_t i = 0; i < m_optSuche.size(); ++i)
        if (m_optSuche[i]->isChecked()) m_intSuchTyp = static_cast<std::int16_t>(i);
    if (m_intSuchTyp < 0) return;
    m_lngUmkreis = m_chkAlle->isChecked() ? -1 : m_fpUmkreis->value();
    m_blnStart = true;
    hide();
}

void frmUXAUmkreisSuche::pbCancel_Click() {
    m_blnStart = false;
    hide();
}
