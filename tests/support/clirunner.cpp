#include "support/clirunner.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace olm3test {

CliRun RunCli(const QStringList& args, const QStringList& env) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        e.remove(QString::fromLatin1(name));
    for (const QString& entry : env)
        e.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    p.setProcessEnvironment(e);
    p.start(QStringLiteral(OLM3_CLI), args);
    CliRun r;
    if (!p.waitForFinished(60000)) {
        ADD_FAILURE() << "the tool did not finish";
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

void ExpectOneErrorLine(const CliRun& run) {
    EXPECT_GT(run.exitCode, 0) << "a refusal is an exit code above 0, not a crash";
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
}

} // namespace olm3test
