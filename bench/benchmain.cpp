#include "benchmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>

namespace olm3bench {

int Main(int argc, char** argv, const Programm& programm) {
    // The program's own options first; everything else belongs to the benchmark library.
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        const Option* eigene = nullptr;
        for (const Option& o : programm.aoptionen)
            if (i > 0 && std::strncmp(argv[i], o.strName, std::strlen(o.strName)) == 0) eigene = &o;
        if (!eigene) {
            args.push_back(argv[i]);
            continue;
        }
        if (!eigene->setzen(QString::fromLocal8Bit(argv[i] + std::strlen(eigene->strName)))) return 2;
    }
    int n = static_cast<int>(args.size());
    if (programm.blnFenster && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The component's log goes to a private folder, not the user's.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    int qtArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (programm.blnFenster)
        app = std::make_unique<QApplication>(qtArgc, argv);
    else
        app = std::make_unique<QCoreApplication>(qtArgc, argv);
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 2;
    if (programm.vorbereiten) {
        const int rc = programm.vorbereiten();
        if (rc != kBereit) return rc;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (programm.nachher) programm.nachher();
    return 0;
}

Option KatalogOption(QString& strKatalog) {
    return {"--catalogue=", [&strKatalog](const QString& strWert) {
                strKatalog = strWert;
                return true;
            }};
}

bool Erzeuge(const QString& strDatei, int intGewaesser, int intPunkte, int intJeder) {
    if (QFileInfo::exists(strDatei)) return true;
    std::printf("Generating %s ...\n", qPrintable(strDatei));
    std::fflush(stdout);
    const int rc = QProcess::execute(QStringLiteral(OLM3_GENCATALOGUE),
                                     {QStringLiteral("--out"), strDatei, QStringLiteral("--waterways"),
                                      QString::number(intGewaesser), QStringLiteral("--points"),
                                      QString::number(intPunkte), QStringLiteral("--every"),
                                      QString::number(intJeder)});
    return rc == 0 && QFileInfo::exists(strDatei);
}

} // namespace olm3bench
