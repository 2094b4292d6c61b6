// The run time of statements: the time-out a statement runs within, enforced by the engine's progress
// handler, and the count of statements and time spent inside SQLite for the benchmarks.
#include "data/ado_ausfuehrung.h"

#include <sqlite3.h>

using olm3::RuntimeError;

namespace {
ADODB::Statistik g_statistik;
} // namespace

namespace ADODB::intern {

ImSqlite::ImSqlite() {
    ++g_statistik.lngAnweisungen;
    m_timer.start();
}
ImSqlite::~ImSqlite() { g_statistik.lngNanosekunden += m_timer.nsecsElapsed(); }

RuntimeError timedOut(const Connection::Impl& d) {
    return RuntimeError(olm3::ErrNo::Timeout,
                        layerText(9710, {d.dataSource, QString::number(d.deadlineSeconds)}));
}

Frist::Frist(Connection::Impl& d, int seconds) : m_d(d) {
    const int s = seconds > 0 ? seconds : 0;
    d.deadlineSeconds = s;
    qint64 ms = static_cast<qint64>(s) * 1000;
    if (d.timeoutCapMs > 0 && (ms == 0 || ms > d.timeoutCapMs)) ms = d.timeoutCapMs;
    d.deadline = ms > 0 ? QDeadlineTimer(ms) : QDeadlineTimer(QDeadlineTimer::Forever);
}

Frist::~Frist() { m_d.deadline = QDeadlineTimer(QDeadlineTimer::Forever); }

RuntimeError Frist::map(const SQLite::Exception& e) const {
    if (e.getErrorCode() == SQLITE_INTERRUPT) return timedOut(m_d);
    return mapSqliteError(e);
}

int progressHandler(void* p) {
    const auto* d = static_cast<const ADODB::Connection::Impl*>(p);
    return d->deadline.hasExpired() ? 1 : 0;
}

} // namespace ADODB::intern

namespace ADODB {

Statistik GetStatistik() { return g_statistik; }
void ResetStatistik() { g_statistik = Statistik{}; }

void testing::LimitTimeouts(Connection& con, int ms) { con.impl()->timeoutCapMs = ms; }

} // namespace ADODB
