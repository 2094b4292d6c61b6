#pragma once
// What every benchmark program does around its benchmarks: its own options taken out of the command line,
// the component's log kept in a private folder, the Qt application (offscreen for windows), the benchmark
// library's options, the program's preparation (catalogues generated and opened), the run.

#include <QString>
#include <functional>
#include <vector>

namespace olm3bench {

/// An option of the program itself, "--name=value", taken out before the benchmark library reads the rest.
struct Option {
    const char* strName; ///< with its "=", as "--catalogue="
    /// Takes the value; false refuses it (the program ends with exit code 2, after its own message).
    std::function<bool(const QString& strWert)> setzen;
};

/// The option "--catalogue=FILE": FILE replaces the catalogue in strKatalog.
Option KatalogOption(QString& strKatalog);

/// Returned by a preparation that is ready for the benchmarks.
constexpr int kBereit = -1;

struct Programm {
    bool blnFenster = false;            ///< windows are made: a QApplication, offscreen unless told otherwise
    std::vector<Option> aoptionen;
    /// Runs once the options are read: generates and opens what the benchmarks need. kBereit to run them,
    /// or the exit code of the program.
    std::function<int()> vorbereiten;
    /// Runs after the benchmarks, while the application still stands: closes what vorbereiten opened.
    std::function<void()> nachher;
};

/// The whole program: call it from main.
int Main(int argc, char** argv, const Programm& programm);

/// Generates a synthetic catalogue of intGewaesser waterways of intPunkte points with an object every
/// intJeder points into strDatei, unless the file is there already. False when that fails.
bool Erzeuge(const QString& strDatei, int intGewaesser, int intPunkte, int intJeder);

} // namespace olm3bench
