#include "umkreissuche.h"

#include "data/modOLM3Binnen.h"
#include "katalogdaten.h"

#include <QPointF>
#include <algorithm>

namespace olm3host {

namespace {
/// Window events are processed after this many objects looked at.
constexpr int kSchritt = 32;

QString tabelleZu(const QString& strTyp) {
    const QString t = strTyp.trimmed().toUpper();
    if (t == QLatin1String("S")) return QStringLiteral("Schleusen");
    if (t == QLatin1String("H")) return QStringLiteral("Haefen");
    if (t == QLatin1String("T")) return QStringLiteral("Tankstellen");
    return QString();
}
} // namespace

Umkreissuche::Umkreissuche(std::function<ADODB::ConnectionPtr()> katalog) : m_katalog(std::move(katalog)) {}

void Umkreissuche::KWSUmkreisSuche(std::int32_t& lngZentrumPunkteID, QString& strTyp, double& dblUmkreis,
                                   bool& blnErgebnis, IOLM3KWSEvents* pEvents) {
    m_treffer.clear();
    m_blnAbbrechen = false;
    blnErgebnis = false;
    const QString tabelle = tabelleZu(strTyp);
    const ADODB::ConnectionPtr con = m_katalog ? m_katalog() : nullptr;
    if (tabelle.isEmpty() || !con) return;

    ADODB::RecordsetPtr rs;
    QString fehler;
    if (!Abfrage(con,
                 QStringLiteral("SELECT LgDez, BgDez FROM Punkte WHERE PunkteID=%1").arg(lngZentrumPunkteID),
                 rs, fehler) ||
        rs->Eof())
        return;
    const QPointF zentrum(rs->Fields(QStringLiteral("LgDez")).Value.toDouble(),
                          rs->Fields(QStringLiteral("BgDez")).Value.toDouble());

    if (!Abfrage(con,
                 QStringLiteral("SELECT DISTINCT d.PunkteID, p.LgDez, p.BgDez FROM %1 d "
                                "JOIN Punkte p ON p.PunkteID = d.PunkteID WHERE d.Aktiv<>0")
                     .arg(tabelle),
                 rs, fehler))
        return;
    int geprueft = 0;
    for (; !rs->Eof(); rs->MoveNext()) {
        if (++geprueft % kSchritt == 0) modOLM3Binnen::DoEvents();
        if (m_blnAbbrechen) break;
        const QPointF lage(rs->Fields(QStringLiteral("LgDez")).Value.toDouble(),
                           rs->Fields(QStringLiteral("BgDez")).Value.toDouble());
        const double km = Entfernung(zentrum, lage);
        if (dblUmkreis > 0 && km > dblUmkreis) continue;
        m_treffer.push_back({rs->Fields(QStringLiteral("PunkteID")).Value.toInt(), km});
        if (pEvents) pEvents->KWSUmkreisSucheObjGefunden(static_cast<std::int32_t>(m_treffer.size()));
    }
    std::sort(m_treffer.begin(), m_treffer.end(), [](const Treffer& a, const Treffer& b) {
        return a.dblKm != b.dblKm ? a.dblKm < b.dblKm : a.lngPunkteID < b.lngPunkteID;
    });
    blnErgebnis = !m_blnAbbrechen;
}

void Umkreissuche::KWSUmkreisSucheErgebnis(std::vector<std::int32_t>& alngPunkteID,
                                           std::vector<double>& adblStrecke, std::int32_t& lngAnzahl) {
    lngAnzahl = static_cast<std::int32_t>(m_treffer.size());
    alngPunkteID.assign(std::max<size_t>(m_treffer.size(), 1), 0);
    adblStrecke.assign(std::max<size_t>(m_treffer.size(), 1), 0.0);
    for (size_t i = 0; i < m_treffer.size(); ++i) {
        alngPunkteID[i] = m_treffer[i].lngPunkteID;
        adblStrecke[i] = m_treffer[i].dblKm;
    }
}

} // namespace olm3host
