#pragma once
// Dates with the German weekday abbreviation of the text table ("Mo 02.06.2008 10:00"), as the route
// windows show start times: a formatter for grid cells and a date/time field. The weekday names never
// come from the system locale, so a window shows the same abbreviations on every machine.

#include <QDate>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QString>

namespace olm3ui {

/// The weekday's abbreviation from the text table of strModul ("So", "Mo", ... "Sa").
QString WochentagKurz(const QString& strModul, const QDate& dat);
/// The date-time as "ddd dd.mm.yyyy hh:nn" with the weekday of strModul's text table.
QString FormatDatumWochentag(const QString& strModul, const QDateTime& dat);

/// A date/time field showing "ddd dd.mm.yyyy hh:nn": the weekday is a fixed part of the display that
/// follows the date, the other parts are edited as usual. Values are set and read as date and time of
/// day (wall-clock, no time zone), never as a QDateTime, so no time-zone conversion can shift them.
class WochentagDateTimeEdit : public QDateTimeEdit {
    Q_OBJECT
public:
    explicit WochentagDateTimeEdit(const QString& strModul, QWidget* parent = nullptr);

    /// Sets date and time of day (minutes; seconds as given).
    void SetDatumZeit(const QDate& dat, const QTime& zeit);
    /// The shown date plus hours, minutes and seconds, as the component's naive date-time.
    QDateTime DatumZeit() const;

    void stepBy(int steps) override;

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void wochentagAnzeigen();

    QString m_strModul;
    QString m_strWochentag; ///< null until the first display format is set
};

} // namespace olm3ui
