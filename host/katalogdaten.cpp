#include "katalogdaten.h"

#include "data/katalogbegriffe.h"
#include "data/modOLM3Binnen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace olm3host {

namespace {

QString text(const ADODB::RecordsetPtr& rs, const char* feld) {
    return modOLM3Binnen::ADO_Field_Str(rs->Fields(QString::fromLatin1(feld)));
}
double zahl(const ADODB::RecordsetPtr& rs, const char* feld) {
    return rs->Fields(QString::fromLatin1(feld)).Value.toDouble();
}
std::int32_t ganz(const ADODB::RecordsetPtr& rs, const char* feld) {
    return rs->Fields(QString::fromLatin1(feld)).Value.toInt();
}

/// Names of the objects by point (the first active one of a point wins).
const char* const kObjektNamen = "SELECT PunkteID, Bezeichnung FROM Schleusen WHERE Aktiv<>0 "
                                 "UNION ALL SELECT PunkteID, Bezeichnung FROM Bruecken WHERE Aktiv<>0 "
                                 "UNION ALL SELECT PunkteID, Bezeichnung FROM Haefen WHERE Aktiv<>0 "
                                 "UNION ALL SELECT PunkteID, Bezeichnung FROM Tankstellen WHERE Aktiv<>0 "
                                 "UNION ALL SELECT PunkteID, Bezeichnung FROM Liegestellen WHERE Aktiv<>0 "
                                 "UNION ALL SELECT PunkteID, Bezeichnung FROM Wehre WHERE Aktiv<>0";

bool ladeGewaesser(const ADODB::ConnectionPtr& con, KartenDaten& d, QString& fehler) {
    ADODB::RecordsetPtr rs;
    if (!Abfrage(con, QStringLiteral("SELECT BinnenID, Bezeichnung FROM Binnen ORDER BY BinnenID"), rs,
                 fehler))
        return false;
    QHash<std::int32_t, int> index;
    for (; !rs->Eof(); rs->MoveNext()) {
        KartenGewaesser g;
        g.lngBinnenID = ganz(rs, "BinnenID");
        g.strName = text(rs, "Bezeichnung");
        index.insert(g.lngBinnenID, static_cast<int>(d.gewaesser.size()));
        d.gewaesser.push_back(std::move(g));
    }
    if (!Abfrage(con,
                 QStringLiteral("SELECT PunkteID, BinnenID, LgDez, BgDez, TypenID, DokuKM FROM Punkte "
                                "ORDER BY BinnenID, Nummer"),
                 rs, fehler))
        return false;
    for (; !rs->Eof(); rs->MoveNext()) {
        const auto it = index.constFind(ganz(rs, "BinnenID"));
        if (it == index.constEnd()) continue; // a point of no waterway is drawn nowhere
        auto& g = d.gewaesser[static_cast<size_t>(*it)];
        const std::int32_t id = ganz(rs, "PunkteID");
        const QPointF lage(zahl(rs, "LgDez"), zahl(rs, "BgDez"));
        d.punkt.insert(id, {*it, static_cast<int>(g.punkte.size())});
        const QString typ = text(rs, "TypenID").trimmed();
        if (!typ.isEmpty()) {
            KartenObjekt o;
            o.lngPunkteID = id;
            o.typ = typ.at(0).toUpper();
            o.lage = lage;
            o.gewaesser = *it;
            o.index = static_cast<int>(g.punkte.size());
            d.objekte.push_back(o);
        }
        g.punkte.push_back(id);
        g.lage.push_back(lage);
        const QVariant km = rs->Fields(QStringLiteral("DokuKM")).Value;
        bool zahl = false;
        const double wert = km.isValid() && !km.isNull() ? km.toDouble(&zahl) : 0.0;
        g.km.push_back(zahl && std::isfinite(wert) ? wert : std::nan(""));
    }
    std::vector<QPointF> alle;
    for (const auto& g : d.gewaesser)
        alle.insert(alle.end(), g.lage.begin(), g.lage.end());
    d.bereich = Umfang(alle);
    return true;
}

/// Places and water areas are the chart's background: a catalogue without them, or with a broken row,
/// still shows its waterways.
void ladeHintergrund(const ADODB::ConnectionPtr& con, KartenDaten& d) {
    ADODB::RecordsetPtr rs;
    QString ignoriert;
    auto gueltig = [](double lg, double bg) {
        return std::isfinite(lg) && std::isfinite(bg) && std::abs(lg) <= 180.0 && std::abs(bg) <= 90.0;
    };
    if (con->HasObject(QStringLiteral("Orte")) &&
        Abfrage(
            con,
            QStringLiteral("SELECT Bezeichnung, LgDez, BgDez, Rang FROM Orte "
                           "WHERE Bezeichnung IS NOT NULL AND Bezeichnung <> '' ORDER BY Rang, Bezeichnung"),
            rs, ignoriert)) {
        for (; !rs->Eof(); rs->MoveNext()) {
            KartenOrt o{text(rs, "Bezeichnung").trimmed(), QPointF(zahl(rs, "LgDez"), zahl(rs, "BgDez")),
                        std::clamp(ganz(rs, "Rang"), 1, 3)};
            if (!o.strName.isEmpty() && gueltig(o.lage.x(), o.lage.y())) d.orte.push_back(std::move(o));
        }
    }
    if (con->HasObject(QStringLiteral("Wasserflaechen")) &&
        con->HasObject(QStringLiteral("Wasserflaechen_Punkte")) &&
        Abfrage(con,
                QStringLiteral("SELECT f.FlaecheID, f.Insel, p.LgDez, p.BgDez FROM Wasserflaechen f "
                               "JOIN Wasserflaechen_Punkte p ON p.FlaecheID = f.FlaecheID "
                               "ORDER BY f.Insel <> 0, f.FlaecheID, p.Nummer"),
                rs, ignoriert)) {
        std::int32_t id = 0;
        bool erste = true;
        for (; !rs->Eof(); rs->MoveNext()) {
            const std::int32_t neu = ganz(rs, "FlaecheID");
            if (erste || neu != id) d.flaechen.push_back({ganz(rs, "Insel") != 0, {}});
            erste = false;
            id = neu;
            const double lg = zahl(rs, "LgDez"), bg = zahl(rs, "BgDez");
            if (gueltig(lg, bg)) d.flaechen.back().umriss.emplace_back(lg, bg);
        }
        // An outline needs three corners to enclose anything.
        std::erase_if(d.flaechen, [](const KartenFlaeche& f) { return f.umriss.size() < 3; });
    }
}

} // namespace

bool Abfrage(const ADODB::ConnectionPtr& con, const QString& strSQL, ADODB::RecordsetPtr& rs,
             QString& strFehler) {
    if (!con || !con->IsOpen()) {
        strFehler = QStringLiteral("-");
        return false;
    }
    QString gemeldet;
    auto alt = modOLM3Binnen::SetMsgBoxHandler([&gemeldet](const QString& t, int, const QString&) {
        gemeldet = t;
        return int(modOLM3Binnen::vbOK);
    });
    const bool ok = modOLM3Binnen::ADO_Open_RecordsetExt(con, rs, strSQL, true);
    modOLM3Binnen::SetMsgBoxHandler(std::move(alt));
    if (!ok) {
        // The record-set message carries number, description and SQL on separate lines; the first
        // line is what the engine said.
        strFehler = gemeldet.section(QLatin1Char('\n'), 0, 0).trimmed();
        if (strFehler.isEmpty()) strFehler = QStringLiteral("-");
        return false;
    }
    return true;
}

bool KartenDaten::Lage(std::int32_t lngPunkteID, QPointF& lage) const {
    const auto it = punkt.constFind(lngPunkteID);
    if (it == punkt.constEnd()) return false;
    lage = gewaesser[static_cast<size_t>(it->first)].lage[static_cast<size_t>(it->second)];
    return true;
}

bool LadeKartenDaten(const ADODB::ConnectionPtr& con, KartenDaten& daten, QString& strFehler) {
    daten = KartenDaten{};
    KartenDaten d;
    if (!ladeGewaesser(con, d, strFehler)) return false;

    ADODB::RecordsetPtr rs;
    QString ignoriert;
    // Names and the catalogue's description are welcome but not required.
    if (Abfrage(con, QString::fromLatin1(kObjektNamen), rs, ignoriert)) {
        QHash<std::int32_t, QString> namen;
        for (; !rs->Eof(); rs->MoveNext()) {
            const std::int32_t id = ganz(rs, "PunkteID");
            if (!namen.contains(id)) namen.insert(id, text(rs, "Bezeichnung"));
        }
        for (auto& o : d.objekte)
            o.strName = namen.value(o.lngPunkteID);
    }
    if (Abfrage(con, QStringLiteral("SELECT TypenID, TypenBez FROM Typen"), rs, ignoriert)) {
        for (; !rs->Eof(); rs->MoveNext()) {
            const QString typ = text(rs, "TypenID").trimmed();
            if (!typ.isEmpty())
                d.typNamen.insert(typ.at(0).toUpper(),
                                  olm3::KatalogBegriff(olm3::KatalogWort::Typ, typ, text(rs, "TypenBez")));
        }
    }
    if (Abfrage(con, QStringLiteral("SELECT PunkteID, PunkteID_Nach FROM Abzweige"), rs, ignoriert)) {
        for (; !rs->Eof(); rs->MoveNext())
            d.abzweige.emplace_back(ganz(rs, "PunkteID"), ganz(rs, "PunkteID_Nach"));
    }
    ladeHintergrund(con, d);
    if (con->HasObject(QStringLiteral("Katalog")) &&
        Abfrage(con, QStringLiteral("SELECT Schluessel, Wert FROM Katalog"), rs, ignoriert)) {
        for (; !rs->Eof(); rs->MoveNext()) {
            const QString key = text(rs, "Schluessel");
            if (key.compare(QStringLiteral("Name"), Qt::CaseInsensitive) == 0)
                d.strKatalogName = text(rs, "Wert");
            if (key.compare(QStringLiteral("Hinweis"), Qt::CaseInsensitive) == 0)
                d.strHinweis = text(rs, "Wert");
        }
    }
    daten = std::move(d);
    return true;
}

QRectF Umfang(const std::vector<QPointF>& lagen) {
    if (lagen.empty()) return QRectF();
    QRectF r(lagen.front(), lagen.front());
    for (const auto& l : lagen) {
        r.setLeft(std::min(r.left(), l.x()));
        r.setRight(std::max(r.right(), l.x()));
        r.setTop(std::min(r.top(), l.y()));
        r.setBottom(std::max(r.bottom(), l.y()));
    }
    return r;
}

double Entfernung(const QPointF& a, const QPointF& b) {
    constexpr double kErdradiusKm = 6371.0;
    constexpr double rad = std::numbers::pi / 180.0;
    const double dLat = (b.y() - a.y()) * rad;
    const double dLon = (b.x() - a.x()) * rad;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(a.y() * rad) * std::cos(b.y() * rad) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2.0 * kErdradiusKm * std::asin(std::min(1.0, std::sqrt(h)));
}

} // namespace olm3host
