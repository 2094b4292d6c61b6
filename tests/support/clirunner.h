#pragma once
// Runs the command-line tool as a user does and keeps what it printed.

#include <QByteArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace olm3test {

struct CliRun {
    int exitCode = -1; ///< -1 when the tool crashed or did not finish
    QByteArray out, err;
    QJsonDocument json() const { return QJsonDocument::fromJson(out); }
};

/// Runs the tool with these arguments (at most a minute), in German: the locale variables are unset
/// unless env ("NAME=value" entries) sets them.
inline CliRun RunCli(const QStringList& args, const QStringList& env = {}) {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) e.remove(QString::fromLatin1(name));
    for (const QString& entry : env)
        e.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    QProcess p;
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

/// The tool refused: an exit code above 0, nothing on stdout, exactly one line on stderr.
inline void ExpectOneErrorLine(const CliRun& run) {
    EXPECT_GT(run.exitCode, 0) << "a refusal is an exit code above 0, not a crash";
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
}

/// A test of the tool on the small test catalogue, built afresh in a temporary folder.
class CliTest : public ::testing::Test {
protected:
    TempDir dir;
    QString katalog = MakeCatalogueFromFixtures(dir, QStringLiteral("1_K.sqlite"), {QStringLiteral("mini")});
};

} // namespace olm3test
