#pragma once
// frmFahrtag: the cruising day of the day stages — when the day starts, when the boat must be moored, and
// whether a lock with a long wait ends the day before it. Kept in the host's settings file.

#include "routing/core/tagesetappen.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class frmFahrtag : public QDialog {
    Q_OBJECT
public:
    /// Opens with the cruising day of the settings file.
    explicit frmFahrtag(QWidget* parent = nullptr);

    /// The values as they stand (those read, or those saved by OK).
    const olm3::routing::Fahrtag& Fahrtag() const { return m_fahrtag; }

    QLineEdit* txtBeginn() const { return m_txtBeginn; }
    QLineEdit* txtEnde() const { return m_txtEnde; }
    QCheckBox* chkWarteGrenze() const { return m_chkWarteGrenze; }
    QLineEdit* txtWarteGrenze() const { return m_txtWarteGrenze; }
    QPushButton* pbOK() const { return m_pbOK; }

    /// Checks the input and saves it: a message for bad input (the values stay as they were and the
    /// window stays open), or for a settings file that cannot be written.
    void accept() override;

private:
    void zeigeWerte();

    olm3::routing::Fahrtag m_fahrtag;
    QLineEdit* m_txtBeginn = nullptr;
    QLineEdit* m_txtEnde = nullptr;
    QCheckBox* m_chkWarteGrenze = nullptr;
    QLineEdit* m_txtWarteGrenze = nullptr;
    QPushButton* m_pbOK = nullptr;
};
