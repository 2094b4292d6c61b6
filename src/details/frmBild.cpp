#include "details/frmBild.h"

#include "data/modOLM3Binnen.h"
#include "ui/windowhelpers.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>

using namespace modOLM3Binnen;

frmBild::frmBild(QWidget* parent) : QDialog(parent) {
    m_picBild = new QLabel(this);
    m_picBild->setObjectName(QStringLiteral("picBild"));
    m_picBild->setScaledContents(false);
    m_picBild->installEventFilter(this);
    m_HScroll = new QScrollBar(Qt::Horizontal, this);
    m_HScroll->setObjectName(QStringLiteral("HScroll"));
    m_VScroll = new QScrollBar(Qt::Vertical, this);
    m_VScroll->setObjectName(QStringLiteral("VScroll"));
    m_pbLeer = new QWidget(this);
    m_pbLeer->setObjectName(QStringLiteral("pbLeer"));
    m_pbLeer->setAutoFillBackground(true);
    m_pbLeer->setBackgroundRole(QPalette::Button);
    m_HScroll->hide();
    m_VScroll->hide();
    m_pbLeer->hide();
    m_picBild->hide();
    connect(m_HScroll, &QScrollBar::valueChanged, this, &frmBild::verschiebeBild);
    connect(m_VScroll, &QScrollBar::valueChanged, this, &frmBild::verschiebeBild);

    if (objOLM3Cfg) {
        const QPixmap icon = objOLM3Cfg->GetBild(101);
        if (!icon.isNull()) setWindowIcon(QIcon(icon));
        QPalette pal = palette();
        pal.setColor(QPalette::Window, objOLM3Cfg->GetFensterFarbe());
        setPalette(pal);
        setAutoFillBackground(true);
    }
    resize(kLeerBreite, kLeerHoehe);
}

bool frmBild::Init(const QString& strTitel, const QString& strDatei, const QString& strVerzeichnis) {
    SetHourglass();
    m_strDatei = ImOrdner(strVerzeichnis, strDatei);
    QPixmap bild;
    try {
        // An empty name names the folder, not a picture.
        if (objOLM3TGF && !strDatei.trimmed().isEmpty()) bild = objOLM3TGF->LoadPicture(m_strDatei);
    } catch (...) {
        bild = QPixmap();
    }
    m_picBild->setPixmap(bild);
    m_picBild->resize(bild.size());
    m_picBild->setVisible(!bild.isNull());
    setWindowTitle(strTitel);
    SetNormalPointer();
    m_blnGroesseGesetzt = false;
    return true;
}

void frmBild::showEvent(QShowEvent* event) {
    if (!m_blnGroesseGesetzt) {
        m_blnGroesseGesetzt = true;
        passeGroesseAn();
    }
    QDialog::showEvent(event);
}

void frmBild::passeGroesseAn() {
    const QSize schirm = FreierBildschirm(this).size();
    QSize fenster(kLeerBreite, kLeerHoehe);
    if (!m_picBild->isHidden()) {
        // The window with its frame stays inside the screen; the frame is known once it was shown.
        const QSize rahmen = frameGeometry().size() - size();
        const QSize bild = m_picBild->size();
        fenster = QSize(MinValue(schirm.width() - kBildschirmRand, bild.width() + kRandBreite),
                        MinValue(schirm.height() - kBildschirmRand, bild.height() + kRandHoehe)) -
                  rahmen;
    }
    m_HScroll->setValue(0);
    m_VScroll->setValue(0);
    resize(fenster);
    CenterForm(this);
    ordneAn();
}

void frmBild::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ordneAn();
}

void frmBild::ordneAn() {
    const int cw = width(), ch = height();
    const QSize bild = m_picBild->isHidden() ? QSize(0, 0) : m_picBild->size();
    const int sbBreite = m_VScroll->sizeHint().width();
    const int sbHoehe = m_HScroll->sizeHint().height();
    // A bar takes room from the other direction, which may then need its bar too.
    bool h = bild.width() > cw;
    bool v = bild.height() > ch;
    if (h && !v) v = bild.height() > ch - sbHoehe;
    if (v && !h) h = bild.width() > cw - sbBreite;
    const int sichtBreite = cw - (v ? sbBreite : 0);
    const int sichtHoehe = ch - (h ? sbHoehe : 0);

    m_HScroll->setVisible(h);
    if (h) {
        m_HScroll->setGeometry(0, ch - sbHoehe, sichtBreite, sbHoehe);
        m_HScroll->setRange(0, bild.width() - sichtBreite);
        m_HScroll->setPageStep(std::max(1, sichtBreite));
        m_HScroll->setSingleStep(std::max(1, sichtBreite / 20));
    } else {
        m_HScroll->setRange(0, 0);
    }
    m_VScroll->setVisible(v);
    if (v) {
        m_VScroll->setGeometry(cw - sbBreite, 0, sbBreite, sichtHoehe);
        m_VScroll->setRange(0, bild.height() - sichtHoehe);
        m_VScroll->setPageStep(std::max(1, sichtHoehe));
        m_VScroll->setSingleStep(std::max(1, sichtHoehe / 20));
    } else {
        m_VScroll->setRange(0, 0);
    }
    m_pbLeer->setVisible(h && v);
    if (h && v) m_pbLeer->setGeometry(sichtBreite, sichtHoehe, sbBreite, sbHoehe);
    verschiebeBild();
    m_HScroll->raise();
    m_VScroll->raise();
    m_pbLeer->raise();
}

void frmBild::verschiebeBild() {
    const int sichtBreite = width() - (m_VScroll->isHidden() ? 0 : m_VScroll->width());
    const int sichtHoehe = height() - (m_HScroll->isHidden() ? 0 : m_HScroll->height());
    // Centred where the picture fits, moved by the bar where it does not.
    const int x = m_HScroll->isHidden() ? (sichtBreite - m_picBild->width()) / 2 : -m_HScroll->value();
    const int y = m_VScroll->isHidden() ? (sichtHoehe - m_picBild->height()) / 2 : -m_VScroll->value();
    m_picBild->move(x, y);
}

bool frmBild::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picBild && event->type() == QEvent::MouseButtonDblClick) {
        done(QDialog::Rejected);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
