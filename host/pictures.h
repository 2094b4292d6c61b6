#pragma once
// The host's pictures: one for every picture id the component asks for, drawn with QPainter as flat
// 48 x 48 icons, and the chart's object symbols, so that the chart, its legend and the component's
// windows show the same marks.
//
// Picture ids (GetBild):
//
// | id        | shows                                           | asked for by                          |
// |-----------|-------------------------------------------------|---------------------------------------|
// | 101       | the component icon (a river with a boat)        | picture viewer, host window icon      |
// | 540       | panel button face (a chevron)                   | planning panel, status break button,  |
// |           |                                                 | browser hand-back button              |
// | 573 / 600 | arrow up / arrow down                           | planning: move a route point          |
// | 609       | back                                            | report, lock hours, detail views      |
// | 621       | fuel station (pump), no ground                  | harbour view: its fuel station        |
// | 219       | pump, petrol                                    | fuel station view                     |
// | 220       | pump, diesel                                    | fuel station view                     |
// | 221       | pump, petrol and diesel                         | fuel station view                     |
// | 224 / 274 | fresh water: available / not available          | harbour view (the second id greyed;   |
// | 218 / 268 | shore power                                     |  the view strikes it through)         |
// | 225 / 275 | toilets (WC)                                    |                                       |
// | 202 / 252 | showers                                         |                                       |
// | 212 / 262 | guest berths                                    |                                       |
// | 223 / 273 | washing machine                                 |                                       |
// | 210 / 260 | crane                                           |                                       |
// | 226 / 276 | boatyard                                        |                                       |
// | 214 / 264 | restaurant                                      |                                       |
// | 279 / 280 | tumble dryer                                    |                                       |
// | 216 / 278 | slipway                                         |                                       |
// | 200 / 250 | pharmacy                                        |                                       |
// | 213 / 263 | post office                                     |                                       |
// | 610       | print (host addition)                           | print buttons                         |
// | 611 / 612 | on request (NB) / special rule (SR) (host add.) | route legends                         |
// | 613 / 614 | lock / bridge symbol (host additions)           | route legends                         |

#include "olm3binnen/hostservices.h"

#include <QChar>
#include <QPixmap>
#include <cstdint>
#include <vector>

class QPainter;
class QPointF;

namespace olm3host {

/// Every picture id the host draws, ascending.
const std::vector<std::int32_t>& BildIDs();

/// The picture of an id, 48 x 48 pixels; a null pixmap for an id the host has no picture for.
QPixmap Bild(std::int32_t lngBildID);

/// Draws the chart mark of a point type ("S" lock, "B" bridge, "H" harbour, "T" fuel station, "L" berth,
/// "W" weir, "A" junction) centred on mitte, about dblGroesse pixels across. Locks, bridges and weirs are
/// turned to lie across water that runs at dblWinkel degrees (clockwise from east, as on screen). Other
/// types draw nothing.
void ZeichneTypSymbol(QPainter& p, QChar typ, const QPointF& mitte, double dblGroesse,
                      double dblWinkel = 0.0);
/// The mark on a short piece of water running left to right, for legends.
void ZeichneLegendenSymbol(QPainter& p, QChar typ, const QPointF& mitte, double dblGroesse);

/// The point types the chart marks, in legend order.
const QString& KartenTypen();

/// The picture loader the component uses for object pictures (objOLM3TGF).
class BildLader : public IOLM3TGF {
public:
    /// The picture in the file; a null pixmap when the file is missing or holds no picture. A path
    /// written with "\" separators is read with "/" as well.
    QPixmap LoadPicture(const QString& strPfad) override;
};

} // namespace olm3host
