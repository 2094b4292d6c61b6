#pragma once
// The "Tagesetappen" section of the route view: the route's day stages, one row per day, under a heading
// with the trip's days.

#include "olm3binnen/types.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;
class QTableWidget;

class TagesetappenAnsicht : public QWidget {
    Q_OBJECT
public:
    explicit TagesetappenAnsicht(QWidget* parent = nullptr);

    /// Computes the day stages of the route (leaving at its first row's time) with the cruising day of
    /// the settings and shows them; empty for no route.
    void Fuelle(const std::vector<typRouteOptimiert>& route);

    QTableWidget* grdEtappen() const { return m_grdEtappen; }
    /// "Reisetage: n", or empty without stages.
    QString ReisetageText() const { return m_strReisetage; }

private:
    QLabel* m_lblTitel = nullptr;
    QTableWidget* m_grdEtappen = nullptr;
    QString m_strReisetage;
};
