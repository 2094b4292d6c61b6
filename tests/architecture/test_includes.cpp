// The direction of dependencies, read from the #include lines of the component's sources:
//
//   public headers -> data -> core -> windows -> facade -> command-line tool
//
// A file may include files of its own layer and of the layers before it, never one after it, and
// nothing of the reference host: the tool takes the path search from the core, not from the host. The
// windows reach the facade only through the owner interface among the public headers. And the size of
// the component's files, so that a reader finds one topic in each.

#include "support/fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

enum Schicht { Oeffentlich, Daten, Kern, Fenster, Fassade, Werkzeug };

const char* const kSchichtName[] = {"public headers", "data", "core", "windows", "facade", "tool"};

/// The layer of a file given relative to the source root ("src/browser/core/x.cpp").
Schicht SchichtVon(const QString& pfad) {
    if (pfad.startsWith(QLatin1String("include/")))
        return pfad.endsWith(QLatin1String("/clsOLM3Binnen.h")) ||
                       pfad.endsWith(QLatin1String("/olm3binnen.h"))
                   ? Fassade
                   : Oeffentlich;
    if (pfad.startsWith(QLatin1String("tools/"))) return Werkzeug;
    if (pfad.startsWith(QLatin1String("src/data/"))) return Daten;
    if (pfad.contains(QLatin1String("/core/"))) return Kern;
    if (pfad.startsWith(QLatin1String("src/component/"))) return Fassade;
    return Fenster;
}

/// Every include of the component's and the tool's sources below root that breaks the direction, one
/// line each.
QStringList Verstoesse(const QString& root) {
    static const QRegularExpression kInclude(QStringLiteral(R"(^\s*#\s*include\s+"([^"]+)\")"));
    const QDir basis(root);
    QStringList verstoesse;
    int dateien = 0;
    for (const QString& ordner :
         {QStringLiteral("src"), QStringLiteral("include"), QStringLiteral("tools")}) {
        QDirIterator it(basis.filePath(ordner), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString datei = it.next();
            const QString pfad = basis.relativeFilePath(datei);
            QFile f(datei);
            if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
                verstoesse << pfad + QStringLiteral(": cannot be read");
                continue;
            }
            ++dateien;
            QTextStream in(&f);
            while (!in.atEnd()) {
                const auto m = kInclude.match(in.readLine());
                if (!m.hasMatch()) continue;
                const QString name = m.captured(1);
                QString ziel;
                for (const QString& kandidat :
                     {QStringLiteral("src/") + name, QStringLiteral("include/") + name,
                      QFileInfo(pfad).path() + QLatin1Char('/') + name})
                    if (QFileInfo::exists(basis.filePath(kandidat))) {
                        ziel = QDir::cleanPath(kandidat);
                        break;
                    }
                if (ziel.isEmpty()) {
                    verstoesse << pfad + QStringLiteral(" includes ") + name +
                                      QStringLiteral(", outside the component");
                } else if (SchichtVon(ziel) > SchichtVon(pfad)) {
                    verstoesse << QStringLiteral("%1 (%2) includes %3 (%4)")
                                      .arg(pfad, QLatin1String(kSchichtName[SchichtVon(pfad)]), ziel,
                                           QLatin1String(kSchichtName[SchichtVon(ziel)]));
                }
            }
        }
    }
    if (dateien == 0) verstoesse << QStringLiteral("no sources below ") + root;
    return verstoesse;
}

} // namespace

TEST(Includes, PointOneWayFromThePublicHeadersThroughDataCoreWindowsAndFacadeToTheTool) {
    const QStringList verstoesse = Verstoesse(QStringLiteral(OLM3_SOURCE_DIR));
    EXPECT_TRUE(verstoesse.isEmpty()) << verstoesse.join(QLatin1Char('\n')).toStdString();
}

TEST(Includes, AnIncludeAgainstTheDirectionIsFound) {
    olm3test::TempDir dir;
    const QString r = dir.path() + QLatin1Char('/');
    const std::pair<const char*, const char*> dateien[] = {
        {"include/olm3binnen/clsOLM3Binnen.h", ""}, {"include/olm3binnen/windowowner.h", ""},
        {"src/component/clsOLM3BinnenState.h", ""},
        {"src/data/modOLM3Binnen.h", "#include \"olm3binnen/windowowner.h\"\n"},
        {"src/routing/core/lauf.h", "#include \"data/modOLM3Binnen.h\"\n#include \"routing/fenster.h\"\n"},
        {"src/routing/fenster.h", "#include \"routing/core/lauf.h\"\n"},
        {"src/browser/liste.cpp",
         "#include \"olm3binnen/windowowner.h\"\n  #  include \"olm3binnen/clsOLM3Binnen.h\"\n"
         "#include \"component/clsOLM3BinnenState.h\"\n#include <QWidget>\n#include \"hostfenster.h\"\n"},
        {"tools/cmd_route.cpp",
         "#include \"olm3binnen/clsOLM3Binnen.h\"\n#include \"cli.h\"\n#include \"pathoptimiser.h\"\n"},
        {"tools/cli.h", "#include \"component/clsOLM3BinnenState.h\"\n"}};
    for (const auto& [datei, inhalt] : dateien) olm3test::WriteFile(r + QLatin1String(datei), inhalt);
    QStringList verstoesse = Verstoesse(dir.path());
    verstoesse.sort();
    const QStringList erwartet{
        "src/browser/liste.cpp (windows) includes include/olm3binnen/clsOLM3Binnen.h (facade)",
        "src/browser/liste.cpp (windows) includes src/component/clsOLM3BinnenState.h (facade)",
        "src/browser/liste.cpp includes hostfenster.h, outside the component",
        "src/routing/core/lauf.h (core) includes src/routing/fenster.h (windows)",
        "tools/cmd_route.cpp includes pathoptimiser.h, outside the component"};
    EXPECT_EQ(verstoesse, erwartet);
}

TEST(Sources, EveryFileOfTheComponentStaysUnder600Lines) {
    // A file that grows past this mixes topics; it is split by topic, as the route view and the print are.
    const QDir basis(QStringLiteral(OLM3_SOURCE_DIR));
    QStringList zuLang;
    QDirIterator it(basis.filePath(QStringLiteral("src")), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << f.fileName().toStdString();
        const auto zeilen = f.readAll().count('\n');
        if (zeilen >= 600) zuLang << basis.relativeFilePath(f.fileName()) + QStringLiteral(": %1").arg(zeilen);
    }
    EXPECT_TRUE(zuLang.isEmpty()) << zuLang.join(QLatin1Char('\n')).toStdString();
}
