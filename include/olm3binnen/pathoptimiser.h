#pragma once
// The path search: the shortest way over the waterway network through the planned points in their order,
// as legs (from, to) that clsOLM3Binnen::SetRouteOptimiert expands into the detailed route. A host runs it
// on the StartOptimierer event; it needs no window and no host service, only the catalogue's connection,
// so the command-line tool and a plotter without the reference host use it alike.
//
// The network is a graph of the points that matter: every junction point, joined along its waterway to
// the next junction point in chainage order (weight: the chainage difference in km) and to its
// counterpart on the other waterway (weight 0). It is read once per catalogue; the planned points join it
// only for the query that needs them, so the graph stays as small as the number of junctions.

#include "olm3binnen/ado.h"
#include "olm3binnen/bootprofil.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace olm3 {

/// Why no route was found. A host turns each into one sentence for the user.
enum class PathFailure {
    None,           ///< the legs are set
    TooFewPoints,   ///< fewer than two planned points
    UnknownPoint,   ///< a planned point is not in the catalogue (PathResult::lngPunkteID)
    NoPath,         ///< no waterway joins PathResult::lngPunkteIDVon and PathResult::lngPunkteID
    CatalogueError, ///< no catalogue is open, or it lacks the points or junctions (PathResult::strDetail)
    Blocked,        ///< only ways the boat does not fit join lngPunkteIDVon and lngPunkteID; befund names
                    ///< the first obstacle on the shortest of them
};

/// The legs of the optimised route, or the reason why there are none.
struct PathResult {
    PathFailure failure = PathFailure::None;
    /// Leg i runs from alngVon[i] to alngNach[i]: along one waterway, or, between a junction point and its
    /// counterpart, a change of waterway of zero length. Every planned point ends one leg and opens the next.
    std::vector<std::int32_t> alngVon, alngNach;
    double dblStrecke = 0.0;         ///< length of the route in km (the sum of the chainage differences)
    std::int32_t lngPunkteIDVon = 0; ///< NoPath: the planned point the search started from
    std::int32_t lngPunkteID = 0;    ///< UnknownPoint: the unknown id; NoPath: the planned point not reached
    QString strDetail;               ///< CatalogueError: what is missing, for the log
    Durchfahrtsbefund befund;        ///< Blocked: the place, the measure and the limit that stop the boat
    bool ok() const { return failure == PathFailure::None; }
};

/// What a query may and may not use; the defaults keep the search over the whole network.
struct PathOptions {
    /// The boat: stretches with a bridge, a lock, a point or a fairway it surely does not fit (with its
    /// margin) are left out. Unknown limits do not stop it; the clearance check of the route reports them.
    BootProfil profil;
};

class WaterwayGraph;

/// Finds optimised routes over the catalogue open on a connection. The graph is built on the first query
/// and again whenever the connection (or the file it has open) changes, so a host keeps one object across
/// catalogue changes. Not thread-safe: it runs on the host's user-interface thread like the component.
class PathOptimiser {
public:
    PathOptimiser();
    ~PathOptimiser();
    PathOptimiser(const PathOptimiser&) = delete;
    PathOptimiser& operator=(const PathOptimiser&) = delete;

    /// Builds the graph of the catalogue on con unless it is built for it already. False (with the reason
    /// in *failure when given) when con is not open or the catalogue cannot be read.
    bool Load(const ADODB::ConnectionPtr& con, PathResult* failure = nullptr);
    /// Forgets the graph; the next query reads the catalogue again.
    void Clear();

    /// The shortest route through the planned points in their order; of routes of equal length the one
    /// with fewer changes of waterway. A point given twice in a row adds nothing; a route whose points are
    /// all the same point is that one point (one leg from it to itself). Never throws: a catalogue that
    /// cannot be read is PathFailure::CatalogueError.
    PathResult Optimise(const ADODB::ConnectionPtr& con, const std::vector<std::int32_t>& alngPunkteID,
                        const PathOptions& options = {});

    /// Size of the loaded graph (0 when none is loaded), for the benchmarks and the log.
    std::size_t NodeCount() const;
    std::size_t EdgeCount() const;

private:
    std::unique_ptr<WaterwayGraph> m_graph;
    std::weak_ptr<ADODB::Connection> m_con;
    QString m_dataSource;
};

} // namespace olm3
