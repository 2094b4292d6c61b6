#include "details/frmInfoText.h"

#include "data/modOLM3Binnen.h"
#include "ui/windowhelpers.h"

#include <QPlainTextEdit>

using namespace modOLM3Binnen;

namespace {
constexpr int kAbstandBildschirm = 10;
constexpr int kBreite = 520;
constexpr int kHoehe = 360;
} // namespace

frmInfoText::frmInfoText(QWidget* parent) : QDialog(parent) {
    m_txtInfoText = new QPlainTextEdit(this);
    m_txtInfoText->setObjectName(QStringLiteral("txtInfoText"));
    m_txtInfoText->setReadOnly(true);
    m_txtInfoText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont f = m_txtInfoText->font();
    f.setPointSize(12);
    m_txtInfoText->setFont(f);
    if (objOLM3Cfg) objOLM3Cfg->FormatFenster(this);
    resize(kBreite, kHoehe);
    move(FreierBildschirm(this).topLeft() + QPoint(kAbstandBildschirm, kAbstandBildschirm));
}

bool frmInfoText::Init(const QString& strTitel, const QString& strText) {
    setWindowTitle(strTitel);
    m_txtInfoText->setPlainText(strText);
    return true;
}

void frmInfoText::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_txtInfoText->setGeometry(0, 0, width(), height());
}
