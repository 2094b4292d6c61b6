#pragma once
// Shared pieces of the command-line tool: its texts, argument parsing and output.

#include <QCommandLineParser>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class clsOLM3Binnen;
namespace olm3 {
class IniConfig;
}

namespace cli {

/// A text of the tool from the component's text table (module "olm3binnen"), %1... replaced by args.
QString Text(int id, const QStringList& args = {});

/// Chooses the tool's language and takes "--lang de|en" (or "--lang=de|en") out of the arguments: that
/// option where given, the locale otherwise. False after a message (exit code in *exitCode) when the
/// option names no language.
bool ChooseLanguage(QStringList& args, int* exitCode);

/// Prints one clear line on stderr and returns the exit code for it.
int Fail(const QString& line, int code = 2);

/// Parses the arguments of one command; numbers that start with "-" are taken as positional arguments.
/// valueOptions names the options that take a value.
/// Returns false (after printing help or an error) when the command should end with *exitCode.
bool Parse(QCommandLineParser& p, const QStringList& args, const QString& description, int* exitCode,
           const QStringList& valueOptions = {});

/// Writes a result: as a JSON object, or one "key: value" line per key in the given order.
void Print(const QJsonObject& o, const QStringList& order, bool json);

/// A finite number (nan and inf are none), or nothing.
std::optional<double> ReadNumber(const QString& s);
/// Reads a number argument between min and max; false with one line on stderr when it is none or
/// out of range.
bool Number(const QString& s, const QString& name, double& v, double min = -1e300, double max = 1e300);

/// The years a date may have, as the help states it.
QString JahreText();
/// A moment written "YYYY-MM-DD hh:mm" in the years kJahrMin..kJahrMax as the component's date-time.
/// False after one line on stderr: the text lngTextNichtLesbar (with s) when it reads as none, the
/// year range when its year is outside.
bool ParseZeit(const QString& s, QDateTime& dat, int lngTextNichtLesbar);
/// A moment as the tool's JSON writes it, "YYYY-MM-DDThh:mm:ss"; empty when there is none.
QString IsoZeit(const QDateTime& dat);

/// The options of every command that works on a catalogue: --catalogue FILE and --json.
const QCommandLineOption& catalogueOption();
const QCommandLineOption& jsonOption();
/// Opens the catalogue named by --catalogue in the facade; one line on stderr and false (with the exit
/// code in *exitCode) when none is named or it cannot be read or opened.
bool openCatalogue(const QCommandLineParser& p, olm3::IniConfig& cfg, clsOLM3Binnen& olm, int* exitCode);

/// --start "YYYY-MM-DD hh:mm" and --speed KMH of the route commands, read together; false after a message.
const QCommandLineOption& startOption();
const QCommandLineOption& speedOption();
bool ReadStartAndSpeed(const QCommandLineParser& p, QDateTime& start, double& speed, int* exitCode);

struct Command {
    QString name;
    QString summary;
    std::function<int(const QStringList& args)> run;
};
/// Every command of the tool.
const QList<Command>& Commands();

} // namespace cli

namespace cli {
int RunNearest(const QStringList& args);
int RunPosition(const QStringList& args);
int RunBuildCatalogue(const QStringList& args);
int RunHolidays(const QStringList& args);
int RunLockWait(const QStringList& args);
int RunExpand(const QStringList& args);
int RunCheckCatalogue(const QStringList& args);
int RunRoute(const QStringList& args);
int RunGpxImport(const QStringList& args);
} // namespace cli

namespace cli {
/// --gpx FILE of the route commands: the timed route is also written there as GPX 1.1.
const QCommandLineOption& gpxOption();
/// Writes the facade's timed route to the --gpx file when it is set and code (the route's exit code) is
/// 0; returns code, or the exit code of a file that cannot be written (after one line on stderr).
int WriteRouteGpx(const QCommandLineParser& p, clsOLM3Binnen& olm, const QDateTime& start, double speed, int code);
} // namespace cli
