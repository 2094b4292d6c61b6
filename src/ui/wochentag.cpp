#include "ui/wochentag.h"

#include "olm3binnen/types.h"
#include "planning/core/startzeit.h"

#include <QLineEdit>

namespace olm3ui {

namespace {
/// The field's display format around the weekday (a quoted literal: the user cannot type over it).
QString anzeigeFormat(const QString& strWochentag) {
    QString literal = strWochentag;
    literal.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + literal + QStringLiteral("' dd.MM.yyyy HH:mm");
}
} // namespace

QString WochentagKurz(const QString& strModul, const QDate& dat) {
    if (!dat.isValid()) return QString();
    return olm3::planning::WochentagKurz(dat, strModul);
}

QString FormatDatumWochentag(const QString& strModul, const QDateTime& dat) {
    return olm3::planning::FormatStartzeit(dat, strModul);
}

WochentagDateTimeEdit::WochentagDateTimeEdit(const QString& strModul, QWidget* parent)
    : QDateTimeEdit(parent), m_strModul(strModul) {
    setCalendarPopup(false);
    wochentagAnzeigen();
    connect(this, &QDateTimeEdit::dateChanged, this, [this] { wochentagAnzeigen(); });
}

void WochentagDateTimeEdit::SetDatumZeit(const QDate& dat, const QTime& zeit) {
    setDate(dat);
    setTime(zeit);
    wochentagAnzeigen();
}

QDateTime WochentagDateTimeEdit::DatumZeit() const {
    const QTime t = time();
    return olm3::MakeDatum(date(), QTime(t.hour(), t.minute(), t.second()));
}

void WochentagDateTimeEdit::stepBy(int steps) {
    QDateTimeEdit::stepBy(steps);
    wochentagAnzeigen();
}

void WochentagDateTimeEdit::focusOutEvent(QFocusEvent* event) {
    QDateTimeEdit::focusOutEvent(event);
    wochentagAnzeigen();
}

void WochentagDateTimeEdit::wochentagAnzeigen() {
    const QString wochentag = WochentagKurz(m_strModul, date());
    if (!m_strWochentag.isNull() && wochentag == m_strWochentag) return;
    m_strWochentag = wochentag;
    // A new format puts the cursor to the start; the weekday is always two letters wide, so the part the
    // user was in is found again at the same place.
    const Section section = currentSection();
    const int cursor = lineEdit()->cursorPosition();
    setDisplayFormat(anzeigeFormat(wochentag));
    // The weekday itself is no part to edit: a field standing on it could not be stepped, so the day
    // is the part to start from.
    setCurrentSection(section == NoSection ? DaySection : section);
    if (section != NoSection) lineEdit()->setCursorPosition(cursor);
}

} // namespace olm3ui
