#include "planning/frmFahrtag.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"
#include "ui/windowhelpers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace modOLM3Binnen;

namespace {
QString text(std::int32_t id) { return GetText(QStringLiteral("frmFahrtag"), id); }
QString iniDatei() { return objOLM3Cfg ? objOLM3Cfg->GetIniDatei() : QString(); }
} // namespace

frmFahrtag::frmFahrtag(QWidget* parent) : QDialog(parent) {
    setWindowTitle(text(9969));
    m_txtBeginn = new QLineEdit(this);
    m_txtBeginn->setObjectName(QStringLiteral("txtBeginn"));
    m_txtEnde = new QLineEdit(this);
    m_txtEnde->setObjectName(QStringLiteral("txtEnde"));
    m_chkWarteGrenze = new QCheckBox(text(9972), this);
    m_chkWarteGrenze->setObjectName(QStringLiteral("chkWarteGrenze"));
    m_txtWarteGrenze = new QLineEdit(this);
    m_txtWarteGrenze->setObjectName(QStringLiteral("txtWarteGrenze"));
    for (QLineEdit* t : {m_txtBeginn, m_txtEnde, m_txtWarteGrenze}) t->setMaximumWidth(90);
    connect(m_chkWarteGrenze, &QCheckBox::toggled, m_txtWarteGrenze, &QWidget::setEnabled);

    auto* form = new QFormLayout;
    form->addRow(text(9970), m_txtBeginn);
    form->addRow(text(9971), m_txtEnde);
    form->addRow(m_chkWarteGrenze);
    form->addRow(text(9973), m_txtWarteGrenze);
    auto* knoepfe = new QDialogButtonBox(this);
    m_pbOK = knoepfe->addButton(text(9976), QDialogButtonBox::AcceptRole);
    m_pbOK->setObjectName(QStringLiteral("pbOK"));
    knoepfe->addButton(text(9977), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &frmFahrtag::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(form);
    haupt->addWidget(knoepfe);

    QString meldung;
    m_fahrtag = olm3::routing::LeseFahrtag(iniDatei(), &meldung);
    if (!meldung.isEmpty()) MsgBox(meldung, vbExclamation, windowTitle());
    zeigeWerte();
    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);
    CenterForm(this);
}

void frmFahrtag::zeigeWerte() {
    m_txtBeginn->setText(m_fahrtag.tmBeginn.toString(QStringLiteral("HH:mm")));
    m_txtEnde->setText(m_fahrtag.tmEnde.toString(QStringLiteral("HH:mm")));
    m_chkWarteGrenze->setChecked(m_fahrtag.blnWarteGrenze);
    m_txtWarteGrenze->setText(FormatNumber(m_fahrtag.dblWarteGrenze, QStringLiteral("0.0#")));
    m_txtWarteGrenze->setEnabled(m_fahrtag.blnWarteGrenze);
}

void frmFahrtag::accept() {
    olm3::routing::Fahrtag neu = m_fahrtag;
    const QString meldung = olm3::routing::PruefeFahrtag(m_txtBeginn->text(), m_txtEnde->text(),
                                                         m_chkWarteGrenze->isChecked(), m_txtWarteGrenze->text(), neu);
    if (!meldung.isEmpty()) {
        MsgBox(meldung, vbExclamation, windowTitle());
        return;
    }
    if (!olm3::routing::SchreibeFahrtag(iniDatei(), neu)) {
        MsgBox(text(9987), vbExclamation, windowTitle());
        return;
    }
    m_fahrtag = neu;
    QDialog::accept();
}
