#pragma once
// The shared module of the component: the state all windows share, the message-box seam, the
// responsive pause, the log file, and small text, path and settings-file helpers.

#include "olm3binnen/ado.h"
#include "olm3binnen/hostservices.h"
#include "olm3binnen/types.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>

namespace modOLM3Binnen {

/// Title of the component: pause names, log file name, default message caption.
inline const QString kTitle = QStringLiteral("OLM3Binnen");
/// Project name handed to the host's text service.
inline const QString kProjekt = QStringLiteral("OLM3Binnen");
/// Default text of the host's text service for an id it does not hold.
inline const QString kTextDefault = QStringLiteral("x?x");

// ---- shared state (one per loaded component) ---------------------------------------------------
extern ADODB::ConnectionPtr conBinnenDatabase; ///< the catalogue, read-only; empty when not open
extern ADODB::ConnectionPtr conWPundRoutenDB;  ///< the host's waypoints-and-routes database
extern IOLM3Cfg* objOLM3Cfg;
extern IOLM3KWS* objOLM3KWS;
extern IOLM3TGF* objOLM3TGF;
extern std::int16_t intKatalogNr; ///< number of the open catalogue, -1 when none is configured
/// Where the component prints: a PDF file, or empty for the system's printer.
extern QString strDruckPdf;

/// True when the catalogue connection is open.
bool IsKatalogOffen();

/// Text of an id for a module from the host's text service ("x?x" without a host or text).
QString GetText(const QString& strModul, std::int32_t lngTextID);

// ---- message boxes ------------------------------------------------------------------------------
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

/// Every message box of the component goes through here. The handler gets the text, the style
/// (buttons + icon) and the title and returns the button pressed.
using MsgBoxHandler = std::function<int(const QString& strText, int intStyle, const QString& strTitle)>;
int MsgBox(const QString& strText, int intStyle = vbOKOnly, const QString& strTitle = QString());
/// Replaces the handler; returns the previous one. An empty handler restores the default.
MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler);
/// True while no window library or test has installed its own handler.
bool IsDefaultMsgBoxHandler();
/// Shows a trapped run-time error the usual way: critical icon, the procedure tag as title, the
/// error number, two blanks and the description.
void ShowRuntimeError(const QString& strTag, const olm3::RuntimeError& e);
void ShowRuntimeError(const QString& strTag, const std::exception& e);

// ---- pause, step pause, log --------------------------------------------------------------------
/// Pauses lngMs milliseconds while window events are processed. A pause of the same name that is
/// already running makes this one return at once.
void WaitMilliseconds(std::int32_t lngMs, const QString& strName);
/// The pause a computation takes after each step: the component's step pause (default 10 ms); with a
/// step pause of 0 pending events are still processed.
void StepPause(const QString& strName);
void SetStepPauseMs(int ms);
int StepPauseMs();
/// Processes pending window events (if an application object exists).
void DoEvents();

/// Appends one line to the component's log file: date-time, source, number, text, tab-separated.
void WriteLogEntry(const QString& strSource, std::int32_t lngNumber, const QString& strText);
/// The log file: the user's state folder, "OLM3Binnen", the title and ".log".
QString LogFilePath();

// ---- small helpers ------------------------------------------------------------------------------
/// Splits a path into folder (before the last "\", "/" or ":"), name and extension (after the last ".").
void SplitPath(const QString& strPath, QString& strFolder, QString& strName, QString& strExt);
/// A file or sub-folder of a folder; hosts name folders with or without the separator at the end. An
/// empty folder gives the name alone.
QString ImOrdner(const QString& strOrdner, const QString& strName);
/// Writes one key of a settings file, keeping every other line; the file is replaced atomically.
bool WriteIniString(const QString& strFile, const QString& strSection, const QString& strKey,
                    const QString& strValue);
template <typename T> T MinValue(T a, T b) { return a < b ? a : b; }

// ---- conversions of field texts (the database layer hands values over as text) ------------------
/// True when the text reads as a number (a decimal point or comma is accepted).
bool IsNumeric(const QString& s);
/// The number a text reads as; throws olm3::RuntimeError (type mismatch) when it is none.
double CDbl(const QString& s);
std::int32_t CLng(const QString& s);
/// Boolean texts: "1", "-1", "true", "wahr" (any case) are true; "0", "false", "falsch", "" false.
bool CBool(const QString& s);
/// A date, date-time or time text ("yyyy-mm-dd", "yyyy-mm-dd hh:nn[:ss]", "hh:nn[:ss]",
/// "dd.mm.yyyy [hh:nn[:ss]]") as a date-time; a bare time lies on the date origin.
/// Throws olm3::RuntimeError (type mismatch) for anything else.
QDateTime CDate(const QString& s);
bool IsDate(const QString& s);

/// The run-time error a standard exception stands for (a RuntimeError keeps its number).
olm3::RuntimeError AsRuntimeError(const std::exception& e);

} // namespace modOLM3Binnen
