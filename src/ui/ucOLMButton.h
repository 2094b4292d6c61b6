#pragma once
// ucOLMButton: the component's picture button. One QToolButton (fpb) fills the control; the picture
// stands above the caption, large, as long as the button is tall enough for it.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdint>

class QToolButton;

class ucOLMButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QFont Font READ Font WRITE Font)
    Q_PROPERTY(QString Text READ Text WRITE Text)
    Q_PROPERTY(QColor Backcolor READ Backcolor WRITE Backcolor)
    Q_PROPERTY(QColor Forecolor READ Forecolor WRITE Forecolor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE Enabled)
    Q_PROPERTY(bool FontBold READ FontBold WRITE FontBold)
    Q_PROPERTY(short FontSize READ FontSize WRITE FontSize)
    Q_PROPERTY(bool TwoState READ TwoState WRITE TwoState)
    Q_PROPERTY(bool IsDefault READ IsDefault WRITE IsDefault)
    Q_PROPERTY(bool Value READ Value WRITE Value STORED false)
    Q_PROPERTY(QString TypeIdent READ TypeIdent CONSTANT STORED false)

public:
    /// The standard size a button takes while IsDefault is set.
    static constexpr int kStandardWidth = 120;
    static constexpr int kStandardHeight = 40;
    /// The picture stands above the caption when it can be at least this tall there, else beside it.
    static constexpr int kMinPictureAbove = 20;

    explicit ucOLMButton(QWidget* parent = nullptr);

    QFont Font() const;
    void Font(const QFont& font);
    QString Text() const;
    void Text(const QString& strText);
    QColor Backcolor() const { return m_backcolor; }
    void Backcolor(const QColor& color);
    QColor Forecolor() const { return m_forecolor; }
    void Forecolor(const QColor& color);
    bool Enabled() const { return m_enabled; }
    void Enabled(bool blnEnabled);
    bool FontBold() const;
    void FontBold(bool blnBold);
    std::int16_t FontSize() const;
    void FontSize(std::int16_t intSize);
    bool TwoState() const;
    void TwoState(bool blnTwoState);
    bool IsDefault() const { return m_isDefault; }
    void IsDefault(bool blnDefault);
    /// Pressed state of a two-state button; a push button ignores the setter.
    bool Value() const;
    void Value(bool blnValue);
    /// Appearance preset: 1 is the flat panel look, every other value the raised look.
    void AppTyp(std::int16_t intTyp);
    /// "OLMBUTTON": lets a window find its buttons among its controls.
    QString TypeIdent() const { return QStringLiteral("OLMBUTTON"); }

    void LoadPicture(const QPixmap& picture);
    QPixmap Picture() const { return m_picture; }
    /// Sizes and fills the button in one call: a width or height other than -1 ends the standard size
    /// and sets that edge in pixels; the picture and caption are set when their flag is.
    void Format_Button(std::int32_t lngWidth, std::int32_t lngHeight, bool blnPicture, const QPixmap& picture,
                       bool blnText, const QString& strText);

    /// Enables or disables one state of a two-state button only (0 released, 1 pressed): while the
    /// button is in a disabled state it cannot be clicked. Other state numbers are ignored.
    void StateEnabled(int intState, bool blnEnabled);
    bool StateEnabled(int intState) const;
    /// Background of the pressed state; invalid (the default) derives it from Backcolor.
    void Pressedcolor(const QColor& color);
    QColor Pressedcolor() const { return m_pressedcolor; }
    /// Width left for the caption beside the picture with the current size, font and picture.
    int CaptionRoom() const;

    /// The wrapped button.
    QToolButton* fpb() const { return m_fpb; }

    QSize sizeHint() const override;

signals:
    void Click();
    /// Button: 1 left, 2 right, 4 middle; Shift: 1 shift, 2 control, 4 alt; X, Y in pixels.
    void MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyStyle();
    void applyEnabled();
    void applyIcon();
    void layoutButton();

    QToolButton* m_fpb = nullptr;
    QPixmap m_picture;
    QPixmap m_scaled; ///< the picture in the size the button shows it
    QColor m_backcolor;
    QColor m_forecolor{Qt::black};
    QColor m_pressedcolor;
    bool m_enabled = true;
    bool m_stateEnabled[2] = {true, true};
    bool m_stateLocked = false;
    bool m_isDefault = false;
    std::int16_t m_appTyp = 0;
};
