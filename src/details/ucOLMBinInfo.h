#pragma once
// ucOLMBinInfo: the common part of every object detail view: the object's name, up to two telephone
// numbers, the radio channel and the info text on the left, two picture buttons and one extra button in
// a column on the right. Empty entries are hidden, a section title goes with its last entry, and the
// panel lays itself out again after every change; its three buttons only report their clicks.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdint>

class QLabel;
class QTextEdit;
class ucOLMButton;

class ucOLMBinInfo : public QWidget {
    Q_OBJECT
public:
    /// Room between the panel's edge and its elements, and between two elements (pixels).
    static constexpr int kRand = 6;
    static constexpr int kAbstand = 4;
    /// The button column: picture buttons show a preview and are taller than the extra button; in a
    /// panel lower than the column needs they give way down to the extra button's height.
    static constexpr int kKnopfBreite = 132;
    static constexpr int kBildKnopfHoehe = 88;
    static constexpr int kKnopfHoehe = 40;
    /// The info text box shows at least this many lines, also in a panel lower than it needs.
    static constexpr int kMinInfoZeilen = 2;

    explicit ucOLMBinInfo(QWidget* parent = nullptr);

    bool Visible_Bezeichnung() const;
    void Visible_Bezeichnung(bool blnVisible);
    bool Visible_Telefon1() const;
    void Visible_Telefon1(bool blnVisible);
    bool Visible_Telefon2() const;
    void Visible_Telefon2(bool blnVisible);
    bool Visible_UKWKanal() const;
    void Visible_UKWKanal(bool blnVisible);
    bool Visible_Bild1() const;
    void Visible_Bild1(bool blnVisible);
    bool Visible_Bild2() const;
    void Visible_Bild2(bool blnVisible);
    bool Visible_Button() const;
    void Visible_Button(bool blnVisible);
    bool Visible_InfoText() const;
    void Visible_InfoText(bool blnVisible);

    QString Text_Bezeichnung() const;
    void Text_Bezeichnung(const QString& strText);
    /// The telephone and radio-channel setters trim the value; an empty value hides its entry, any
    /// other value shows it.
    QString Text_Telefon1() const;
    void Text_Telefon1(const QString& strText);
    QString Text_Telefon2() const;
    void Text_Telefon2(const QString& strText);
    QString Text_UKWKanal() const;
    void Text_UKWKanal(const QString& strText);
    /// Sets the info text; the text box takes the height the text needs.
    QString Text_InfoText() const;
    void Text_InfoText(const QString& strText);

    QString Caption_Telefon() const;
    void Caption_Telefon(const QString& strText);
    QString Caption_UKWKanal() const;
    void Caption_UKWKanal(const QString& strText);
    QString Caption_InfoText() const;
    void Caption_InfoText(const QString& strText);
    QString Caption_Bild1() const;
    void Caption_Bild1(const QString& strText);
    QString Caption_Bild2() const;
    void Caption_Bild2(const QString& strText);
    QString Caption_Button() const;
    void Caption_Button(const QString& strText);

    void LoadPicture_Bild1(const QPixmap& picture);
    void LoadPicture_Bild2(const QPixmap& picture);
    void LoadPicture_Button(const QPixmap& picture);

    QColor Backcolor() const { return m_backcolor; }
    void Backcolor(const QColor& color);
    QColor Forecolor() const { return m_forecolor; }
    void Forecolor(const QColor& color);
    bool FontBold() const { return m_fontBold; }
    void FontBold(bool blnBold);
    std::int16_t FontSize() const { return m_fontSize; }
    void FontSize(std::int16_t intSize);

    /// The height the visible elements need, from the last layout.
    int MaxHeight() const { return m_maxHeight; }
    /// Lays the panel out for its current size. A shown panel does so on every resize; a window that
    /// sizes the panel before it is shown calls this to learn MaxHeight for the new width.
    void Anordnen() { anordnen(); }

    /// Applies the host's look: its button colours to the three buttons, its text colour, the panel's
    /// font size and bold setting to every other element.
    void FormatControls();

    /// The picture the picture buttons show until the view hands them one.
    static QPixmap StandardBild();

    QLabel* lblBezeichnung() const { return m_lblBezeichnung; }
    QLabel* lblTitelTelefon() const { return m_lblTitelTelefon; }
    QLabel* lblTelefon1() const { return m_lblTelefon1; }
    QLabel* lblTelefon2() const { return m_lblTelefon2; }
    QLabel* lblTitelUKWKanal() const { return m_lblTitelUKWKanal; }
    QLabel* lblUKWKanal() const { return m_lblUKWKanal; }
    QLabel* lblTitelInfoText() const { return m_lblTitelInfoText; }
    QTextEdit* txtInfoText() const { return m_txtInfoText; }
    ucOLMButton* pbBild1() const { return m_pbBild1; }
    ucOLMButton* pbBild2() const { return m_pbBild2; }
    ucOLMButton* pbButton() const { return m_pbButton; }

signals:
    void Bild1Click();
    void Bild2Click();
    void ButtonClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void anordnen();
    void ordneKnoepfeAn(int& intUnten);
    void setzeEintrag(QLabel* lbl, const QString& strText, void (ucOLMBinInfo::*zeige)(bool));
    void schriftAnwenden();
    void farbeAnwenden();
    int infoTextHoehe(int intBreite) const;
    int minInfoTextHoehe() const;
    bool knopfSpalte() const;

    QLabel* m_lblBezeichnung = nullptr;
    QLabel* m_lblTitelTelefon = nullptr;
    QLabel* m_lblTelefon1 = nullptr;
    QLabel* m_lblTelefon2 = nullptr;
    QLabel* m_lblTitelUKWKanal = nullptr;
    QLabel* m_lblUKWKanal = nullptr;
    QLabel* m_lblTitelInfoText = nullptr;
    QTextEdit* m_txtInfoText = nullptr;
    ucOLMButton* m_pbBild1 = nullptr;
    ucOLMButton* m_pbBild2 = nullptr;
    ucOLMButton* m_pbButton = nullptr;

    QColor m_backcolor;
    QColor m_forecolor{Qt::black};
    bool m_fontBold = false;
    std::int16_t m_fontSize = 12;
    int m_maxHeight = 0;
};
