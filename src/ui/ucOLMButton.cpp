#include "ui/ucOLMButton.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>

namespace {
/// Room between the control's edge and the picture or caption: frame plus padding of the style below.
constexpr int kRand = 5;
/// Gap between picture and caption.
constexpr int kAbstand = 4;

/// The host's bit values: buttons left 1, right 2, middle 4; keys shift 1, control 2, alt 4.
template <typename Flags, typename Flag> std::int16_t vbBits(Flags flags, Flag eins, Flag zwei, Flag vier) {
    return static_cast<std::int16_t>(((flags & eins) ? 1 : 0) | ((flags & zwei) ? 2 : 0) |
                                     ((flags & vier) ? 4 : 0));
}
std::int16_t vbButtons(Qt::MouseButtons b) {
    return vbBits(b, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton);
}
std::int16_t vbShift(Qt::KeyboardModifiers m) {
    return vbBits(m, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier);
}

QColor mix(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}
} // namespace

ucOLMButton::ucOLMButton(QWidget* parent) : QWidget(parent), m_fpb(new QToolButton(this)) {
    m_fpb->setObjectName(QStringLiteral("fpb"));
    m_fpb->setFocusPolicy(Qt::StrongFocus);
    m_fpb->setMouseTracking(true);
    m_fpb->setAutoRaise(false);
    m_fpb->installEventFilter(this);
    setFocusProxy(m_fpb);
    connect(m_fpb, &QToolButton::clicked, this, &ucOLMButton::Click);
    connect(m_fpb, &QToolButton::toggled, this, [this] { applyEnabled(); });

    m_backcolor = QApplication::palette().color(QPalette::Active, QPalette::Base);
    QFont f = font();
    f.setBold(true);
    f.setPointSize(12);
    m_fpb->setFont(f);
    m_fpb->setText(QStringLiteral("?-?-?-?"));
    applyStyle();
    resize(kStandardWidth, kStandardHeight);
    layoutButton();
}

QFont ucOLMButton::Font() const {
    return m_fpb->font();
}
void ucOLMButton::Font(const QFont& font) {
    m_fpb->setFont(font);
    layoutButton();
}

QString ucOLMButton::Text() const {
    return m_fpb->text();
}
void ucOLMButton::Text(const QString& strText) {
    m_fpb->setText(strText);
    layoutButton();
}

void ucOLMButton::Backcolor(const QColor& color) {
    m_backcolor = color;
    applyStyle();
}

void ucOLMButton::Forecolor(const QColor& color) {
    m_forecolor = color;
    applyStyle();
}

void ucOLMButton::Enabled(bool blnEnabled) {
    m_enabled = blnEnabled;
    applyEnabled();
}

bool ucOLMButton::FontBold() const {
    return m_fpb->font().bold();
}
void ucOLMButton::FontBold(bool blnBold) {
    QFont f = m_fpb->font();
    f.setBold(blnBold);
    Font(f);
}

std::int16_t ucOLMButton::FontSize() const {
    return static_cast<std::int16_t>(m_fpb->font().pointSize());
}
void ucOLMButton::FontSize(std::int16_t intSize) {
    if (intSize < 1) return;
    QFont f = m_fpb->font();
    f.setPointSize(intSize);
    Font(f);
}

bool ucOLMButton::TwoState() const {
    return m_fpb->isCheckable();
}
void ucOLMButton::TwoState(bool blnTwoState) {
    if (!blnTwoState) m_fpb->setChecked(false);
    m_fpb->setCheckable(blnTwoState);
    applyEnabled();
}

void ucOLMButton::IsDefault(bool blnDefault) {
    m_isDefault = blnDefault;
    if (blnDefault) {
        setFixedSize(kStandardWidth, kStandardHeight);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    layoutButton();
}

bool ucOLMButton::Value() const {
    return m_fpb->isChecked();
}
void ucOLMButton::Value(bool blnValue) {
    if (!m_fpb->isCheckable()) return;
    m_fpb->setChecked(blnValue);
    applyEnabled();
}

void ucOLMButton::AppTyp(std::int16_t intTyp) {
    m_appTyp = intTyp;
    applyStyle();
}

void ucOLMButton::LoadPicture(const QPixmap& picture) {
    m_picture = picture;
    layoutButton();
}

void ucOLMButton::Format_Button(std::int32_t lngWidth, std::int32_t lngHeight, bool blnPicture,
                                const QPixmap& picture, bool blnText, const QString& strText) {
    if (lngWidth != -1 || lngHeight != -1) IsDefault(false);
    if (lngWidth != -1) resize(std::max(0, lngWidth), height());
    if (lngHeight != -1) resize(width(), std::max(0, lngHeight));
    if (blnPicture) m_picture = picture;
    if (blnText) m_fpb->setText(strText);
    // A hidden control gets its resize event only when shown; its button is laid out now all the same.
    layoutButton();
}

void ucOLMButton::StateEnabled(int intState, bool blnEnabled) {
    if (intState != 0 && intState != 1) return;
    m_stateEnabled[intState] = blnEnabled;
    applyEnabled();
}

bool ucOLMButton::StateEnabled(int intState) const {
    return (intState == 0 || intState == 1) ? m_stateEnabled[intState] : m_enabled;
}

void ucOLMButton::Pressedcolor(const QColor& color) {
    m_pressedcolor = color;
    applyStyle();
}

int ucOLMButton::CaptionRoom() const {
    int room = width() - 2 * kRand;
    if (!m_picture.isNull() && m_fpb->toolButtonStyle() == Qt::ToolButtonTextBesideIcon)
        room -= m_fpb->iconSize().width() + kAbstand;
    return room;
}

QSize ucOLMButton::sizeHint() const {
    return QSize(kStandardWidth, kStandardHeight);
}

void ucOLMButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutButton();
}

void ucOLMButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) layoutButton();
}

bool ucOLMButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_fpb) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space) break;
        // Space clicks only without shift, control or alt; the button's own handling is replaced so
        // that a held shift key does not click on release.
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && vbShift(key->modifiers()) == 0)
            m_fpb->click();
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF p = mouse->position();
        emit MouseMove(vbButtons(mouse->buttons()), vbShift(mouse->modifiers()), static_cast<float>(p.x()),
                       static_cast<float>(p.y()));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ucOLMButton::applyEnabled() {
    const bool state = m_stateEnabled[m_fpb->isChecked() ? 1 : 0];
    const bool locked = m_enabled && !state;
    m_fpb->setEnabled(m_enabled && state);
    if (locked != m_stateLocked) {
        m_stateLocked = locked;
        applyIcon();
    }
}

void ucOLMButton::applyIcon() {
    if (m_scaled.isNull()) {
        m_fpb->setIcon(QIcon());
        return;
    }
    QIcon icon(m_scaled);
    // A button locked in its state only (the pressed view button) keeps its picture in colour; a
    // disabled button shows it greyed.
    if (m_stateLocked) icon.addPixmap(m_scaled, QIcon::Disabled);
    m_fpb->setIconSize(m_scaled.size());
    m_fpb->setIcon(icon);
}

void ucOLMButton::applyStyle() {
    const QColor back = m_backcolor.isValid() ? m_backcolor : QColor(Qt::white);
    const bool dark = back.lightness() < 128;
    const QColor hover = dark ? back.lighter(125) : back.darker(106);
    const QColor pressed = m_pressedcolor.isValid() ? m_pressedcolor
                           : dark                   ? back.lighter(155)
                                                    : back.darker(120);
    // The caption of the pressed state keeps to whichever of the two colours stands out on it.
    const auto contrast = [&](const QColor& c) { return std::abs(c.lightness() - pressed.lightness()); };
    const QColor pressedFore = contrast(m_forecolor) >= contrast(back) ? m_forecolor : back;
    const QColor frame = dark ? back.lighter(190) : back.darker(160);
    const QColor grey = mix(m_forecolor, back);
    // AppTyp 1 is the flat panel look; every other preset is raised with a 3-D frame.
    const QString border = m_appTyp == 1
                               ? QStringLiteral("2px solid %1; border-radius: 5px").arg(frame.name())
                               : QStringLiteral("2px outset %1").arg(frame.name());
    const QString pressedBorder = m_appTyp == 1 ? QStringLiteral("border-color: %1").arg(m_forecolor.name())
                                                : QStringLiteral("border-style: inset");
    m_fpb->setStyleSheet(
        QStringLiteral("QToolButton#fpb { background-color: %1; color: %2; border: %3; "
                       "padding: 3px; }"
                       "QToolButton#fpb:hover { background-color: %4; }"
                       "QToolButton#fpb:pressed, QToolButton#fpb:checked { background-color: %5; "
                       "color: %8; %6; }"
                       "QToolButton#fpb:disabled { color: %7; }"
                       "QToolButton#fpb:checked:disabled { color: %8; }")
            .arg(back.name(), m_forecolor.name(), border, hover.name(), pressed.name(), pressedBorder,
                 grey.name(), pressedFore.name()));
}

void ucOLMButton::layoutButton() {
    m_fpb->setGeometry(rect());
    if (m_picture.isNull()) {
        m_scaled = QPixmap();
        m_fpb->setToolButtonStyle(Qt::ToolButtonTextOnly);
        applyIcon();
        return;
    }
    const int innerW = std::max(1, width() - 2 * kRand);
    const int innerH = std::max(1, height() - 2 * kRand);
    int side = 0;
    if (Text().isEmpty()) {
        m_fpb->setToolButtonStyle(Qt::ToolButtonIconOnly);
        side = std::min(innerW, innerH);
    } else {
        const QFontMetrics fm(m_fpb->font());
        const int lines = static_cast<int>(Text().count(QLatin1Char('\n'))) + 1;
        const int roomAbove = std::min(innerH - lines * fm.height() - kAbstand, innerW);
        const bool above = roomAbove >= kMinPictureAbove;
        m_fpb->setToolButtonStyle(above ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon);
        side = above ? roomAbove : innerH - kAbstand;
    }
    side = std::max(side, 8);
    // The picture is scaled to the room itself: a small picture grows, so that it reads clearly, and
    // the style places picture and caption as one block.
    m_scaled = m_picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    applyIcon();
}
