#pragma once
// The host's chart: the waterways of the catalogue in their true shape, the objects along them, the
// planned and the optimised route; pan by dragging, zoom with the wheel or +/-, and a pick mode in which
// a click hands a chart position back.

#include "kartenbelegung.h"
#include "katalogdaten.h"
#include "olm3binnen/types.h"

#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QTransform>
#include <QWidget>
#include <vector>

namespace olm3host {

/// The line the optimised route takes: consecutive rows on the same waterway follow the waterway's
/// points between them; rows on two waterways follow each of them to the junction that joins them. Only
/// neighbours that no junction joins are joined straight. Positions are (longitude, latitude).
std::vector<QPointF> RoutenVerlauf(const KartenDaten& daten, const std::vector<typRouteOptimiert>& audtRoute);

/// A text the chart set at its last drawing, with the area it covers in widget pixels.
struct KartenBeschriftung {
    enum Art { Ort, Gewaesser, Objekt, Routenpunkt, Kilometer };
    Art art;
    QString strText;
    QPolygonF huelle;
};

class Karte : public QWidget {
    Q_OBJECT
public:
    explicit Karte(QWidget* parent = nullptr);

    /// A new catalogue: the chart shows all of it; the routes are cleared.
    void SetDaten(KartenDaten daten);
    const KartenDaten& Daten() const { return m_daten; }

    /// The planned route: positions of its points in order; points at (0, 0) are left out.
    void SetGeplanteRoute(const std::vector<QPointF>& lagen);
    const std::vector<QPointF>& GeplanteRoute() const { return m_geplant; }
    /// The optimised route as the component detailed it; an empty list clears it.
    void SetOptimierteRoute(const std::vector<typRouteOptimiert>& audtRoute);
    const std::vector<QPointF>& OptimierteRoute() const { return m_optimiert; }

    /// Marks a position (the object the browser handed back) until the next click on the chart.
    void SetMarke(const QPointF& lage);
    bool HatMarke() const { return m_hatMarke; }

    /// The texts of the last drawing: place, waterway and object names, kilometre marks.
    const std::vector<KartenBeschriftung>& Beschriftungen() const { return m_beschriftungen; }
    /// The kilometre interval the marks along the waterways have at the current zoom (0: none).
    double KmIntervall() const;

    /// In pick mode the next click (that is no drag) hands its position out through PositionGewaehlt.
    void SetPunktWahl(bool blnAn);
    bool PunktWahl() const { return m_punktWahl; }

    /// Shows the whole catalogue, or an area in degrees (x longitude, y latitude) with a margin.
    void Einpassen();
    void ZeigeBereich(const QRectF& bereich);
    /// Centres on a position and shows dblKm kilometres around it, north to south.
    void ZeigeUmgebung(const QPointF& lage, double dblKm);
    /// The area the routes cover (empty without a route).
    QRectF RoutenBereich() const;
    /// Zooms by a factor around a point of the widget (the centre when none is given).
    void Zoom(double dblFaktor);
    void Zoom(double dblFaktor, const QPointF& um);

    /// Widget pixels of a position and back.
    QPointF ZuBildschirm(const QPointF& lage) const;
    QPointF ZuLage(const QPointF& pixel) const;
    /// Pixels per kilometre at the current zoom.
    double PixelProKm() const;

signals:
    void PositionGewaehlt(double dblLg, double dblBg);
    void PunktWahlAbgebrochen();
    /// The pointer moved over the chart to this position; CursorVerlassen when it left the chart.
    void CursorBewegt(double dblLg, double dblBg);
    void CursorVerlassen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QTransform weltZuBildschirm() const;
    QPointF welt(const QPointF& lage) const { return QPointF(lage.x() * m_kx, -lage.y()); }
    void begrenzeMassstab();
    void berechneBildLinien();
    /// The water areas and their islands in world units, from the catalogue's outlines.
    void baueFlaechen();
    /// Draws a straight text with its halo, its baseline starting at basis.
    void zeichneTextBild(QPainter& p, const QPointF& basis, const QString& text, const QColor& farbe);
    void zeichneFlaechen(QPainter& p);
    void zeichneGewaesser(QPainter& p);
    void zeichneRouten(QPainter& p);
    void zeichneMarke(QPainter& p);
    void zeichneObjekte(QPainter& p, KartenBelegung& belegt);
    void zeichneBeschriftung(QPainter& p, KartenBelegung& belegt);
    void zeichneOrte(QPainter& p, KartenBelegung& belegt, int rangBis, int rangAb);
    void zeichneKilometer(QPainter& p, KartenBelegung& belegt);
    bool setzeText(QPainter& p, const QString& text, const std::vector<QTransform>& plaetze,
                   const QColor& farbe, KartenBelegung& belegt, KartenBeschriftung::Art art);
    /// Writes a text along a line, glyph by glyph with the font's own spacing, beside it at dblAbstand
    /// pixels, clear of the lines of other waterways; its middle at one of the fractions of the line.
    bool setzeTextEntlang(QPainter& p, const QString& text, const std::vector<QPointF>& linie,
                          const std::vector<double>& laenge, double dblAbstand, KartenBelegung& belegt,
                          const std::vector<QLineF>& fremdeLinien, const std::vector<double>& anteile);
    double wasserBreite() const;
    double symbolGroesse() const;
    /// Draws the legend, or, without a painter, only says where it goes.
    QRectF zeichneLegende(QPainter* p);
    void zeichneMassstab(QPainter& p);
    void zeichneHinweis(QPainter& p);
    /// The object under a widget point, or -1.
    int objektBei(const QPointF& pixel) const;

    KartenDaten m_daten;
    std::vector<QPolygonF> m_bildLinien; ///< per waterway its line in widget pixels, for this drawing
    QPainterPath m_wasser;               ///< the water areas, in world units
    QPainterPath m_inseln;               ///< the islands in them
    std::vector<double> m_winkel;        ///< per object: the direction of its water on screen, degrees
    std::vector<QPointF> m_geplant;
    std::vector<QPointF> m_optimiert;
    double m_kx = 1.0;       ///< cos(latitude) of the catalogue's middle
    QPointF m_mitte;         ///< world point at the widget's centre
    double m_massstab = 1.0; ///< pixels per world unit (a degree of latitude)
    QRectF m_passBereich;
    bool m_folgtGroesse = false;
    bool m_punktWahl = false;
    bool m_ziehen = false;
    QPointF m_druckPunkt;
    QPointF m_letzterPunkt;
    QPointF m_marke;
    bool m_hatMarke = false;
    std::vector<KartenBeschriftung> m_beschriftungen;
    QHash<QString, QImage> m_textBilder;    ///< straight texts with their halo, by font, colour and text
    QHash<QString, QPainterPath> m_glyphen; ///< glyph outlines by font and character
};

} // namespace olm3host
