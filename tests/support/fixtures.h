#pragma once
// Test support: small catalogues built from SQL text, temporary folders, and recorded message boxes.

#include "olm3binnen/ado.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

/// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace olm3test {

/// A temporary folder that lives as long as the object.
class TempDir {
public:
    TempDir();
    QString path() const { return m_dir->path(); }
    QString file(const QString& name) const { return m_dir->filePath(name); }
    /// Writes a file of this content into the folder (failing the running test when it cannot) and
    /// returns its path.
    QString write(const QString& name, const QByteArray& content) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

/// The content of a file; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
/// Writes a file of this content, with the folders it needs, failing the running test when it cannot;
/// returns the path.
QString WriteFile(const QString& path, const QByteArray& content);

/// The text of a fixture file in tests/fixtures.
QString FixtureSql(const QString& name);

/// Builds a catalogue file from the component's schema and stored queries and the given SQL texts.
/// Fails the running test (and returns an empty path) when the SQL does not run.
QString MakeCatalogue(const TempDir& dir, const QString& fileName, const QStringList& sqlTexts);
/// The same from fixture files (names in tests/fixtures, ".sql" may be left out) and further SQL texts.
QString MakeCatalogueFromFixtures(const TempDir& dir, const QString& fileName, const QStringList& fixtures,
                                  const QStringList& sqlTexts = {});
/// A waypoints-and-routes database with its tables.
QString MakeRoutesDatabase(const TempDir& dir, const QString& fileName = QStringLiteral("routes.sqlite"));

/// A moment as the component keeps it (a wall-clock time).
QDateTime At(int y, int m, int d, int h = 0, int min = 0);

/// Opens a database file through the database layer, read-only unless told otherwise; fails the running
/// test (and returns null) when it cannot.
ADODB::ConnectionPtr OpenDatabase(const QString& path, bool readOnly = true);
/// Opens the file as the component's catalogue (read-only); fails the running test when it cannot.
void OpenComponentCatalogue(const QString& path);

/// The component's catalogue, built from fixture files and further SQL texts, open while the object
/// lives; a new Open replaces it.
class ComponentCatalogue {
public:
    ComponentCatalogue() = default;
    explicit ComponentCatalogue(const QStringList& fixtures, const QStringList& sqlTexts = {}) {
        Open(fixtures, sqlTexts);
    }
    ~ComponentCatalogue();
    QString Open(const QStringList& fixtures, const QStringList& sqlTexts = {});
    TempDir dir;

private:
    int m_count = 0;
};

/// One message box as the component asked for it.
struct ShownMessage {
    QString text;
    int style = 0;
    QString title;
};

/// Records every message box while it lives and answers with the scripted answers (then with OK/Yes).
class MessageRecorder {
public:
    explicit MessageRecorder(std::vector<int> answers = {});
    ~MessageRecorder();
    const std::vector<ShownMessage>& messages() const { return *m_messages; }
    /// The texts of the boxes shown, in order.
    QStringList texts() const;
    void clear() { m_messages->clear(); }

private:
    std::shared_ptr<std::vector<ShownMessage>> m_messages;
    std::shared_ptr<std::vector<int>> m_answers;
    std::function<int(const QString&, int, const QString&)> m_alt; ///< put back when the recorder goes
};

} // namespace olm3test
