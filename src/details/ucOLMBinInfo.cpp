#include "details/ucOLMBinInfo.h"

#include "data/modOLM3Binnen.h"
#include "ui/ucOLMButton.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace modOLM3Binnen;

namespace {

QLabel* neuesLabel(QWidget* parent, const char* name, bool blnUmbruch) {
    auto* lbl = new QLabel(parent);
    lbl->setObjectName(QLatin1String(name));
    lbl->setWordWrap(blnUmbruch);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl->setTextFormat(Qt::PlainText);
    // Telephone numbers and names can be copied into another program.
    lbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return lbl;
}

ucOLMButton* neuerKnopf(QWidget* parent, const char* name) {
    auto* pb = new ucOLMButton(parent);
    pb->setObjectName(QLatin1String(name));
    pb->IsDefault(false);
    pb->Text(QString());
    return pb;
}

int kontrast(const QColor& a, const QColor& b) {
    return std::abs(a.lightness() - b.lightness());
}

} // namespace

ucOLMBinInfo::ucOLMBinInfo(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ucOLMBinInfo"));
    m_lblBezeichnung = neuesLabel(this, "lblBezeichnung", true);
    m_lblTitelTelefon = neuesLabel(this, "lblTitelTelefon", false);
    m_lblTelefon1 = neuesLabel(this, "lblTelefon1", true);
    m_lblTelefon2 = neuesLabel(this, "lblTelefon2", true);
    m_lblTitelUKWKanal = neuesLabel(this, "lblTitelUKWKanal", false);
    m_lblUKWKanal = neuesLabel(this, "lblUKWKanal", true);
    m_lblTitelInfoText = neuesLabel(this, "lblTitelInfoText", false);
    m_txtInfoText = new QTextEdit(this);
    m_txtInfoText->setObjectName(QStringLiteral("txtInfoText"));
    m_txtInfoText->setReadOnly(true);
    m_txtInfoText->setAcceptRichText(false);
    m_txtInfoText->setLineWrapMode(QTextEdit::WidgetWidth);
    m_txtInfoText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtInfoText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pbBild1 = neuerKnopf(this, "pbBild1");
    m_pbBild2 = neuerKnopf(this, "pbBild2");
    m_pbButton = neuerKnopf(this, "pbButton");
    m_pbBild1->LoadPicture(StandardBild());
    m_pbBild2->LoadPicture(StandardBild());
    connect(m_pbBild1, &ucOLMButton::Click, this, &ucOLMBinInfo::Bild1Click);
    connect(m_pbBild2, &ucOLMButton::Click, this, &ucOLMBinInfo::Bild2Click);
    connect(m_pbButton, &ucOLMButton::Click, this, &ucOLMBinInfo::ButtonClick);

    m_backcolor = QApplication::palette().color(QPalette::Active, QPalette::Button);
    setAutoFillBackground(true);
    schriftAnwenden();
    farbeAnwenden();
    anordnen();
}

// ---- visibility ---------------------------------------------------------------------------------

bool ucOLMBinInfo::Visible_Bezeichnung() const {
    return !m_lblBezeichnung->isHidden();
}
void ucOLMBinInfo::Visible_Bezeichnung(bool blnVisible) {
    m_lblBezeichnung->setVisible(blnVisible);
    anordnen();
}

bool ucOLMBinInfo::Visible_Telefon1() const {
    return !m_lblTelefon1->isHidden();
}
void ucOLMBinInfo::Visible_Telefon1(bool blnVisible) {
    m_lblTelefon1->setVisible(blnVisible);
    m_lblTitelTelefon->setVisible(Visible_Telefon1() || Visible_Telefon2());
    anordnen();
}

bool ucOLMBinInfo::Visible_Telefon2() const {
    return !m_lblTelefon2->isHidden();
}
void ucOLMBinInfo::Visible_Telefon2(bool blnVisible) {
    m_lblTelefon2->setVisible(blnVisible);
    m_lblTitelTelefon->setVisible(Visible_Telefon1() || Visible_Telefon2());
    anordnen();
}

bool ucOLMBinInfo::Visible_UKWKanal() const {
    return !m_lblUKWKanal->isHidden();
}
void ucOLMBinInfo::Visible_UKWKanal(bool blnVisible) {
    m_lblUKWKanal->setVisible(blnVisible);
    m_lblTitelUKWKanal->setVisible(blnVisible);
    anordnen();
}

bool ucOLMBinInfo::Visible_Bild1() const {
    return !m_pbBild1->isHidden();
}
void ucOLMBinInfo::Visible_Bild1(bool blnVisible) {
    m_pbBild1->setVisible(blnVisible);
    anordnen();
}

bool ucOLMBinInfo::Visible_Bild2() const {
    return !m_pbBild2->isHidden();
}
void ucOLMBinInfo::Visible_Bild2(bool blnVisible) {
    m_pbBild2->setVisible(blnVisible);
    anordnen();
}

bool ucOLMBinInfo::Visible_Button() const {
    return !m_pbButton->isHidden();
}
void ucOLMBinInfo::Visible_Button(bool blnVisible) {
    m_pbButton->setVisible(blnVisible);
    anordnen();
}

bool ucOLMBinInfo::Visible_InfoText() const {
    return !m_txtInfoText->isHidden();
}
void ucOLMBinInfo::Visible_InfoText(bool blnVisible) {
    m_txtInfoText->setVisible(blnVisible);
    m_lblTitelInfoText->setVisible(blnVisible);
    anordnen();
}

// ---- texts --------------------------------------------------------------------------------------

QString ucOLMBinInfo::Text_Bezeichnung() const {
    return m_lblBezeichnung->text();
}
void ucOLMBinInfo::Text_Bezeichnung(const QString& strText) {
    m_lblBezeichnung->setText(strText);
    anordnen();
}

void ucOLMBinInfo::setzeEintrag(QLabel* lbl, const QString& strText, void (ucOLMBinInfo::*zeige)(bool)) {
    const QString s = strText.trimmed();
    lbl->setText(s);
    (this->*zeige)(!s.isEmpty());
}

QString ucOLMBinInfo::Text_Telefon1() const {
    return m_lblTelefon1->text();
}
void ucOLMBinInfo::Text_Telefon1(const QString& strText) {
    setzeEintrag(m_lblTelefon1, strText, &ucOLMBinInfo::Visible_Telefon1);
}
QString ucOLMBinInfo::Text_Telefon2() const {
    return m_lblTelefon2->text();
}
void ucOLMBinInfo::Text_Telefon2(const QString& strText) {
    setzeEintrag(m_lblTelefon2, strText, &ucOLMBinInfo::Visible_Telefon2);
}
QString ucOLMBinInfo::Text_UKWKanal() const {
    return m_lblUKWKanal->text();
}
void ucOLMBinInfo::Text_UKWKanal(const QString& strText) {
    setzeEintrag(m_lblUKWKanal, strText, &ucOLMBinInfo::Visible_UKWKanal);
}

QString ucOLMBinInfo::Text_InfoText() const {
    return m_txtInfoText->toPlainText();
}
void ucOLMBinInfo::Text_InfoText(const QString& strText) {
    m_txtInfoText->setPlainText(strText);
    anordnen();
}

QString ucOLMBinInfo::Caption_Telefon() const {
    return m_lblTitelTelefon->text();
}
void ucOLMBinInfo::Caption_Telefon(const QString& strText) {
    m_lblTitelTelefon->setText(strText);
    anordnen();
}
QString ucOLMBinInfo::Caption_UKWKanal() const {
    return m_lblTitelUKWKanal->text();
}
void ucOLMBinInfo::Caption_UKWKanal(const QString& strText) {
    m_lblTitelUKWKanal->setText(strText);
    anordnen();
}
QString ucOLMBinInfo::Caption_InfoText() const {
    return m_lblTitelInfoText->text();
}
void ucOLMBinInfo::Caption_InfoText(const QString& strText) {
    m_lblTitelInfoText->setText(strText);
    anordnen();
}
QString ucOLMBinInfo::Caption_Bild1() const {
    return m_pbBild1->Text();
}
void ucOLMBinInfo::Caption_Bild1(const QString& strText) {
    m_pbBild1->Text(strText);
}
QString ucOLMBinInfo::Caption_Bild2() const {
    return m_pbBild2->Text();
}
void ucOLMBinInfo::Caption_Bild2(const QString& strText) {
    m_pbBild2->Text(strText);
}
QString ucOLMBinInfo::Caption_Button() const {
    return m_pbButton->Text();
}
void ucOLMBinInfo::Caption_Button(const QString& strText) {
    m_pbButton->Text(strText);
}

void ucOLMBinInfo::LoadPicture_Bild1(const QPixmap& picture) {
    m_pbBild1->LoadPicture(picture);
}
void ucOLMBinInfo::LoadPicture_Bild2(const QPixmap& picture) {
    m_pbBild2->LoadPicture(picture);
}
void ucOLMBinInfo::LoadPicture_Button(const QPixmap& picture) {
    m_pbButton->LoadPicture(picture);
}

// ---- look ---------------------------------------------------------------------------------------

void ucOLMBinInfo::Backcolor(const QColor& color) {
    m_backcolor = color;
    farbeAnwenden();
}

void ucOLMBinInfo::Forecolor(const QColor& color) {
    m_forecolor = color;
    farbeAnwenden();
}

void ucOLMBinInfo::FontBold(bool blnBold) {
    m_fontBold = blnBold;
    schriftAnwenden();
    anordnen();
}

void ucOLMBinInfo::FontSize(std::int16_t intSize) {
    if (intSize < 1) return;
    m_fontSize = intSize;
    schriftAnwenden();
    anordnen();
}

void ucOLMBinInfo::FormatControls() {
    if (objOLM3Cfg) {
        const QColor farbe[3] = {objOLM3Cfg->GetFarbe1(), objOLM3Cfg->GetFarbe2(), objOLM3Cfg->GetFarbe3()};
        for (ucOLMButton* pb : findChildren<ucOLMButton*>()) {
            if (pb->TypeIdent() != QStringLiteral("OLMButton").toUpper()) continue;
            pb->Backcolor(farbe[0]);
            pb->Forecolor(farbe[1]);
            pb->Pressedcolor(farbe[2]);
        }
        // The host's colour that stands out best on the panel writes its texts.
        QColor text = farbe[0];
        for (const QColor& c : farbe)
            if (c.isValid() && kontrast(c, m_backcolor) > kontrast(text, m_backcolor)) text = c;
        if (text.isValid()) m_forecolor = text;
    }
    for (ucOLMButton* pb : findChildren<ucOLMButton*>()) {
        pb->FontBold(true);
        pb->AppTyp(1);
        pb->IsDefault(false);
    }
    schriftAnwenden();
    farbeAnwenden();
    anordnen();
}

void ucOLMBinInfo::schriftAnwenden() {
    QFont f = font();
    f.setPointSize(m_fontSize);
    f.setBold(m_fontBold);
    for (QLabel* lbl : {m_lblTitelTelefon, m_lblTelefon1, m_lblTelefon2, m_lblTitelUKWKanal, m_lblUKWKanal,
                        m_lblTitelInfoText})
        lbl->setFont(f);
    m_txtInfoText->setFont(f);
    // The name heads the panel: larger and always bold.
    QFont name = f;
    name.setPointSize(m_fontSize + 4);
    name.setBold(true);
    m_lblBezeichnung->setFont(name);
}

void ucOLMBinInfo::farbeAnwenden() {
    QPalette pal = palette();
    if (m_backcolor.isValid()) pal.setColor(QPalette::Window, m_backcolor);
    setPalette(pal);
    for (QLabel* lbl : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        QPalette p = lbl->palette();
        p.setColor(QPalette::WindowText, m_forecolor);
        lbl->setPalette(p);
    }
    QPalette p = m_txtInfoText->palette();
    p.setColor(QPalette::Text, m_forecolor);
    m_txtInfoText->setPalette(p);
}

QPixmap ucOLMBinInfo::StandardBild() {
    // A framed landscape with a sun: the button opens a picture.
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rahmen(4, 10, 56, 44);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 3));
    p.setBrush(QColor(0xE4, 0xF0, 0xFA));
    p.drawRoundedRect(rahmen, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF2, 0xB7, 0x05));
    p.drawEllipse(QPointF(45, 22), 6, 6);
    QPainterPath berge(QPointF(7, 51));
    berge.lineTo(22, 28);
    berge.lineTo(32, 41);
    berge.lineTo(40, 33);
    berge.lineTo(57, 51);
    berge.closeSubpath();
    p.setBrush(QColor(0x3B, 0x7D, 0x4F));
    p.drawPath(berge);
    return pm;
}

// ---- layout -------------------------------------------------------------------------------------

void ucOLMBinInfo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    anordnen();
}

bool ucOLMBinInfo::knopfSpalte() const {
    return !m_pbBild1->isHidden() || !m_pbBild2->isHidden() || !m_pbButton->isHidden();
}

int ucOLMBinInfo::infoTextHoehe(int intBreite) const {
    const int rahmen = 2 * m_txtInfoText->frameWidth();
    QTextDocument* doc = m_txtInfoText->document();
    doc->setTextWidth(std::max(1, intBreite - rahmen));
    const int h = static_cast<int>(std::ceil(doc->size().height())) + rahmen;
    return std::max(h, minInfoTextHoehe());
}

int ucOLMBinInfo::minInfoTextHoehe() const {
    const QFontMetrics fm(m_txtInfoText->font());
    const double rand = m_txtInfoText->document()->documentMargin();
    return kMinInfoZeilen * fm.lineSpacing() + static_cast<int>(2 * rand) + 2 * m_txtInfoText->frameWidth();
}

void ucOLMBinInfo::ordneKnoepfeAn(int& intUnten) {
    const int x = width() - kRand - kKnopfBreite;
    int bilder = 0, abstaende = -kAbstand;
    for (ucOLMButton* pb : {m_pbBild1, m_pbBild2, m_pbButton}) {
        if (pb->isHidden()) continue;
        if (pb != m_pbButton) ++bilder;
        abstaende += kAbstand;
    }
    const int knopf = m_pbButton->isHidden() ? 0 : kKnopfHoehe;
    intUnten = bilder == 0 && knopf == 0 ? 0 : kRand + bilder * kBildKnopfHoehe + knopf + abstaende;
    // In a panel lower than the column needs, the picture buttons give way so that none is cut off.
    int bildHoehe = kBildKnopfHoehe;
    if (bilder > 0 && intUnten + kRand > height())
        bildHoehe = std::max(kKnopfHoehe, (height() - 2 * kRand - knopf - abstaende) / bilder);
    int y = kRand;
    for (ucOLMButton* pb : {m_pbBild1, m_pbBild2, m_pbButton}) {
        if (pb->isHidden()) continue;
        const int h = pb == m_pbButton ? kKnopfHoehe : bildHoehe;
        pb->setGeometry(x, y, kKnopfBreite, h);
        y += h + kAbstand;
    }
}

void ucOLMBinInfo::anordnen() {
    const int rechts = width() - kRand - (knopfSpalte() ? kKnopfBreite + 3 * kAbstand : 0);
    const int links = kRand;
    const int textBreite = std::max(1, rechts - links);

    // The titles share one column; the values start right of the widest visible title.
    int titelBreite = 0;
    for (QLabel* t : {m_lblTitelTelefon, m_lblTitelUKWKanal, m_lblTitelInfoText})
        if (!t->isHidden())
            titelBreite = std::max(titelBreite, QFontMetrics(t->font()).horizontalAdvance(t->text()));
    if (titelBreite > 0) titelBreite += 3 * kAbstand;
    const int wertX = links + titelBreite;
    const int wertBreite = std::max(1, rechts - wertX);

    auto hoehe = [](QLabel* lbl, int breite) {
        const int zeile = QFontMetrics(lbl->font()).height();
        const int h = lbl->wordWrap() && !lbl->text().isEmpty() ? lbl->heightForWidth(breite) : zeile;
        return std::max(h, zeile);
    };

    int y = kRand;
    int unten = 0;
    if (!m_lblBezeichnung->isHidden()) {
        const int h = hoehe(m_lblBezeichnung, textBreite);
        m_lblBezeichnung->setGeometry(links, y, textBreite, h);
        unten = y + h;
        y = unten + 2 * kAbstand;
    }
    auto abschnitt = [&](QLabel* titel, std::initializer_list<QLabel*> werte) {
        const int oben = y;
        int ende = oben;
        if (!titel->isHidden()) {
            const int h = hoehe(titel, std::max(1, titelBreite - kAbstand));
            titel->setGeometry(links, oben, std::max(1, titelBreite - kAbstand), h);
            ende = oben + h;
        }
        int wy = oben;
        for (QLabel* w : werte) {
            if (w->isHidden()) continue;
            const int h = hoehe(w, wertBreite);
            w->setGeometry(wertX, wy, wertBreite, h);
            wy += h;
            ende = std::max(ende, wy);
            wy += kAbstand / 2;
        }
        if (ende > oben) {
            unten = ende;
            y = ende + kAbstand;
        }
    };
    abschnitt(m_lblTitelTelefon, {m_lblTelefon1, m_lblTelefon2});
    abschnitt(m_lblTitelUKWKanal, {m_lblUKWKanal});

    int benoetigt = unten;
    if (!m_txtInfoText->isHidden()) {
        if (!m_lblTitelInfoText->isHidden()) {
            const int h = hoehe(m_lblTitelInfoText, std::max(1, titelBreite - kAbstand));
            m_lblTitelInfoText->setGeometry(links, y, std::max(1, titelBreite - kAbstand), h);
        }
        const int voll = infoTextHoehe(wertBreite);
        // In a panel lower than the text needs, the box takes the room there is and scrolls.
        const int platz = height() - kRand - y;
        const int h = std::clamp(platz, minInfoTextHoehe(), voll);
        m_txtInfoText->setGeometry(wertX, y, wertBreite, h);
        benoetigt = y + voll;
    }

    int knopfUnten = 0;
    ordneKnoepfeAn(knopfUnten);
    const int inhalt = std::max(benoetigt, knopfUnten);
    m_maxHeight = inhalt > 0 ? inhalt + kRand : 2 * kRand;
}
