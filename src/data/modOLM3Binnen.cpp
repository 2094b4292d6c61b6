#include "data/modOLM3Binnen.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

namespace modOLM3Binnen {

ADODB::ConnectionPtr conBinnenDatabase;
ADODB::ConnectionPtr conWPundRoutenDB;
IOLM3Cfg* objOLM3Cfg = nullptr;
IOLM3KWS* objOLM3KWS = nullptr;
IOLM3TGF* objOLM3TGF = nullptr;
std::int16_t intKatalogNr = -1;
QString strDruckPdf;

bool IsKatalogOffen() { return conBinnenDatabase && conBinnenDatabase->IsOpen(); }

QString GetText(const QString& strModul, std::int32_t lngTextID) {
    if (!objOLM3Cfg) return kTextDefault;
    return objOLM3Cfg->GetText(kProjekt, strModul, lngTextID, kTextDefault);
}

// ---- message boxes ------------------------------------------------------------------------------
namespace {
int defaultMsgBox(const QString& strText, int intStyle, const QString& strTitle) {
    // Without a window library there is nobody to ask: say it on stderr and take the first button.
    std::fprintf(stderr, "%s: %s\n", qPrintable(strTitle.isEmpty() ? kTitle : strTitle), qPrintable(strText));
    switch (intStyle & 7) {
    case vbYesNo:
    case vbYesNoCancel:
        return vbYes;
    default:
        return vbOK;
    }
}
MsgBoxHandler& handlerSlot() {
    static MsgBoxHandler h;
    return h;
}
} // namespace

int MsgBox(const QString& strText, int intStyle, const QString& strTitle) {
    const QString title = strTitle.isEmpty() ? kTitle : strTitle;
    if (handlerSlot()) return handlerSlot()(strText, intStyle, title);
    return defaultMsgBox(strText, intStyle, title);
}

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler) {
    MsgBoxHandler old = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return old;
}

bool IsDefaultMsgBoxHandler() { return !handlerSlot(); }

void ShowRuntimeError(const QString& strTag, const olm3::RuntimeError& e) {
    MsgBox(QString::number(e.Number()) + QStringLiteral("  ") + e.Description(), vbCritical, strTag);
}

void ShowRuntimeError(const QString& strTag, const std::exception& e) { ShowRuntimeError(strTag, AsRuntimeError(e)); }

olm3::RuntimeError AsRuntimeError(const std::exception& e) {
    if (auto* re = dynamic_cast<const olm3::RuntimeError*>(&e)) return *re;
    return olm3::RuntimeError(5, QString::fromUtf8(e.what()));
}

// ---- pause ------------------------------------------------------------------------------------
namespace {
QSet<QString>& runningPauses() {
    static QSet<QString> s;
    return s;
}
int g_stepPauseMs = 10;
} // namespace

void WaitMilliseconds(std::int32_t lngMs, const QString& strName) {
    QString name = strName + kTitle;
    name.remove(QLatin1Char('\\'));
    name = name.left(260);
    if (runningPauses().contains(name)) return;
    runningPauses().insert(name);
    if (lngMs > 0) {
        if (QCoreApplication::instance()) {
            QEventLoop loop;
            QTimer::singleShot(lngMs, &loop, &QEventLoop::quit);
            loop.exec();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(lngMs));
        }
    }
    runningPauses().remove(name);
}

void DoEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void StepPause(const QString& strName) {
    if (g_stepPauseMs > 0)
        WaitMilliseconds(g_stepPauseMs, strName);
    else
        DoEvents();
}

void SetStepPauseMs(int ms) { g_stepPauseMs = ms < 0 ? 0 : ms; }
int StepPauseMs() { return g_stepPauseMs; }

// ---- log ------------------------------------------------------------------------------------------
QString LogFilePath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty()) state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/OLM3Binnen/") + kTitle + QStringLiteral(".log");
}

void WriteLogEntry(const QString& strSource, std::int32_t lngNumber, const QString& strText) {
    try {
        const QString path = LogFilePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        if (!f.open(QIODevice::Append | QIODevice::WriteOnly)) return;
        const QString line = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yy hh:mm:ss")) +
                             QLatin1Char('\t') + strSource + QLatin1Char('\t') + QString::number(lngNumber) +
                             QLatin1Char('\t') + strText + QStringLiteral("\r\n");
        f.write(line.toUtf8());
    } catch (...) {
        // Logging never disturbs the caller.
    }
}

// ---- paths and settings files ------------------------------------------------------------------
QString ImOrdner(const QString& strOrdner, const QString& strName) {
    if (strOrdner.isEmpty() || strOrdner.endsWith(QLatin1Char('/')) || strOrdner.endsWith(QLatin1Char('\\')))
        return strOrdner + strName;
    return strOrdner + QLatin1Char('/') + strName;
}

void SplitPath(const QString& strPath, QString& strFolder, QString& strName, QString& strExt) {
    QString rest = strPath;
    strExt.clear();
    const int dot = rest.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0) {
        strExt = rest.mid(dot + 1);
        rest = rest.left(dot);
    }
    int sep = -1;
    for (QChar c : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(':')}) sep = std::max(sep, int(rest.lastIndexOf(c)));
    if (sep >= 0) {
        strFolder = rest.left(sep);
        strName = rest.mid(sep + 1);
    } else {
        strFolder.clear();
        strName = rest;
    }
}

bool WriteIniString(const QString& strFile, const QString& strSection, const QString& strKey,
                    const QString& strValue) {
    QByteArray original;
    {
        QFile in(strFile);
        if (in.exists()) {
            if (!in.open(QIODevice::ReadOnly)) return false;
            original = in.readAll();
        }
    }
    const bool crlf = original.contains("\r\n") || original.isEmpty();
    const QString eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text = QString::fromUtf8(original);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    const bool endsWithEol = !text.isEmpty() && text.endsWith(QLatin1Char('\n'));
    if (endsWithEol) lines.removeLast();
    if (text.isEmpty()) lines.clear();

    auto sectionOf = [](const QString& line, QString& name) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            name = t.mid(1, t.size() - 2).trimmed();
            return true;
        }
        return false;
    };
    int sectionStart = -1, sectionEnd = -1; // sectionEnd: index after the last line belonging to it
    for (int i = 0; i < lines.size(); ++i) {
        QString name;
        if (sectionOf(lines[i], name)) {
            if (sectionStart >= 0 && sectionEnd < 0) sectionEnd = i;
            if (sectionStart < 0 && name.compare(strSection, Qt::CaseInsensitive) == 0) sectionStart = i;
        }
    }
    const QString newLine = strKey + QLatin1Char('=') + strValue;
    if (sectionStart < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines << QString();
        lines << QLatin1Char('[') + strSection + QLatin1Char(']') << newLine;
    } else {
        if (sectionEnd < 0) sectionEnd = lines.size();
        int keyLine = -1;
        for (int i = sectionStart + 1; i < sectionEnd; ++i) {
            const QString t = lines[i].trimmed();
            if (t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'))) continue;
            const int eq = t.indexOf(QLatin1Char('='));
            if (eq > 0 && t.left(eq).trimmed().compare(strKey, Qt::CaseInsensitive) == 0) {
                keyLine = i;
                break;
            }
        }
        if (keyLine >= 0) {
            lines[keyLine] = newLine;
        } else {
            int insertAt = sectionEnd;
            while (insertAt > sectionStart + 1 && lines[insertAt - 1].trimmed().isEmpty()) --insertAt;
            lines.insert(insertAt, newLine);
        }
    }
    QSaveFile out(strFile);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write((lines.join(eol) + eol).toUtf8());
    return out.commit();
}

// ---- conversions ------------------------------------------------------------------------------
namespace {
bool toDouble(const QString& s, double& v) {
    QString t = s.trimmed();
    if (t.isEmpty()) return false;
    if (t.contains(QLatin1Char(',')) && !t.contains(QLatin1Char('.'))) t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    v = t.toDouble(&ok);
    // "nan" and "inf" read as numbers, but no catalogue value or setting means them.
    return ok && std::isfinite(v);
}
olm3::RuntimeError typeMismatch(const QString& s) {
    return olm3::RuntimeError(olm3::ErrNo::TypeMismatch, QStringLiteral("Type mismatch: '%1'").arg(s));
}
} // namespace

bool IsNumeric(const QString& s) {
    double v;
    return toDouble(s, v);
}

double CDbl(const QString& s) {
    double v;
    if (!toDouble(s, v)) throw typeMismatch(s);
    return v;
}

std::int32_t CLng(const QString& s) {
    const double v = CDbl(s);
    if (v > 2147483647.0 || v < -2147483648.0) throw olm3::RuntimeError(6, QStringLiteral("Overflow: '%1'").arg(s));
    return static_cast<std::int32_t>(std::nearbyint(v));
}

bool CBool(const QString& s) {
    const QString t = s.trimmed().toLower();
    if (t.isEmpty() || t == QLatin1String("0") || t == QLatin1String("false") || t == QLatin1String("falsch"))
        return false;
    if (t == QLatin1String("true") || t == QLatin1String("wahr")) return true;
    double v;
    if (toDouble(t, v)) return v != 0.0;
    throw typeMismatch(s);
}

namespace {
/// The digit at position i of t, or -1.
int ziffer(const QString& t, qsizetype i) {
    const char16_t c = t[i].unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}
/// Two digits from position i of t, or -1.
int zweiZiffern(const QString& t, qsizetype i) {
    const int a = ziffer(t, i), b = ziffer(t, i + 1);
    return a < 0 || b < 0 ? -1 : a * 10 + b;
}

/// The forms the catalogue writes its times and dates in, hh:mm, h:mm, hh:mm:ss and yyyy-mm-dd, read
/// directly. False for any other text and for values out of range: the general parser decides on those.
bool parseKatalogform(const QString& t, QDateTime& out) {
    const qsizetype n = t.size();
    if (n == 10 && t[4] == u'-' && t[7] == u'-') {
        const int jh = zweiZiffern(t, 0), j = zweiZiffern(t, 2), m = zweiZiffern(t, 5), d = zweiZiffern(t, 8);
        if (jh < 0 || j < 0 || m < 0 || d < 0) return false;
        const QDate dat(jh * 100 + j, m, d);
        if (!dat.isValid()) return false;
        out = olm3::MakeDatum(dat);
        return true;
    }
    const qsizetype k = n == 4 || n == 7 ? 1 : 2; // where the colon after the hour stands
    if ((n != 4 && n != 5 && n != 7 && n != 8) || t[k] != u':' || (n > 5 && t[k + 3] != u':')) return false;
    const int h = k == 1 ? ziffer(t, 0) : zweiZiffern(t, 0);
    const int m = zweiZiffern(t, k + 1);
    const int sek = n > 5 ? zweiZiffern(t, k + 4) : 0;
    if (h < 0 || h > 23 || m < 0 || m > 59 || sek < 0 || sek > 59) return false;
    out = olm3::MakeDatum(olm3::DatumNull().date(), QTime(h, m, sek));
    return true;
}

bool parseDate(const QString& s, QDateTime& out) {
    const QString t = s.trimmed();
    if (parseKatalogform(t, out)) return true;
    static const char* dateTimeFormats[] = {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm",
                                            "yyyy-MM-ddTHH:mm",    "dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm",
                                            "yyyy-MM-dd HH:mm:ss.zzz"};
    for (const char* f : dateTimeFormats) {
        const QDateTime dt = QDateTime::fromString(t, QLatin1String(f));
        if (dt.isValid()) {
            out = olm3::MakeDatum(dt.date(), dt.time());
            return true;
        }
    }
    for (const char* f : {"yyyy-MM-dd", "dd.MM.yyyy"}) {
        const QDate d = QDate::fromString(t, QLatin1String(f));
        if (d.isValid()) {
            out = olm3::MakeDatum(d);
            return true;
        }
    }
    for (const char* f : {"HH:mm:ss", "HH:mm", "H:mm", "H:mm:ss"}) {
        const QTime tm = QTime::fromString(t, QLatin1String(f));
        if (tm.isValid()) {
            out = olm3::MakeDatum(olm3::DatumNull().date(), tm);
            return true;
        }
    }
    return false;
}
} // namespace

QDateTime CDate(const QString& s) {
    QDateTime d;
    if (!parseDate(s, d)) throw typeMismatch(s);
    return d;
}

bool IsDate(const QString& s) {
    QDateTime d;
    return parseDate(s, d);
}

} // namespace modOLM3Binnen

namespace olm3 {
double DatumToDouble(const QDateTime& dat) {
    const qint64 secs = DatumNull().secsTo(MakeDatum(dat.date(), dat.time()));
    return static_cast<double>(secs) / 86400.0;
}
QDateTime DoubleToDatum(double d) {
    return DatumNull().addSecs(static_cast<qint64>(std::llround(d * 86400.0)));
}
} // namespace olm3
