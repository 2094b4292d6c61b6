#pragma once
// frmBild: one picture of an object, in a window fitted to the screen. A picture larger than the screen
// scrolls by the part that is hidden; a double click on the picture closes the window.

#include <QDialog>
#include <QPixmap>
#include <QString>

class QLabel;
class QScrollBar;

class frmBild : public QDialog {
    Q_OBJECT
public:
    /// Room the window takes besides the picture, and what it leaves of the screen (pixels).
    static constexpr int kRandBreite = 10;
    static constexpr int kRandHoehe = 30;
    static constexpr int kBildschirmRand = 15;
    /// The size of the window when there is no picture to show.
    static constexpr int kLeerBreite = 320;
    static constexpr int kLeerHoehe = 200;

    explicit frmBild(QWidget* parent = nullptr);

    /// Loads the picture strDatei of the folder strVerzeichnis through the host's picture loader and
    /// shows strTitel as the caption. Always true: a picture that cannot be loaded leaves the window
    /// empty. The window fits itself to the picture when it is shown next.
    bool Init(const QString& strTitel, const QString& strDatei, const QString& strVerzeichnis);

    /// The file Init asked the host for.
    QString Datei() const { return m_strDatei; }

    QLabel* picBild() const { return m_picBild; }
    QScrollBar* HScroll() const { return m_HScroll; }
    QScrollBar* VScroll() const { return m_VScroll; }
    QWidget* pbLeer() const { return m_pbLeer; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void passeGroesseAn();
    void ordneAn();
    void verschiebeBild();

    QLabel* m_picBild = nullptr;
    QScrollBar* m_HScroll = nullptr;
    QScrollBar* m_VScroll = nullptr;
    QWidget* m_pbLeer = nullptr;
    QString m_strDatei;
    bool m_blnGroesseGesetzt = false;
};
