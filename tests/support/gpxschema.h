#pragma once
// Checks a GPX file against the published GPX 1.1 schema with xmllint, as a consumer would.

#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace olm3test {

/// Fails the running test when the file is not valid GPX 1.1.
inline void ExpectGpxSchemaValid(const QString& strDatei) {
    QProcess p;
    p.start(QStringLiteral("xmllint"),
            {QStringLiteral("--noout"), QStringLiteral("--nonet"), QStringLiteral("--schema"),
             QStringLiteral(OLM3_FIXTURE_DIR "/gpx-1.1.xsd"), strDatei});
    ASSERT_TRUE(p.waitForFinished(60000)) << "xmllint did not run (package libxml2-utils)";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

} // namespace olm3test
