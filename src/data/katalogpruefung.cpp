#include "data/katalogpruefung.h"

#include "data/ado_internal.h"
#include "data/databasebuilder.h"
#include "data/modOLM3Binnen.h"
#include "data/texttable.h"

#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>

using namespace modOLM3Binnen;

namespace olm3 {

namespace {

/// How long one statement of the check may run: a damaged catalogue must not keep it waiting.
constexpr int kFristMs = 60000;

QString text(int id, const QStringList& args = {}) {
    QString s = TextTable::Builtin().Text(QStringLiteral("katalogpruefung"), id);
    for (int i = 0; i < args.size(); ++i) s.replace(QLatin1Char('%') + QString::number(i + 1), args[i]);
    return s;
}

enum class Art { Zahl, Ganzzahl, Text, Datum, Uhrzeit };

struct Spalte {
    const char* name;
    Art art;
    bool pflicht;
    double min = -1e300;
    double max = 1e300;
};

struct Tabelle {
    const char* name;
    std::vector<Spalte> spalten;
};

constexpr double kLaenge = 1e5; ///< more metres or kilometres than any waterway or lock has
constexpr Spalte id(const char* n) { return {n, Art::Ganzzahl, true, -2147483648.0, 2147483647.0}; }
constexpr Spalte flag(const char* n) { return {n, Art::Ganzzahl, true, -1, 1}; }
constexpr Spalte meter(const char* n) { return {n, Art::Zahl, false, 0, kLaenge}; }

/// What the program reads from the catalogue's tables, and what a value there must be.
const std::vector<Tabelle>& spezifikation() {
    static const std::vector<Tabelle> t = {
        {"Binnen",
         {id("BinnenID"), {"Bezeichnung", Art::Text, true}, flag("Aktiv"), {"Gesamtstrecke", Art::Zahl, false, 0, kLaenge},
          {"AnzahlBruecken", Art::Ganzzahl, true, 0, 1e6}, {"AnzahlHaefen", Art::Ganzzahl, true, 0, 1e6},
          {"AnzahlLiegestellen", Art::Ganzzahl, true, 0, 1e6}, {"AnzahlSchleusen", Art::Ganzzahl, true, 0, 1e6},
          {"AnzahlTankstellen", Art::Ganzzahl, true, 0, 1e6}, {"AnzahlWehre", Art::Ganzzahl, true, 0, 1e6},
          {"LG_OL", Art::Zahl, false, -180, 180}, {"BG_OL", Art::Zahl, false, -90, 90},
          {"LG_UR", Art::Zahl, false, -180, 180}, {"BG_UR", Art::Zahl, false, -90, 90}, meter("MinBreite"),
          meter("MinHoehe"), meter("MinTiefe"), {"Vmax", Art::Zahl, false, 0, 1000}}},
        {"Punkte",
         {id("PunkteID"), id("BinnenID"), id("Nummer"), {"Strecke", Art::Zahl, true, 0, kLaenge},
          {"LgDez", Art::Zahl, true, -180, 180}, {"BgDez", Art::Zahl, true, -90, 90},
          {"DokuKM", Art::Zahl, false, -kLaenge, kLaenge}, flag("DokuKMOrig"), {"Vmax", Art::Zahl, false, 0, 1000},
          meter("Tauchtiefe")}},
        {"Abzweige", {id("PunkteID"), id("PunkteID_Nach")}},
        {"Schleusen",
         {id("SchleusenID"), id("PunkteID"), flag("Aktiv"), {"AnzahlKammern", Art::Ganzzahl, false, 0, 1000},
          meter("Laenge"), meter("Breite"), meter("HubHoeheMax"), {"Durchgangszeit", Art::Zahl, false, 0, 24}}},
        {"Bruecken",
         {id("BrueckenID"), id("PunkteID"), flag("Aktiv"), meter("DurchBreite"), meter("DurchfHoehe"),
          {"Durchgangszeit", Art::Zahl, false, 0, 24}}},
        {"Haefen", {id("HaefenID"), id("PunkteID"), flag("Aktiv"), {"TankstellenID", Art::Ganzzahl, false, -1, 2147483647.0}}},
        {"Tankstellen", {id("TankstellenID"), id("PunkteID"), flag("Aktiv")}},
        {"Liegestellen", {id("LiegestellenID"), id("PunkteID"), flag("Aktiv")}},
        {"Wehre", {id("WehreID"), id("PunkteID"), flag("Aktiv")}},
        {"SBZ_Wochentage",
         {id("SchleusenID"), {"WtID", Art::Text, true}, {"SaisonVon", Art::Datum, true}, {"SaisonBis", Art::Datum, true},
          {"UhrzeitVon", Art::Uhrzeit, false}, {"UhrzeitBis", Art::Uhrzeit, false}, flag("Betrieb")}},
        {"SBZ_Feiertage",
         {id("SchleusenID"), {"FeiertageID", Art::Text, true}, {"UhrzeitVon", Art::Uhrzeit, false},
          {"UhrzeitBis", Art::Uhrzeit, false}, flag("Betrieb")}},
    };
    return t;
}

/// One check run: the catalogue, the reference schema and the findings so far.
class Pruefung {
public:
    explicit Pruefung(std::vector<KatalogBefund>& befunde) : m_befunde(befunde) {}

    void befund(const QString& tabelle, std::int64_t zeile, const QString& spalte, const QString& was) {
        m_befunde.push_back({tabelle, zeile, spalte, was});
    }

    bool oeffne(const QString& strDatei) {
        if (!m_con.Open(ADO_ConnectionString(strDatei, {}, {}, {}, true))) {
            befund({}, 0, {}, m_con.Errors.empty() ? text(9738) : m_con.Errors.front().Description);
            return false;
        }
        m_ref = std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        m_ref->exec(BuiltinSql(QStringLiteral("schema.sql")).toStdString());
        m_ref->exec(BuiltinSql(QStringLiteral("queries.sql")).toStdString());
        return true;
    }

    SQLite::Database& db() {
        m_con.impl()->deadline = QDeadlineTimer(kFristMs);
        return *m_con.impl()->db;
    }

    /// The catalogue's name of a table, view or column in any letter case, or empty.
    QString objekt(const QString& name) {
        SQLite::Statement st(db(), "SELECT name FROM sqlite_master WHERE type IN ('table','view') AND name = ? COLLATE NOCASE");
        st.bind(1, name.toStdString());
        return st.executeStep() ? QString::fromUtf8(st.getColumn(0).getText()) : QString();
    }
    QSet<QString> spalten(SQLite::Database& d, const QString& tabelle) {
        QSet<QString> s;
        SQLite::Statement st(d, QStringLiteral("SELECT name FROM pragma_table_info(?)").toStdString());
        st.bind(1, tabelle.toStdString());
        while (st.executeStep()) s.insert(QString::fromUtf8(st.getColumn(0).getText()).toLower());
        return s;
    }

    void tabellenUndSpalten() {
        SQLite::Statement st(*m_ref, "SELECT name, type FROM sqlite_master WHERE type IN ('table','view') AND name NOT "
                                     "LIKE 'sqlite_%' AND name NOT LIKE 'Punkte_RTree_%' ORDER BY rowid");
        while (st.executeStep()) {
            const QString name = QString::fromUtf8(st.getColumn(0).getText());
            const QString inKatalog = objekt(name);
            if (inKatalog.isEmpty()) {
                befund(name, 0, {}, text(9720));
                continue;
            }
            const QSet<QString> vorhanden = spalten(db(), inKatalog);
            SQLite::Statement cols(*m_ref, "SELECT name FROM pragma_table_info(?) ORDER BY cid");
            cols.bind(1, name.toStdString());
            while (cols.executeStep()) {
                const QString col = QString::fromUtf8(cols.getColumn(0).getText());
                if (!vorhanden.contains(col.toLower())) befund(name, 0, col, text(9721));
            }
            if (QString::fromUtf8(st.getColumn(1).getText()) == QLatin1String("view")) {
                try {
                    SQLite::Statement v(db(), QStringLiteral("SELECT * FROM \"%1\" LIMIT 0").arg(inKatalog).toStdString());
                    v.executeStep();
                } catch (const SQLite::Exception& e) {
                    befund(name, 0, {}, text(9725, {QString::fromUtf8(e.what())}));
                }
            }
        }
    }

    /// The fixed tables schema.sql fills keep every row the program knows.
    void festeTabellen() {
        const std::pair<const char*, const char*> feste[] = {
            {"Typen", "TypenID"}, {"Wochentage", "WTID"}, {"Feiertage", "FeiertageID"}};
        for (const auto& [name, schluessel] : feste) {
            const QString tabelle = objekt(QString::fromLatin1(name));
            if (tabelle.isEmpty() || !spalten(db(), tabelle).contains(QString::fromLatin1(schluessel).toLower())) continue;
            QSet<QString> vorhanden;
            SQLite::Statement st(db(), QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(QString::fromLatin1(schluessel), tabelle).toStdString());
            while (st.executeStep()) vorhanden.insert(QString::fromUtf8(st.getColumn(0).getText()).toLower());
            SQLite::Statement ref(*m_ref, QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY rowid").arg(QString::fromLatin1(schluessel), QString::fromLatin1(name)).toStdString());
            while (ref.executeStep()) {
                const QString k = QString::fromUtf8(ref.getColumn(0).getText());
                if (!vorhanden.contains(k.toLower())) befund(tabelle, 0, QString::fromLatin1(schluessel), text(9741, {k}));
            }
        }
    }

    void abfragen() {
        if (objekt(QStringLiteral("Abfragen")).isEmpty()) return; // reported with the tables
        std::map<QString, int> erwartet; // lower-case name -> parameter count
        QHash<QString, QString> namen;
        {
            SQLite::Statement st(*m_ref, "SELECT Name, SqlText FROM Abfragen ORDER BY rowid");
            while (st.executeStep()) {
                const QString name = QString::fromUtf8(st.getColumn(0).getText());
                SQLite::Statement q(*m_ref, TranslateJetSql(QString::fromUtf8(st.getColumn(1).getText())).toStdString());
                erwartet[name.toLower()] = q.getBindParameterCount();
                namen.insert(name.toLower(), name);
            }
        }
        QSet<QString> gesehen;
        SQLite::Statement st(db(), "SELECT rowid, Name, SqlText FROM Abfragen ORDER BY rowid");
        while (st.executeStep()) {
            const std::int64_t zeile = st.getColumn(0).getInt64();
            const QString name = QString::fromUtf8(st.getColumn(1).getText());
            if (st.getColumn(2).isNull()) {
                befund(QStringLiteral("Abfragen"), zeile, QStringLiteral("SqlText"), text(9726));
                continue;
            }
            gesehen.insert(name.toLower());
            try {
                SQLite::Statement q(db(), TranslateJetSql(QString::fromUtf8(st.getColumn(2).getText())).toStdString());
                const auto it = erwartet.find(name.toLower());
                if (it != erwartet.end() && q.getBindParameterCount() != it->second)
                    befund(QStringLiteral("Abfragen"), zeile, QStringLiteral("SqlText"),
                           text(9724, {QString::number(it->second), QString::number(q.getBindParameterCount())}));
            } catch (const SQLite::Exception& e) {
                befund(QStringLiteral("Abfragen"), zeile, QStringLiteral("SqlText"), text(9723, {QString::fromUtf8(e.what())}));
            }
        }
        for (const auto& [name, n] : erwartet)
            if (!gesehen.contains(name)) befund(QStringLiteral("Abfragen"), 0, namen.value(name), text(9722));
    }

    /// A time of day "hh:mm" or "hh:mm:ss"; "24:00" only where a window ends.
    std::optional<QString> uhrzeitFehler(const QString& t, bool blnEnde) {
        static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
        const auto m = form.match(t.trimmed());
        if (!m.hasMatch()) return text(9729, {t});
        const int h = m.captured(1).toInt(), mi = m.captured(2).toInt(), s = m.captured(3).toInt();
        if (h == 24 && mi == 0 && s == 0) return blnEnde ? std::nullopt : std::optional<QString>(text(9730));
        if (h > 23 || mi > 59 || s > 59) return text(9729, {t});
        return std::nullopt;
    }

    void werte() {
        for (const Tabelle& t : spezifikation()) {
            const QString tabelle = objekt(QString::fromLatin1(t.name));
            if (tabelle.isEmpty()) continue;
            const QSet<QString> vorhanden = spalten(db(), tabelle);
            std::vector<const Spalte*> cols;
            QStringList sel{QStringLiteral("rowid")};
            for (const Spalte& s : t.spalten)
                if (vorhanden.contains(QString::fromLatin1(s.name).toLower())) {
                    cols.push_back(&s);
                    sel << QStringLiteral("\"%1\"").arg(QString::fromLatin1(s.name));
                }
            const int betrieb = [&] {
                for (size_t i = 0; i < cols.size(); ++i)
                    if (qstrcmp(cols[i]->name, "Betrieb") == 0) return static_cast<int>(i) + 1;
                return -1;
            }();
            SQLite::Statement st(db(), QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY rowid")
                                           .arg(sel.join(QLatin1Char(',')), tabelle)
                                           .toStdString());
            while (st.executeStep()) {
                const std::int64_t zeile = st.getColumn(0).getInt64();
                // A window that operates needs its times; a closed day has none.
                const bool offen = betrieb > 0 && !st.getColumn(betrieb).isNull() &&
                                   st.getColumn(betrieb).getType() != SQLITE_TEXT && st.getColumn(betrieb).getDouble() != 0;
                for (size_t i = 0; i < cols.size(); ++i) {
                    const Spalte& s = *cols[i];
                    const SQLite::Column c = st.getColumn(static_cast<int>(i) + 1);
                    const QString spalte = QString::fromLatin1(s.name);
                    const bool pflicht = s.pflicht || (s.art == Art::Uhrzeit && offen && t.name == QLatin1String("SBZ_Wochentage"));
                    if (c.isNull() || (c.getType() == SQLITE_TEXT && c.getBytes() == 0 && s.art != Art::Text)) {
                        if (pflicht) befund(tabelle, zeile, spalte, text(9726));
                        continue;
                    }
                    if (auto f = wertFehler(s, c)) befund(tabelle, zeile, spalte, *f);
                }
            }
        }
    }

    std::optional<QString> wertFehler(const Spalte& s, const SQLite::Column& c) {
        const QString roh = c.getType() == SQLITE_BLOB ? QStringLiteral("<BLOB>") : QString::fromUtf8(c.getText(), c.getBytes());
        switch (s.art) {
        case Art::Text:
            return std::nullopt;
        case Art::Datum:
            return IsDate(roh) ? std::nullopt : std::optional<QString>(text(9731, {roh}));
        case Art::Uhrzeit:
            return uhrzeitFehler(roh, qstrcmp(s.name, "UhrzeitBis") == 0);
        case Art::Zahl:
        case Art::Ganzzahl:
            break;
        }
        double v = 0;
        if (c.getType() == SQLITE_INTEGER) v = static_cast<double>(c.getInt64());
        else if (c.getType() == SQLITE_FLOAT) v = c.getDouble();
        else if (c.getType() == SQLITE_TEXT && IsNumeric(roh)) v = CDbl(roh);
        else return text(9727, {roh});
        if (!std::isfinite(v)) return text(9727, {roh});
        if (s.art == Art::Ganzzahl && v != std::floor(v)) return text(9736, {roh});
        if (v < s.min || v > s.max)
            return text(9728, {roh, QString::number(s.min, 'g', 12), QString::number(s.max, 'g', 12)});
        return std::nullopt;
    }

    /// Every lock's weekday rows cover each day of the year once: no gap, no two seasons on one day.
    void betriebszeiten() {
        const QString tabelle = objekt(QStringLiteral("SBZ_Wochentage"));
        const QString schleusen = objekt(QStringLiteral("Schleusen"));
        if (tabelle.isEmpty() || schleusen.isEmpty()) return;
        const QSet<QString> vorhanden = spalten(db(), tabelle);
        for (const char* c : {"schleusenid", "wtid", "saisonvon", "saisonbis"})
            if (!vorhanden.contains(QString::fromLatin1(c))) return;
        struct Saisons {
            std::int64_t zeile = 0;
            QSet<QPair<int, int>> saisons; // day of the year from and to
            QSet<QPair<int, int>> offen, zu; // the seasons with operating and with closed rows
        };
        std::map<std::pair<std::int64_t, QString>, Saisons> je; // (lock, weekday)
        const bool mitBetrieb = vorhanden.contains(QStringLiteral("betrieb"));
        SQLite::Statement st(db(), QStringLiteral("SELECT rowid, SchleusenID, WtID, SaisonVon, SaisonBis, %2 FROM \"%1\" "
                                                  "ORDER BY rowid")
                                       .arg(tabelle, mitBetrieb ? QStringLiteral("Betrieb") : QStringLiteral("1"))
                                       .toStdString());
        while (st.executeStep()) {
            const QString von = QString::fromUtf8(st.getColumn(3).getText());
            const QString bis = QString::fromUtf8(st.getColumn(4).getText());
            if (!IsDate(von) || !IsDate(bis)) continue; // reported with the values
            auto& e = je[{st.getColumn(1).getInt64(), QString::fromUtf8(st.getColumn(2).getText())}];
            if (e.zeile == 0) e.zeile = st.getColumn(0).getInt64();
            const QPair<int, int> saison{tagImJahr(CDate(von).date()), tagImJahr(CDate(bis).date())};
            e.saisons.insert(saison);
            const QString betrieb = QString::fromUtf8(st.getColumn(5).getText());
            if (IsNumeric(betrieb)) (CDbl(betrieb) != 0 ? e.offen : e.zu).insert(saison);
        }
        for (const auto& [k, e] : je)
            for (const auto& saison : e.offen)
                if (e.zu.contains(saison))
                    befund(tabelle, e.zeile, QStringLiteral("Betrieb"),
                           text(9742, {QString::number(k.first), k.second, tagText(saison.first), tagText(saison.second)}));
        // Active locks without any weekday rows never open.
        SQLite::Statement locks(db(), QStringLiteral("SELECT rowid, SchleusenID FROM \"%1\" WHERE coalesce(Aktiv, 1) <> 0 "
                                                     "ORDER BY rowid")
                                          .arg(schleusen)
                                          .toStdString());
        QSet<std::int64_t> mitZeiten;
        for (const auto& [k, v] : je) mitZeiten.insert(k.first);
        while (locks.executeStep())
            if (!mitZeiten.contains(locks.getColumn(1).getInt64()))
                befund(schleusen, locks.getColumn(0).getInt64(), QStringLiteral("SchleusenID"), text(9739));
        static const char* const wochentage[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
        for (std::int64_t lock : mitZeiten) {
            // The lock's rows stand together in the map: only they are searched for its weekdays.
            const auto anfang = je.lower_bound({lock, QString()});
            const auto ende =
                std::find_if(anfang, je.end(), [lock](const auto& kv) { return kv.first.first != lock; });
            for (const char* wt : wochentage) {
                const auto it = std::find_if(anfang, ende, [wt](const auto& kv) {
                    return kv.first.second.compare(QLatin1String(wt), Qt::CaseInsensitive) == 0;
                });
                std::array<int, 366> anzahl{};
                std::int64_t zeile = 0;
                if (it != ende) {
                    zeile = it->second.zeile;
                    for (const auto& [von, bis] : it->second.saisons)
                        for (int d = von;; d = (d + 1) % 366) {
                            ++anzahl[static_cast<size_t>(d)];
                            if (d == bis) break;
                        }
                }
                meldeLaeufe(anzahl, [](int n) { return n == 0; }, tabelle, zeile, lock, wt, 9732);
                meldeLaeufe(anzahl, [](int n) { return n > 1; }, tabelle, zeile, lock, wt, 9733);
            }
        }
    }

    static int tagImJahr(const QDate& d) { return QDate(2000, 1, 1).daysTo(QDate(2000, d.month(), d.day())); }
    static QString tagText(int d) { return QDate(2000, 1, 1).addDays(d).toString(QStringLiteral("dd.MM.")); }

    template <typename Pred>
    void meldeLaeufe(const std::array<int, 366>& anzahl, Pred treffer, const QString& tabelle, std::int64_t zeile,
                     std::int64_t lock, const char* wt, int textId) {
        for (int d = 0; d < 366;) {
            if (!treffer(anzahl[static_cast<size_t>(d)])) {
                ++d;
                continue;
            }
            int e = d;
            while (e + 1 < 366 && treffer(anzahl[static_cast<size_t>(e + 1)])) ++e;
            befund(tabelle, zeile, QStringLiteral("SaisonVon"),
                   text(textId, {QString::number(lock), QString::fromLatin1(wt), tagText(d), tagText(e)}));
            d = e + 1;
        }
    }

    /// A junction leads to a point that exists and leads back.
    void abzweige() {
        const QString tabelle = objekt(QStringLiteral("Abzweige"));
        const QString punkte = objekt(QStringLiteral("Punkte"));
        if (tabelle.isEmpty() || punkte.isEmpty()) return;
        const QSet<QString> vorhanden = spalten(db(), tabelle);
        if (!vorhanden.contains(QStringLiteral("punkteid")) || !vorhanden.contains(QStringLiteral("punkteid_nach"))) return;
        SQLite::Statement st(
            db(), QStringLiteral("SELECT a.rowid, a.PunkteID, a.PunkteID_Nach, "
                                 "EXISTS (SELECT 1 FROM \"%1\" b WHERE b.PunkteID = a.PunkteID_Nach AND b.PunkteID_Nach = a.PunkteID), "
                                 "EXISTS (SELECT 1 FROM \"%2\" p WHERE p.PunkteID = a.PunkteID), "
                                 "EXISTS (SELECT 1 FROM \"%2\" p WHERE p.PunkteID = a.PunkteID_Nach) "
                                 "FROM \"%1\" a ORDER BY a.rowid")
                      .arg(tabelle, punkte)
                      .toStdString());
        while (st.executeStep()) {
            const std::int64_t zeile = st.getColumn(0).getInt64();
            const QString von = QString::fromUtf8(st.getColumn(1).getText());
            const QString nach = QString::fromUtf8(st.getColumn(2).getText());
            if (st.getColumn(4).getInt() == 0) befund(tabelle, zeile, QStringLiteral("PunkteID"), text(9735, {von}));
            if (st.getColumn(5).getInt() == 0) befund(tabelle, zeile, QStringLiteral("PunkteID_Nach"), text(9735, {nach}));
            if (st.getColumn(3).getInt() == 0) befund(tabelle, zeile, QStringLiteral("PunkteID_Nach"), text(9734, {nach, von}));
        }
    }

private:
    std::vector<KatalogBefund>& m_befunde;
    ADODB::Connection m_con;
    std::unique_ptr<SQLite::Database> m_ref;
};

} // namespace

std::vector<KatalogBefund> PruefeKatalog(const QString& strDatei) {
    std::vector<KatalogBefund> befunde;
    Pruefung p(befunde);
    if (!p.oeffne(strDatei)) return befunde;
    // Each part on its own: a part the damage stops (a statement that fails or runs out of time) is
    // one finding, and the others still run.
    const std::pair<const char*, void (Pruefung::*)()> teile[] = {
        {"", &Pruefung::tabellenUndSpalten}, {"", &Pruefung::festeTabellen}, {"Abfragen", &Pruefung::abfragen},
        {"", &Pruefung::werte},
        {"SBZ_Wochentage", &Pruefung::betriebszeiten}, {"Abzweige", &Pruefung::abzweige}};
    for (const auto& [tabelle, teil] : teile) {
        try {
            (p.*teil)();
        } catch (const std::exception& e) {
            const QString was = dynamic_cast<const SQLite::Exception*>(&e) &&
                                        static_cast<const SQLite::Exception&>(e).getErrorCode() == SQLITE_INTERRUPT
                                    ? text(9740, {QString::number(kFristMs / 1000)})
                                    : QString::fromUtf8(e.what());
            p.befund(QString::fromLatin1(tabelle), 0, {}, text(9737, {was}));
        }
    }
    return befunde;
}

} // namespace olm3
