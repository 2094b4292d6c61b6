#pragma once
// frmBootProfil: the skipper's boat, edited from route planning. One field per value; a field left empty
// is not checked. A value that is no number or no possible size is refused with a message and the field
// shows its old value again.

#include <QDialog>
#include <array>

class IOLM3WindowOwner;
class QLabel;
class QLineEdit;
class QPushButton;

class frmBootProfil : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kModul = "frmBootProfil";

    explicit frmBootProfil(IOLM3WindowOwner* owner, QWidget* parent = nullptr);

    /// The fields in the order of olm3::BootFeld, and the two buttons.
    QLineEdit* txtWert(int i) const { return m_txtWert[static_cast<std::size_t>(i)]; }
    QPushButton* fpUebernehmen() const { return m_fpUebernehmen; }
    QPushButton* fpAbbrechen() const { return m_fpAbbrechen; }

    /// Takes every field into the profile and stores it through the owner; false (after a message, the
    /// dialog stays open) when a field holds a value that is not accepted.
    bool Uebernehmen();

private:
    IOLM3WindowOwner* m_owner;
    std::array<QLineEdit*, 8> m_txtWert{};
    QPushButton* m_fpUebernehmen = nullptr;
    QPushButton* m_fpAbbrechen = nullptr;
};
