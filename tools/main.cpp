// olm3binnen: the component's command-line tool.

#include "cli.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("olm3binnen"));
    QStringList args = QCoreApplication::arguments();
    if (int code = 0; !cli::ChooseLanguage(args, &code)) return code;
    auto usage = [] {
        std::printf("%s\n\n", qPrintable(cli::Text(9001)));
        for (const auto& c : cli::Commands())
            std::printf("  %-16s %s\n", qPrintable(c.name), qPrintable(c.summary));
        std::printf("\n%s\n%s\n%s\n", qPrintable(cli::JahreText()), qPrintable(cli::Text(9004)),
                    qPrintable(cli::Text(10008)));
    };
    if (args.size() < 2 || args[1] == QLatin1String("--help") || args[1] == QLatin1String("-h") ||
        args[1] == QLatin1String("help")) {
        usage();
        return args.size() < 2 ? 2 : 0;
    }
    for (const auto& c : cli::Commands()) {
        if (c.name == args[1]) return c.run(args.mid(1));
    }
    return cli::Fail(cli::Text(9005, {args[1]}));
}
