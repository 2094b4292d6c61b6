#pragma once
// frmDetails: what the six object detail views (lock, harbour, fuel station, bridge, berth, weir) have in
// common. Each view reads the one active row of its catalogue table for a point, shows name, telephones,
// radio channel, info text and pictures in the info panel, and adds its own fields below the panel;
// the picture and text viewers, the back button, the window's size and its minimum size live here.

#include "olm3binnen/ado.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <vector>

class QLabel;
class ucOLMBinInfo;
class ucOLMButton;

class frmDetails : public QDialog {
    Q_OBJECT
public:
    /// The smallest size a view can be given (pixels).
    static constexpr int kMinBreite = 580;
    static constexpr int kMinHoehe = 450;
    /// Where a view opens on the screen (pixels from its top left corner).
    static constexpr int kFensterX = 40;
    static constexpr int kFensterY = 40;
    /// Room between the window's edge and its elements, and between two elements (pixels).
    static constexpr int kRand = 10;
    static constexpr int kAbstand = 8;
    /// The name with which every view marks its window (its "Tag").
    static inline const QString kFensterName = QStringLiteral("760x560.bmp");
    /// Text shown (in the view's own module) when the catalogue has no active row for the object.
    static constexpr std::int32_t kTextOhneAngaben = 9320;

    /// What sets one view apart from the others.
    struct Art {
        const char* strModul;   ///< window module, for its texts and its error messages
        const char* strTabelle; ///< catalogue table
        const char* strIDFeld;  ///< the table's own id field
        std::int32_t lngTitel;  ///< text id of the window caption
        int intBreite;          ///< initial window size (pixels)
        int intHoehe;
        bool blnTelefon; ///< the table has telephone numbers and a radio channel
    };

    /// Reads the active row of the object at point lngPunkteID and sizes the window. False when the
    /// catalogue has no active row for the point, or the row cannot be read (the user was told).
    bool Init(std::int32_t lngPunkteID);

    /// After a failed Init: true when the catalogue was read but holds no active row for the object.
    bool OhneAngaben() const { return m_blnOhneAngaben; }

    /// Shows a view modally after its Init, when Init succeeded; when the catalogue had no active row,
    /// the user is told instead. True when the view was shown.
    static bool ZeigeModal(frmDetails* frm, bool blnInit);

    /// The folder of the object pictures: the host's data folder and its sub-folder "UXABilder".
    static QString BilderVerzeichnis();

    /// The view's module: the name under which it fetches its texts.
    const QString& Modul() const { return m_strModul; }
    std::int32_t PunkteID() const { return m_lngPunkteID; }
    /// The object's id in its own table (SchleusenID, HaefenID, ...); -1 before a row was read.
    std::int32_t ObjektID() const { return m_lngObjektID; }
    const QString& Bezeichnung() const { return m_strBezeichnung; }
    const QString& InfoText() const { return m_strInfoText; }
    const QString& Bild1() const { return m_strBild1; }
    const QString& Bild2() const { return m_strBild2; }

    ucOLMBinInfo* ucInfo() const { return m_ucInfo; }
    ucOLMButton* pbBack() const { return m_pbBack; }

protected:
    frmDetails(const Art& art, QWidget* parent);

    /// Init's common part: reads the row under the condition strWhere and sizes the window.
    bool Lade(std::int32_t lngPunkteID, const QString& strWhere);
    /// The condition that selects the active row whose field strFeld holds lngID.
    static QString AktivBedingung(const char* strFeld, std::int32_t lngID);

    /// The view's own fields of the row read; called by ShowDaten after the common fields, inside its
    /// error trap.
    virtual void LeseFelder(const ADODB::Recordset& rs) { (void)rs; }
    /// The panel's extra button was clicked.
    virtual void PanelButtonClick() {}
    /// The height the view's own elements below the labels need at the given width, and their layout.
    virtual int EigeneHoehe(int intBreite) const {
        (void)intBreite;
        return 0;
    }
    virtual void OrdneEigeneAn(const QRect& bereich) { (void)bereich; }

    /// A field of the row as text: trimmed, Null as the empty text, a decimal number in the system's
    /// number format.
    static QString Feld(const ADODB::Recordset& rs, const char* strName);
    /// A Boolean field (Null is false).
    static bool FeldBool(const ADODB::Recordset& rs, const char* strName);

    /// A labelled value of the view, with the unit that follows a value that is not empty.
    struct Angabe {
        QLabel* lblTitel = nullptr;
        QLabel* lblWert = nullptr;
        QString strEinheit;
    };
    /// Adds a labelled value (title from text lngTitel). The values stand in two columns, the first
    /// half of them on the left.
    QLabel* NeueAngabe(const char* strName, std::int32_t lngTitel, const QString& strEinheit = QString());
    /// Sets the value of the labelled value lbl, with its unit when the trimmed value is not empty.
    void SetzeWert(QLabel* lbl, const QString& strWert);

    /// Adds a button to the row at the bottom, left of the back button.
    void NeuerKnopf(ucOLMButton* pb);
    /// Opens the picture viewer on a picture of the object.
    void ZeigeBild(const QString& strDatei);
    QString Text(std::int32_t lngTextID) const;
    /// Lays the window out again (after the view changed what it shows).
    void Anordnen();

    void resizeEvent(QResizeEvent* event) override;

private:
    bool ShowDaten(const QString& strWhere);
    static QPixmap Vorschau(const QString& strDatei);
    int angabenHoehe() const;
    void ordneAngabenAn(const QRect& bereich);

    Art m_art;
    QString m_strModul;
    ucOLMBinInfo* m_ucInfo = nullptr;
    ucOLMButton* m_pbBack = nullptr;
    std::vector<ucOLMButton*> m_aKnoepfe;
    std::vector<Angabe> m_aAngaben;
    std::int32_t m_lngPunkteID = -1;
    std::int32_t m_lngObjektID = -1;
    QString m_strBezeichnung;
    QString m_strInfoText;
    QString m_strBild1;
    QString m_strBild2;
    bool m_blnOhneAngaben = false;
};
