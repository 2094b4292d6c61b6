#pragma once
// BildFeld: a picture box of a detail view showing one host picture, optionally struck through by a
// light grey line (a harbour facility that is absent).

#include <QPixmap>
#include <QWidget>
#include <cstdint>

class BildFeld : public QWidget {
    Q_OBJECT
public:
    /// The line that strikes a picture through: light grey, 3 pixels wide, from corner to corner,
    /// kStrichRand pixels inside the box.
    static constexpr int kStrichRand = 2;
    static constexpr int kStrichBreite = 3;
    static QColor StrichFarbe() { return QColor(200, 200, 200); }

    explicit BildFeld(QWidget* parent = nullptr);

    /// Shows the host picture lngBildID (picture as the host handed it out), struck through when
    /// blnDurchgestrichen.
    void SetzeBild(std::int32_t lngBildID, const QPixmap& picture, bool blnDurchgestrichen);

    /// The host picture shown, -1 while none was set.
    std::int32_t BildID() const { return m_lngBildID; }
    bool Durchgestrichen() const { return m_blnDurchgestrichen; }
    QPixmap Bild() const { return m_bild; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_bild;
    std::int32_t m_lngBildID = -1;
    bool m_blnDurchgestrichen = false;
};
