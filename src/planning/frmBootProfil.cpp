#include "planning/frmBootProfil.h"

#include "data/modOLM3Binnen.h"
#include "data/texttable.h"
#include "olm3binnen/windowowner.h"
#include "routing/core/bootprofil.h"
#include "ui/messagebox.h"
#include "ui/windowhelpers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace modOLM3Binnen;

namespace {
QString text(std::int32_t id) { return GetText(frmBootProfil::kModul, id); }
} // namespace

frmBootProfil::frmBootProfil(IOLM3WindowOwner* owner, QWidget* parent) : QDialog(parent), m_owner(owner) {
    setWindowTitle(text(9870));
    auto* form = new QFormLayout;
    const olm3::BootProfil profil = owner ? owner->GetBootProfil() : olm3::BootProfil{};
    for (int i = 0; i < olm3::kBootFelder; ++i) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QStringLiteral("txtWert%1").arg(i));
        t->setText(olm3::BootWertText(profil, static_cast<olm3::BootFeld>(i)));
        if (i > 0) t->setAlignment(Qt::AlignRight);
        form->addRow(text(9871 + i), t);
        m_txtWert[static_cast<std::size_t>(i)] = t;
    }
    auto* hinweis = new QLabel(text(9879), this);
    hinweis->setWordWrap(true);
    auto* knoepfe = new QDialogButtonBox(this);
    m_fpUebernehmen = knoepfe->addButton(text(9880), QDialogButtonBox::AcceptRole);
    m_fpAbbrechen = knoepfe->addButton(text(9881), QDialogButtonBox::RejectRole);
    connect(m_fpUebernehmen, &QPushButton::clicked, this, [this] {
        if (Uebernehmen()) accept();
    });
    connect(m_fpAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hinweis);
    layout->addWidget(knoepfe);
    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);
    resize(440, sizeHint().height());
    CenterForm(this);
}

bool frmBootProfil::Uebernehmen() {
    if (!m_owner) return false;
    const olm3::BootProfil alt = m_owner->GetBootProfil();
    olm3::BootProfil neu = alt;
    for (int i = 0; i < olm3::kBootFelder; ++i) {
        const auto feld = static_cast<olm3::BootFeld>(i);
        QLineEdit* t = m_txtWert[static_cast<std::size_t>(i)];
        const std::int32_t meldung = olm3::SetzeBootWert(neu, feld, t->text());
        if (meldung == 0) continue;
        // The field's name without its unit.
        const QString label = text(9871 + i).section(QStringLiteral(" ("), 0, 0);
        MsgBox(olm3::FuelleText(text(meldung), {label, t->text().trimmed(),
                                                 QString::number(olm3::BootHoechstwert(feld))}) +
                   QLatin1Char(' ') + text(10054),
               vbExclamation, text(9870));
        t->setText(olm3::BootWertText(alt, feld));
        t->setFocus();
        t->selectAll();
        return false;
    }
    if (!m_owner->SetBootProfil(neu) && objOLM3Cfg)
        MsgBox(text(9886).replace(QStringLiteral("%1"), objOLM3Cfg->GetIniDatei()), vbExclamation, text(9870));
    return true;
}
