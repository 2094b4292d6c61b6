#pragma once
// Shared pieces of the command-line tool: its texts, argument parsing and output.

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace cli {

/// A text of the tool from the component's text table (module "olm3binnen"), %1... replaced by args.
QString Text(int id, const QStringList& args = {});

/// Prints one clear line on stderr and returns the exit code for it.
int Fail(const QString& line, int code = 2);

/// Parses the arguments of one command; numbers that start with "-" are taken as positional arguments.
/// valueOptions names the options that take a value.
/// Returns false (after printing help or an error) when the command should end with *exitCode.
bool Parse(QCommandLineParser& p, const QStringList& args, const QString& description, int* exitCode,
           const QStringList& valueOptions = {});

/// Writes a result: as a JSON object, or one "key: value" line per key in the given order.
void Print(const QJsonObject& o, const QStringList& order, bool json);

/// Reads a number argument; false with a message when it is none.
bool Number(const QString& s, const QString& name, double& v);

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
} // namespace cli
