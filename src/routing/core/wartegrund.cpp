#include "routing/core/wartegrund.h"

#include "data/formatting.h"
#include "data/modOLM3Binnen.h"

#include <QHash>
#include <memory>

using namespace modOLM3Binnen;

namespace olm3::routing {

namespace {

const QString kModul = QStringLiteral("clsOLM3Binnen");

QString text(std::int32_t id) { return GetText(kModul, id); }

QString tagText(const QDate& d) { return d.toString(QStringLiteral("dd.MM.")); }

/// The special rules of one catalogue connection.
struct Sonderregeln {
    std::weak_ptr<ADODB::Connection> con;
    QHash<QString, QString> texte;
};

} // namespace

QString SonderregelText(const QString& strSRID) {
    static Sonderregeln regeln;
    const QString id = strSRID.trimmed();
    if (id.isEmpty() || !conBinnenDatabase) return QString();
    if (regeln.con.lock() != conBinnenDatabase) {
        regeln.con = conBinnenDatabase;
        regeln.texte.clear();
        ADODB::RecordsetPtr rs;
        if (conBinnenDatabase->HasObject(QStringLiteral("SBZ_Sonderregelung")) &&
            ADO_Open_RecordsetExt(conBinnenDatabase, rs, QStringLiteral("SELECT SRID, SRText FROM SBZ_Sonderregelung"),
                                  true)) {
            for (; !rs->Eof(); rs->MoveNext())
                regeln.texte.insert(ADO_Field_Str(rs->Fields(0)).trimmed().toUpper(),
                                    ADO_Field_Str(rs->Fields(1)).trimmed());
        }
        ADO_Close_Recordset(rs, true);
    }
    return regeln.texte.value(id.toUpper());
}

QString WartegrundText(const SchleusenWarten& warten, const QDateTime& datAnkunft, const QString& strSR) {
    const QString uhrzeit = warten.datOeffnet.time().toString(QStringLiteral("HH:mm"));
    switch (warten.intGrund) {
    case wgKeiner:
        return QString();
    case wgOeffnet:
        if (warten.datOeffnet.date() == datAnkunft.date()) return text(9450).arg(uhrzeit);
        return text(9451).arg(tagText(warten.datOeffnet.date()), uhrzeit);
    case wgSaisonpause:
        return text(9452).arg(tagText(warten.datSaisonBis));
    case wgNachBedarf:
        return text(9453);
    case wgSonderregel: {
        const QString regel = SonderregelText(strSR);
        return regel.isEmpty() ? text(9455).arg(strSR.trimmed()) : text(9454).arg(regel);
    }
    case wgKeineDaten:
        return text(9456).arg(tagText(warten.datOhneDaten));
    case wgKeinBetrieb:
        return text(9457);
    }
    return QString();
}

QString TextSummenUnsicher(std::int32_t lngAnzahl) {
    return lngAnzahl > 0 ? text(9458).arg(lngAnzahl) : QString();
}

} // namespace olm3::routing
