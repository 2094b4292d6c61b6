// olm3binnen-host: the reference chart plotter that hosts the inland-waterway component. With a display it
// opens the chart window; without one, or with --tour, it runs the headless tour and writes its files.

#include "hostconfig.h"
#include "hostfenster.h"
#include "hosttexts.h"
#include "rundgang.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {

bool ohneBildschirm() {
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

/// The tour draws on an offscreen screen as large as a desktop, so that windows sized to the screen
/// look as they would for a person.
void offscreenBildschirm(const QTemporaryDir& tmp) {
    const QString datei = tmp.filePath(QStringLiteral("screen.json"));
    QFile f(datei);
    if (f.open(QIODevice::WriteOnly))
        f.write(R"({"screens":[{"name":"tour","x":0,"y":0,"width":1600,"height":1000,"logicalDpi":96}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + datei).toUtf8());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) qputenv("XDG_RUNTIME_DIR", tmp.path().toUtf8());
}

/// The offscreen screen says, for every window it is asked to raise, that it cannot; nobody needs to read
/// that during the tour.
QtMessageHandler vorherigeAusgabe = nullptr;
void ohneOffscreenHinweise(QtMsgType typ, const QMessageLogContext& ctx, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (vorherigeAusgabe) vorherigeAusgabe(typ, ctx, text);
}

} // namespace

int main(int argc, char** argv) {
    bool tour = ohneBildschirm();
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--tour") == 0) tour = true;
    QTemporaryDir tmp;
    if (tour) {
        offscreenBildschirm(tmp);
        vorherigeAusgabe = qInstallMessageHandler(ohneOffscreenHinweise);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("olm3binnen-host"));
    QApplication::setOrganizationName(QStringLiteral("OLM3Binnen"));

    using olm3host::HostText;
    namespace txt = olm3host::txt;
    olm3::TextTable::SetSprache(olm3::SpracheAusUmgebung());
    QCommandLineParser args;
    args.setApplicationDescription(HostText(txt::AppHilfe));
    args.addHelpOption();
    args.addOption({QStringLiteral("tour"), HostText(txt::TourHilfe)});
    args.addOption({QStringLiteral("out"), HostText(txt::TourOut), QStringLiteral("DIR"),
                    QStringLiteral("build/main-output")});
    const QCommandLineOption lang(QStringLiteral("lang"), HostText(txt::SpracheHilfe),
                                  QStringLiteral("de|en"));
    args.addOption(lang);
    args.process(app);
    // --lang holds for this run only; the menu's choice is kept in the settings.
    const auto gewaehlt = olm3::SpracheAusKuerzel(args.value(lang));
    if (args.isSet(lang) && !gewaehlt) {
        std::fprintf(stderr, "%s\n", qPrintable(HostText(txt::SpracheUnbekannt).arg(args.value(lang))));
        return 2;
    }
    if (gewaehlt) olm3::TextTable::SetSprache(*gewaehlt);

    if (tour) return olm3host::Rundgang(args.value(QStringLiteral("out")));

    olm3host::HostConfig cfg(olm3host::HostPfade::Standard(), olm3host::MitgelieferteKatalogOrdner());
    cfg.Start();
    olm3::TextTable::SetSprache(gewaehlt.value_or(cfg.Sprache()));
    olm3host::HostFenster fenster(cfg);
    fenster.show();
    // Messages of the start come when the window is on screen.
    QTimer::singleShot(0, &fenster, [&fenster] { fenster.Start(); });
    return app.exec();
}
