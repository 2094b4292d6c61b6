#include "olm3binnen/pathoptimiser.h"

#include "routing/core/durchfahrt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <queue>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>

// Our own Dijkstra rather than the Boost Graph Library: the planned points join the graph only for the
// query that needs them, which here is a handful of overlay edges looked at beside the fixed adjacency
// arrays; with the BGL we would have to add and remove vertices in a shared adjacency_list or write a
// graph adaptor for it. The search also breaks ties of equal length by the number of waterway changes,
// so a zero-length detour over a third waterway at a crossing never shows up as an extra leg. And the
// core library needs no Boost. The whole search is some forty lines below.

namespace olm3 {

namespace {

/// A point placed on its waterway.
struct Ort {
    std::int32_t lngPunkteID = 0;
    std::int32_t lngBinnenID = 0;
    double dblStrecke = 0.0;
};

struct Kante {
    std::uint32_t nach;
    double km;
};

/// An edge that exists for one query only: a planned point joined to the junctions beside it.
struct Zusatzkante {
    std::uint32_t a, b;
    double km;
};

/// A field read as a number; nothing for Null or text that is no number.
std::optional<double> Zahl(const ADODB::Field& f) {
    if (f.IsNull()) return std::nullopt;
    bool ok = false;
    const double v = f.Value.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<std::int32_t> Id(const ADODB::Field& f) {
    if (f.IsNull()) return std::nullopt;
    bool ok = false;
    const qlonglong v = f.Value.toLongLong(&ok);
    if (!ok || v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

/// A point from the columns i, i+1, i+2 (PunkteID, BinnenID, Strecke) of the current row.
std::optional<Ort> OrtAus(const ADODB::Recordset& rs, int i) {
    const auto id = Id(rs.Fields(i));
    const auto binnen = Id(rs.Fields(i + 1));
    const auto strecke = Zahl(rs.Fields(i + 2));
    if (!id || !binnen || !strecke) return std::nullopt;
    return Ort{*id, *binnen, *strecke};
}

QString LetzterFehler(const ADODB::ConnectionPtr& con) {
    return con && !con->Errors.empty() ? con->Errors.back().Description : QString();
}

PathResult Fehler(PathFailure failure, std::int32_t lngPunkteID = 0, std::int32_t lngPunkteIDVon = 0,
                  const QString& strDetail = QString()) {
    PathResult r;
    r.failure = failure;
    r.lngPunkteID = lngPunkteID;
    r.lngPunkteIDVon = lngPunkteIDVon;
    r.strDetail = strDetail;
    return r;
}

} // namespace

/// The junction points of a catalogue, in the order of waterway and chainage, with their edges as
/// adjacency arrays.
class WaterwayGraph {
public:
    /// Reads the junctions with their two points in one statement. Rows that cannot be placed (a point
    /// missing, a chainage that is no number) or that join two points of one waterway are left out: such a
    /// link cannot be expanded as a change of waterway.
    bool Lesen(const ADODB::ConnectionPtr& con, QString& strDetail) {
        ADODB::RecordsetPtr rs;
        if (!modOLM3Binnen::ADO_Open_RecordsetExt(
                con, rs,
                QStringLiteral("SELECT v.PunkteID, v.BinnenID, v.Strecke, "
                               "n.PunkteID, n.BinnenID, n.Strecke "
                               "FROM Abzweige a "
                               "JOIN Punkte v ON v.PunkteID = a.PunkteID "
                               "JOIN Punkte n ON n.PunkteID = a.PunkteID_Nach"),
                true)) {
            strDetail = LetzterFehler(con);
            return false;
        }
        std::unordered_map<std::int32_t, Ort> orte;
        std::vector<std::pair<std::int32_t, std::int32_t>> abzweige;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            const auto v = OrtAus(*rs, 0), n = OrtAus(*rs, 3);
            if (!v || !n || v->lngBinnenID == n->lngBinnenID) continue;
            orte.emplace(v->lngPunkteID, *v);
            orte.emplace(n->lngPunkteID, *n);
            abzweige.emplace_back(v->lngPunkteID, n->lngPunkteID);
        }
        modOLM3Binnen::ADO_Close_Recordset(rs, true);

        m_knoten.clear();
        m_knoten.reserve(orte.size());
        for (const auto& [id, ort] : orte)
            m_knoten.push_back(ort);
        std::sort(m_knoten.begin(), m_knoten.end(), [](const Ort& a, const Ort& b) {
            return std::tie(a.lngBinnenID, a.dblStrecke, a.lngPunkteID) <
                   std::tie(b.lngBinnenID, b.dblStrecke, b.lngPunkteID);
        });
        m_index.clear();
        m_strecken.clear();
        std::vector<std::tuple<std::uint32_t, std::uint32_t, double>> kanten;
        for (std::uint32_t i = 0; i < m_knoten.size(); ++i) {
            const Ort& o = m_knoten[i];
            m_index.emplace(o.lngPunkteID, i);
            if (i > 0 && m_knoten[i - 1].lngBinnenID == o.lngBinnenID) {
                // Neighbouring junctions of a waterway: the way between them along the chainage.
                const double km = o.dblStrecke - m_knoten[i - 1].dblStrecke;
                kanten.emplace_back(i - 1, i, km);
                kanten.emplace_back(i, i - 1, km);
                m_strecken[o.lngBinnenID].second = i + 1;
            } else {
                m_strecken[o.lngBinnenID] = {i, i + 1};
            }
        }
        // A junction is passable both ways, whether the catalogue lists one continuation or both.
        for (const auto& [v, n] : abzweige) {
            const std::uint32_t a = m_index.at(v), b = m_index.at(n);
            kanten.emplace_back(a, b, 0.0);
            kanten.emplace_back(b, a, 0.0);
        }
        std::sort(kanten.begin(), kanten.end());
        kanten.erase(std::unique(kanten.begin(), kanten.end(),
                                 [](const auto& x, const auto& y) {
                                     return std::get<0>(x) == std::get<0>(y) &&
                                            std::get<1>(x) == std::get<1>(y);
                                 }),
                     kanten.end());
        m_erste.assign(m_knoten.size() + 1, 0);
        m_kanten.clear();
        m_kanten.reserve(kanten.size());
        for (const auto& [von, nach, km] : kanten) {
            ++m_erste[von + 1];
            m_kanten.push_back({nach, km});
        }
        for (std::size_t i = 1; i < m_erste.size(); ++i)
            m_erste[i] += m_erste[i - 1];
        return true;
    }

    /// Reads what may stop this boat: the bridges and locks it does not fit, the fairway limits, and the
    /// runs of points of one draught limit too small for it on the waterways given (the graph's and the
    /// planned points'). Read again only when the boat's measures change; the runs of a waterway are read
    /// once. Only what stops the boat leaves the database, so that a catalogue of 10^6 points yields a
    /// handful of records.
    bool LeseHindernisse(const ADODB::ConnectionPtr& con, const BootProfil& p,
                         const std::vector<std::int32_t>& alngBinnenID, QString& strDetail) {
        BootProfil masse;
        masse.dblLaenge = p.dblLaenge;
        masse.dblBreite = p.dblBreite;
        masse.dblHoehe = p.dblHoehe;
        masse.dblTiefgang = p.dblTiefgang;
        masse.dblSicherheit = p.dblSicherheit;
        if (!m_hindernisseFuer || !(*m_hindernisseFuer == masse)) {
            std::vector<Hindernis> bauwerke;
            std::unordered_map<std::int32_t, Hindernis> fahrrinnen;
            if (!LeseBauwerke(con, QString(), bauwerke, &masse) || !LeseFahrrinnen(con, QString(), fahrrinnen, &masse)) {
                strDetail = LetzterFehler(con);
                return false;
            }
            m_bauwerke = std::move(bauwerke);
            m_fahrrinnen = std::move(fahrrinnen);
            m_tiefen.clear();
            m_tiefenGelesen.clear();
            m_hindernisseFuer = masse;
        }
        if (masse.dblTiefgang <= 0) return true;

        // A waterway whose shallowest place (its known minimum) takes the boat has no point that stops it.
        QString liste;
        auto nimm = [&](std::int32_t binnen) {
            if (!m_tiefenGelesen.insert(binnen).second) return;
            if (const auto f = m_fahrrinnen.find(binnen); f != m_fahrrinnen.end()) {
                const double minimum = f->second.adblMinimum[static_cast<std::size_t>(Mass::Tiefgang)];
                if (minimum > 0 && minimum < kUnbegrenzt && Passt(minimum, masse.dblTiefgang, masse.dblSicherheit))
                    return;
            }
            if (!liste.isEmpty()) liste += QLatin1Char(',');
            liste += QString::number(binnen);
        };
        for (const auto& [binnen, knoten] : m_strecken)
            nimm(binnen);
        for (const std::int32_t binnen : alngBinnenID)
            nimm(binnen);
        if (liste.isEmpty()) return true;

        // Points of one draught limit in a row become one run: only the first and last point of each run
        // that the boat does not fit leave the database.
        ADODB::RecordsetPtr rs;
        if (!modOLM3Binnen::ADO_Open_RecordsetExt(
                con, rs,
                QStringLiteral(
                    "SELECT BinnenID, Strecke, T, vor, PunkteID FROM (SELECT PunkteID, BinnenID, Strecke, Nummer, "
                    "coalesce(Tauchtiefe, 0) AS T, lag(coalesce(Tauchtiefe, 0)) OVER w AS vor, "
                    "lead(coalesce(Tauchtiefe, 0)) OVER w AS nach FROM Punkte WHERE BinnenID IN (%1) "
                    "WINDOW w AS (PARTITION BY BinnenID ORDER BY Strecke, Nummer)) "
                    "WHERE (vor IS NULL OR vor <> T OR nach IS NULL OR nach <> T) AND %2 "
                    "ORDER BY BinnenID, Strecke, Nummer")
                    .arg(liste, ZuKlein(QStringLiteral("T"), masse.dblTiefgang, masse.dblSicherheit)),
                true)) {
            strDetail = LetzterFehler(con);
            m_tiefen.clear();
            m_tiefenGelesen.clear();
            return false;
        }
        std::vector<Hindernis> tiefen;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            const auto binnen = Id(rs->Fields(0));
            const auto strecke = Zahl(rs->Fields(1));
            const auto t = Zahl(rs->Fields(2));
            if (!binnen || !strecke || !t) continue;
            const auto vor = Zahl(rs->Fields(3));
            if (!vor || *vor != *t || tiefen.empty() || tiefen.back().lngBinnenID != *binnen) {
                Hindernis h;
                h.lngPunkteID = Id(rs->Fields(4)).value_or(0);
                h.lngBinnenID = *binnen;
                h.dblVon = *strecke;
                h.adblGrenze[static_cast<std::size_t>(Mass::Tiefgang)] = *t;
                tiefen.push_back(h);
            }
            tiefen.back().dblBis = *strecke;
        }
        modOLM3Binnen::ADO_Close_Recordset(rs, true);
        // The runs of each waterway stay in chainage order; the waterways are ordered for the search.
        m_tiefen.insert(m_tiefen.end(), tiefen.begin(), tiefen.end());
        std::stable_sort(m_tiefen.begin(), m_tiefen.end(),
                         [](const Hindernis& a, const Hindernis& b) { return a.lngBinnenID < b.lngBinnenID; });
        return true;
    }

    /// The first place between two chainages of a waterway, in the direction of travel, that the boat
    /// surely does not fit; null when it passes.
    const Hindernis* Sperre(std::int32_t binnen, double von, double bis, const BootProfil& p) const {
        if (const auto f = m_fahrrinnen.find(binnen); f != m_fahrrinnen.end() && Sperrt(f->second, p))
            return &f->second;
        const double a = std::min(von, bis), b = std::max(von, bis);
        const Hindernis* erste = nullptr;
        for (const std::vector<Hindernis>* liste : {&m_bauwerke, &m_tiefen}) {
            auto it = std::lower_bound(liste->begin(), liste->end(), std::make_pair(binnen, a),
                                       [](const Hindernis& h, const std::pair<std::int32_t, double>& k) {
                                           return std::tie(h.lngBinnenID, h.dblBis) < std::tie(k.first, k.second);
                                       });
            for (; it != liste->end() && it->lngBinnenID == binnen && it->dblVon <= b; ++it) {
                if (!Sperrt(*it, p)) continue;
                const bool frueher = !erste || (von <= bis ? it->dblVon < erste->dblVon : it->dblBis > erste->dblBis);
                if (frueher) erste = &*it;
                if (von <= bis) break;
            }
        }
        return erste;
    }

    std::size_t Knoten() const { return m_knoten.size(); }
    std::size_t Kanten() const { return m_kanten.size(); }

    /// The shortest way from one point to another as the sequence of points it passes (both ends
    /// included); empty when none exists. Of equal lengths the way with fewer changes of waterway wins.
    std::vector<Ort> Weg(const Ort& von, const Ort& nach, const BootProfil* profil = nullptr) const {
        const auto n = static_cast<std::uint32_t>(m_knoten.size());
        std::vector<Ort> temporaer;
        std::vector<Zusatzkante> zusatz;
        const std::uint32_t quelle = Einfuegen(von, n, temporaer, zusatz);
        const std::uint32_t ziel = Einfuegen(nach, n, temporaer, zusatz);
        if (von.lngBinnenID == nach.lngBinnenID)
            zusatz.push_back({quelle, ziel, std::abs(nach.dblStrecke - von.dblStrecke)});
        auto ort = [&](std::uint32_t k) { return k < n ? m_knoten[k] : temporaer[k - n]; };

        // Dijkstra on (length, changes of waterway) with a binary heap; stale heap entries are skipped.
        const std::size_t alle = n + temporaer.size();
        constexpr double kUnendlich = std::numeric_limits<double>::infinity();
        constexpr std::uint32_t kKeiner = std::numeric_limits<std::uint32_t>::max();
        std::vector<double> dist(alle, kUnendlich);
        std::vector<std::uint32_t> schritte(alle, 0), vorher(alle, kKeiner); // schritte: changes of waterway
        using Eintrag = std::tuple<double, std::uint32_t, std::uint32_t>;
        std::priority_queue<Eintrag, std::vector<Eintrag>, std::greater<>> offen;
        dist[quelle] = 0;
        offen.emplace(0.0, 0u, quelle);
        auto entspannen = [&](std::uint32_t u, std::uint32_t v, double km) {
            if (profil && ort(u).lngBinnenID == ort(v).lngBinnenID &&
                Sperre(ort(u).lngBinnenID, ort(u).dblStrecke, ort(v).dblStrecke, *profil))
                return;
            const double d = dist[u] + km;
            const std::uint32_t s = schritte[u] + (ort(u).lngBinnenID != ort(v).lngBinnenID ? 1 : 0);
            if (d < dist[v] || (d == dist[v] && s < schritte[v])) {
                dist[v] = d;
                schritte[v] = s;
                vorher[v] = u;
                offen.emplace(d, s, v);
            }
        };
        while (!offen.empty()) {
            const auto [d, s, u] = offen.top();
            offen.pop();
            if (d != dist[u] || s != schritte[u]) continue;
            if (u == ziel) break;
            if (u < n)
                for (std::uint32_t k = m_erste[u]; k < m_erste[u + 1]; ++k)
                    entspannen(u, m_kanten[k].nach, m_kanten[k].km);
            for (const Zusatzkante& z : zusatz) {
                if (z.a == u)
                    entspannen(u, z.b, z.km);
                else if (z.b == u)
                    entspannen(u, z.a, z.km);
            }
        }
        if (dist[ziel] == kUnendlich) return {};
        std::vector<Ort> weg;
        for (std::uint32_t k = ziel; k != kKeiner; k = vorher[k])
            weg.push_back(ort(k));
        std::reverse(weg.begin(), weg.end());
        return weg;
    }

private:
    /// The node of a point: its junction node, or a node of this query joined to the junctions beside it
    /// on its waterway (at most one below and one above its chainage).
    std::uint32_t Einfuegen(const Ort& o, std::uint32_t n, std::vector<Ort>& temporaer,
                            std::vector<Zusatzkante>& zusatz) const {
        if (const auto it = m_index.find(o.lngPunkteID); it != m_index.end()) return it->second;
        const auto k = n + static_cast<std::uint32_t>(temporaer.size());
        temporaer.push_back(o);
        const auto s = m_strecken.find(o.lngBinnenID);
        if (s == m_strecken.end()) return k;
        const auto [anfang, ende] = s->second;
        const auto oben = static_cast<std::uint32_t>(
            std::upper_bound(m_knoten.begin() + anfang, m_knoten.begin() + ende, o.dblStrecke,
                             [](double strecke, const Ort& j) { return strecke < j.dblStrecke; }) -
            m_knoten.begin());
        if (oben > anfang) zusatz.push_back({k, oben - 1, o.dblStrecke - m_knoten[oben - 1].dblStrecke});
        if (oben < ende) zusatz.push_back({k, oben, m_knoten[oben].dblStrecke - o.dblStrecke});
        return k;
    }

    std::vector<Ort> m_knoten;          // sorted by waterway, chainage, id
    std::vector<std::uint32_t> m_erste; // edges of node i: m_kanten[m_erste[i] .. m_erste[i + 1])
    std::vector<Kante> m_kanten;
    std::unordered_map<std::int32_t, std::uint32_t> m_index;                              // PunkteID -> node
    std::unordered_map<std::int32_t, std::pair<std::uint32_t, std::uint32_t>> m_strecken; // BinnenID -> nodes
    // What limits the boat whose measures m_hindernisseFuer holds: the bridges and locks it does not fit,
    // and the runs of points too shallow for it on the waterways of m_tiefenGelesen, each sorted by
    // waterway and chainage; the fairways of every waterway by waterway.
    std::optional<BootProfil> m_hindernisseFuer;
    std::vector<Hindernis> m_bauwerke, m_tiefen;
    std::unordered_set<std::int32_t> m_tiefenGelesen;
    std::unordered_map<std::int32_t, Hindernis> m_fahrrinnen;
};

PathOptimiser::PathOptimiser() = default;
PathOptimiser::~PathOptimiser() = default;

void PathOptimiser::Clear() {
    m_graph.reset();
    m_con.reset();
    m_dataSource.clear();
}

std::size_t PathOptimiser::NodeCount() const {
    return m_graph ? m_graph->Knoten() : 0;
}
std::size_t PathOptimiser::EdgeCount() const {
    return m_graph ? m_graph->Kanten() : 0;
}

bool PathOptimiser::Load(const ADODB::ConnectionPtr& con, PathResult* failure) {
    auto fehler = [&](const QString& detail) {
        if (failure) *failure = Fehler(PathFailure::CatalogueError, 0, 0, detail);
        Clear();
        return false;
    };
    if (!con || !con->IsOpen()) return fehler(QStringLiteral("no catalogue is open"));
    // The same connection may have been opened again on another file: the file counts, not the object.
    if (m_graph && m_con.lock() == con && m_dataSource == con->DataSource()) return true;
    for (const QString& tabelle : {QStringLiteral("Punkte"), QStringLiteral("Abzweige")})
        if (!con->HasObject(tabelle)) return fehler(QStringLiteral("the catalogue has no table ") + tabelle);
    auto graph = std::make_unique<WaterwayGraph>();
    QString detail;
    if (!graph->Lesen(con, detail)) return fehler(detail);
    m_graph = std::move(graph);
    m_con = con;
    m_dataSource = con->DataSource();
    return true;
}

PathResult PathOptimiser::Optimise(const ADODB::ConnectionPtr& con,
                                   const std::vector<std::int32_t>& alngPunkteID,
                                   const PathOptions& options) {
    if (alngPunkteID.size() < 2) return Fehler(PathFailure::TooFewPoints);
    PathResult result;
    if (!Load(con, &result)) return result;
    const BootProfil* profil = options.profil.IstGesetzt() ? &options.profil : nullptr;

    // Every planned point in one statement: its waterway and chainage.
    QString liste;
    for (const std::int32_t id : alngPunkteID) {
        if (!liste.isEmpty()) liste += QLatin1Char(',');
        liste += QString::number(id);
    }
    ADODB::RecordsetPtr rs;
    if (!modOLM3Binnen::ADO_Open_RecordsetExt(
            con, rs,
            QStringLiteral("SELECT PunkteID, BinnenID, Strecke FROM Punkte WHERE PunkteID IN (%1)")
                .arg(liste),
            true))
        return Fehler(PathFailure::CatalogueError, 0, 0, LetzterFehler(con));
    std::unordered_map<std::int32_t, Ort> orte;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        if (const auto o = OrtAus(*rs, 0)) orte.emplace(o->lngPunkteID, *o);
    modOLM3Binnen::ADO_Close_Recordset(rs, true);
    for (const std::int32_t id : alngPunkteID)
        if (!orte.count(id)) return Fehler(PathFailure::UnknownPoint, id);
    if (profil) {
        std::vector<std::int32_t> binnen;
        for (const auto& [id, o] : orte)
            binnen.push_back(o.lngBinnenID);
        QString detail;
        if (!m_graph->LeseHindernisse(con, *profil, binnen, detail))
            return Fehler(PathFailure::CatalogueError, 0, 0, detail);
    }

    auto leg = [&](const Ort& v, const Ort& n) {
        result.alngVon.push_back(v.lngPunkteID);
        result.alngNach.push_back(n.lngPunkteID);
    };
    for (std::size_t i = 0; i + 1 < alngPunkteID.size(); ++i) {
        const Ort& von = orte.at(alngPunkteID[i]);
        const Ort& nach = orte.at(alngPunkteID[i + 1]);
        if (von.lngPunkteID == nach.lngPunkteID) continue;
        const std::vector<Ort> weg = m_graph->Weg(von, nach, profil);
        if (weg.empty()) {
            // Without the boat: is there a way at all, and what on it stops the boat first?
            const std::vector<Ort> frei = profil ? m_graph->Weg(von, nach) : std::vector<Ort>{};
            for (std::size_t j = 1; j < frei.size(); ++j) {
                if (frei[j].lngBinnenID != frei[j - 1].lngBinnenID) continue;
                const Hindernis* h =
                    m_graph->Sperre(frei[j].lngBinnenID, frei[j - 1].dblStrecke, frei[j].dblStrecke, *profil);
                if (!h) continue;
                PathResult blockiert = Fehler(PathFailure::Blocked, nach.lngPunkteID, von.lngPunkteID);
                for (const Durchfahrtsbefund& b : Bewerte(*h, *profil))
                    if (b.art == Befundart::PasstNicht) {
                        blockiert.befund = b;
                        break;
                    }
                return blockiert;
            }
            return Fehler(PathFailure::NoPath, nach.lngPunkteID, von.lngPunkteID);
        }
        // A run along one waterway becomes one leg; each change of waterway is a leg of its own, from the
        // junction point to its counterpart.
        std::size_t anfang = 0;
        for (std::size_t j = 1; j < weg.size(); ++j) {
            if (weg[j].lngBinnenID == weg[j - 1].lngBinnenID) {
                result.dblStrecke += std::abs(weg[j].dblStrecke - weg[j - 1].dblStrecke);
                continue;
            }
            if (j - 1 > anfang) leg(weg[anfang], weg[j - 1]);
            leg(weg[j - 1], weg[j]);
            anfang = j;
        }
        if (weg.size() - 1 > anfang) leg(weg[anfang], weg.back());
    }
    if (result.alngVon.empty()) {
        const Ort& o = orte.at(alngPunkteID.front());
        leg(o, o);
    }
    return result;
}

} // namespace olm3
