#pragma once
// Runs the command-line tool as a user does and keeps what it printed.

#include <QByteArray>
#include <QJsonDocument>
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
CliRun RunCli(const QStringList& args, const QStringList& env = {});
/// The tool refused: an exit code above 0, nothing on stdout, exactly one line on stderr.
void ExpectOneErrorLine(const CliRun& run);

/// A test of the tool on the small test catalogue, built afresh in a temporary folder.
class CliTest : public ::testing::Test {
protected:
    TempDir dir;
    QString katalog = MakeCatalogueFromFixtures(dir, QStringLiteral("1_K.sqlite"), {QStringLiteral("mini")});
};

} // namespace olm3test
