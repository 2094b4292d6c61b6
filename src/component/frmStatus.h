#pragma once
// frmStatus: the small always-on-top progress window of long computations, with two status lines,
// two progress bars and the break button. Only clsOLM3Binnen::ShowStatus drives it.

#include <QWidget>
#include <cstdint>

class clsOLM3Binnen;
class QLabel;
class QProgressBar;
class ucOLMButton;

class frmStatus : public QWidget {
    Q_OBJECT
public:
    explicit frmStatus(QWidget* parent = nullptr);
    ~frmStatus() override;

    /// Fills the window: the first line, the main bar (lngValue of lngMaxValue), the second bar and the
    /// second line; an empty strText2 keeps the previous second line. A bar is hidden when it has
    /// nothing to show (value <= 0 and maximum < 1) or its value lies above its maximum.
    void Init(clsOLM3Binnen* objFacade, const QString& strText, std::int32_t lngValue,
              std::int32_t lngMaxValue, std::int32_t lngValue2, std::int32_t lngMaxValue2,
              const QString& strText2);

    QLabel* lblStatus = nullptr;
    QLabel* lblStatus2 = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QProgressBar* ProgressBarKlein = nullptr;
    ucOLMButton* ucBreak = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ucBreak_Click();
    void ucBreak_MouseMove();
    void layoutControls();

    clsOLM3Binnen* m_objFacade = nullptr;
    /// The break button took away the hourglass of a running computation; it comes back when the
    /// pointer leaves the button.
    bool m_blnZeigerFrei = false;
};
