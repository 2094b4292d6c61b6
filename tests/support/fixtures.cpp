#include "support/fixtures.h"

#include "data/databasebuilder.h"
#include "data/modOLM3Binnen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace olm3test {

TempDir::TempDir() : m_dir(std::make_unique<QTemporaryDir>()) {}

QString TempDir::write(const QString& name, const QByteArray& content) const {
    return WriteFile(file(name), content);
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(content) == content.size()) << path.toStdString();
    return path;
}

QString FixtureSql(const QString& name) {
    QString file = QStringLiteral(OLM3_FIXTURE_DIR "/") + name;
    if (!file.endsWith(QLatin1String(".sql"))) file += QStringLiteral(".sql");
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "fixture missing: " << file.toStdString();
        return QString();
    }
    return QString::fromUtf8(f.readAll());
}

QString MakeCatalogue(const TempDir& dir, const QString& fileName, const QStringList& sqlTexts) {
    const QString path = dir.file(fileName);
    QStringList scripts{olm3::BuiltinSql(QStringLiteral("schema.sql")), olm3::BuiltinSql(QStringLiteral("queries.sql"))};
    scripts << sqlTexts;
    QString error;
    if (!olm3::BuildDatabase(path, scripts, error)) {
        ADD_FAILURE() << "catalogue not built: " << error.toStdString();
        return QString();
    }
    return path;
}

QString MakeCatalogueFromFixtures(const TempDir& dir, const QString& fileName, const QStringList& fixtures,
                                  const QStringList& sqlTexts) {
    QStringList texts;
    for (const QString& f : fixtures) texts << FixtureSql(f);
    return MakeCatalogue(dir, fileName, texts + sqlTexts);
}

QString MakeRoutesDatabase(const TempDir& dir, const QString& fileName) {
    const QString path = dir.file(fileName);
    QString error;
    if (!olm3::CreateRoutesDatabase(path, error)) ADD_FAILURE() << error.toStdString();
    return path;
}

QDateTime At(int y, int m, int d, int h, int min) { return olm3::MakeDatum(QDate(y, m, d), QTime(h, min)); }

ADODB::ConnectionPtr OpenDatabase(const QString& path, bool readOnly) {
    ADODB::ConnectionPtr con;
    if (!modOLM3Binnen::ADO_Open_Connection(path, con, {}, {}, {}, readOnly))
        ADD_FAILURE() << "database not opened: " << path.toStdString();
    return con;
}

void OpenComponentCatalogue(const QString& path) {
    modOLM3Binnen::conBinnenDatabase.reset();
    modOLM3Binnen::conBinnenDatabase = OpenDatabase(path);
}

QString ComponentCatalogue::Open(const QStringList& fixtures, const QStringList& sqlTexts) {
    const QString path =
        MakeCatalogueFromFixtures(dir, QStringLiteral("k%1.sqlite").arg(++m_count), fixtures, sqlTexts);
    OpenComponentCatalogue(path);
    return path;
}

ComponentCatalogue::~ComponentCatalogue() { modOLM3Binnen::conBinnenDatabase.reset(); }

MessageRecorder::MessageRecorder(std::vector<int> answers)
    : m_messages(std::make_shared<std::vector<ShownMessage>>()),
      m_answers(std::make_shared<std::vector<int>>(std::move(answers))) {
    auto messages = m_messages;
    auto scripted = m_answers;
    m_alt = modOLM3Binnen::SetMsgBoxHandler([messages, scripted](const QString& text, int style,
                                                                 const QString& title) {
        messages->push_back({text, style, title});
        if (!scripted->empty()) {
            const int a = scripted->front();
            scripted->erase(scripted->begin());
            return a;
        }
        return (style & 7) == modOLM3Binnen::vbYesNo || (style & 7) == modOLM3Binnen::vbYesNoCancel
                   ? int(modOLM3Binnen::vbYes)
                   : int(modOLM3Binnen::vbOK);
    });
}

QStringList MessageRecorder::texts() const {
    QStringList out;
    for (const ShownMessage& m : *m_messages)
        out << m.text;
    return out;
}

MessageRecorder::~MessageRecorder() { modOLM3Binnen::SetMsgBoxHandler(std::move(m_alt)); }

} // namespace olm3test
