#pragma once
// The reference host's own texts: module "olm3host" of the component's text table, ids 9200-9299 and
// 9800-9869 (the chart).

#include <QString>
#include <cstdint>

namespace olm3host {

/// Module of the host's texts in the text table.
inline const QString kHostModul = QStringLiteral("olm3host");

namespace txt {
enum : std::int32_t {
    FensterTitel = 9200,
    MenuBinnen = 9201,
    Binneninfo = 9202,
    RoutenPlanung = 9203,
    Bericht = 9204,
    BerichtDrucken = 9205,
    KatalogWahl = 9206,
    Schiffsparameter = 9207,
    Beenden = 9208,
    MenuAnsicht = 9209,
    Vergroessern = 9210,
    Verkleinern = 9211,
    GanzerKatalog = 9212,
    KeinKatalog = 9213,
    PunktWaehlen = 9214,
    GeplanteRoute = 9215,
    OptimierteRoute = 9216,
    Legende = 9217,
    Katalog = 9218,
    IniBeschaedigt = 9220,
    KeineKataloge = 9221,
    KeinKatalogFormat = 9222,
    KatalogFehlt = 9223,
    KeineVerbindung = 9224,
    RoutenDBAnlegen = 9225,
    IniSchreiben = 9226,
    KeinPunktHier = 9227,
    BerichtGespeichert = 9228,
    BerichtNichtGespeichert = 9229,
    IniNichtLesbar = 9230,
    RoutenDBOeffnen = 9231,
    KarteNichtLesbar = 9232,
    KeineRoute = 9233,
    UnbekannterPunkt = 9234,
    NetzNichtLesbar = 9235,
    DruckTitel = 9240,
    DruckDatum = 9241,
    DruckRoute = 9242,
    SchiffsparameterTitel = 9250,
    Marschgeschwindigkeit = 9251,
    Verbrauch = 9252,
    EinheitKmh = 9253,
    EinheitLh = 9254,
    TourHilfe = 9260,
    TourOut = 9261,
    TourSchritt = 9262,
    TourDatei = 9263,
    TourAusgabe = 9264,
    TourKeinePunkte = 9265,
    TourFehler = 9266,
    TourRoute = 9267,
    TourOutFehlt = 9268,
    TourNichtOptimiert = 9269,
    AppHilfe = 9270,
    TourOutBelegt = 9271,
    TourBoot = 10050,
    TourBootWarnung = 10051,
    TourBootUmweg = 10052,
    TourBootKeinUmweg = 10053,
    RouteDrucken = 9272,
    RouteAlsPdf = 9273,
    PdfFilter = 9274,
    CursorLage = 9800,
    CursorGewaesserKm = 9801,
    GpxExportieren = 9650,
    GpxImportieren = 9651,
    MenuSprache = 10010,
    SpracheDeutsch = 10011,
    SpracheEnglisch = 10012,
    SpracheHilfe = 10013,
    SpracheUnbekannt = 10014,
};
} // namespace txt

/// The host text of an id ("x?x" when the table lacks it).
QString HostText(std::int32_t lngTextID);

} // namespace olm3host
