#pragma once
// frmInfoText: a longer text of an object, such as the route description of a fuel station.

#include <QDialog>
#include <QString>

class QPlainTextEdit;

class frmInfoText : public QDialog {
    Q_OBJECT
public:
    explicit frmInfoText(QWidget* parent = nullptr);

    /// Caption strTitel, text strText. Always true.
    bool Init(const QString& strTitel, const QString& strText);

    QPlainTextEdit* txtInfoText() const { return m_txtInfoText; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* m_txtInfoText = nullptr;
};
