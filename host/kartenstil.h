#pragma once
// The chart's style, shared by the files that draw it: its colours, its font, the pens of the two routes
// and the white halo that keeps a text readable on lines and symbols.

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QString>

class QPainter;

namespace olm3host::kartenstil {

inline const QColor kLand(0xF4, 0xF0, 0xE6);
inline const QColor kWasser(0x8E, 0xC3, 0xEA);
inline const QColor kUfer(0x3F, 0x78, 0xB0);
inline const QColor kGeplant(0xC2, 0x18, 0x5B);
inline const QColor kOptimiert(0xE6, 0x51, 0x00, 210);
inline const QColor kSchrift(0x17, 0x3A, 0x66);
inline const QColor kOrt(0x33, 0x2B, 0x24);
inline const QColor kMarke(0xD5, 0x00, 0x00);

/// Objects are named from this zoom on.
constexpr double kNamenAbPixelProKm = 28.0;

QFont schrift(double pixel, bool fett = false, bool kursiv = false);
/// A text outline with a white halo so that it reads on lines and symbols.
void zeichneMitHalo(QPainter& p, const QPainterPath& pfad, const QColor& farbe);
void textMitHalo(QPainter& p, const QPointF& basis, const QString& text, const QColor& farbe);
QPen geplantStift();
QPen optimiertStift();

} // namespace olm3host::kartenstil
