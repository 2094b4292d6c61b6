#include "ui/panelbutton.h"

#include "data/modOLM3Binnen.h"
#include "ui/ucOLMButton.h"

#include <QColor>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace modOLM3Binnen {

namespace {
constexpr int kMinPunkte = 7;

int captionWidth(const ucOLMButton* button) {
    const QFontMetrics fm(button->Font());
    int w = 0;
    for (const QString& line : button->Text().split(QLatin1Char('\n')))
        w = std::max(w, fm.horizontalAdvance(QString(line).remove(QLatin1Char('&'))));
    return w;
}
} // namespace

void FormatPanelButton(ucOLMButton* button, int intWidthDivisor, int intHeightFactor, int intMode) {
    if (!button) return;
    // The caption's size comes from the full panel width and the height of one row, so a half-width
    // button gets the same type as a full-width one.
    const int panelWidth = button->width() * std::max(1, intWidthDivisor);
    const int rowHeight = button->height() / std::max(1, intHeightFactor);
    const int pixel = std::clamp(std::min(rowHeight * 9 / 25, panelWidth / 12), 10, 18);
    const int dpi = button->logicalDpiY() > 0 ? button->logicalDpiY() : 96;
    auto punkte = static_cast<std::int16_t>(std::lround(pixel * 72.0 / dpi));

    if (objOLM3Cfg) {
        button->Backcolor(objOLM3Cfg->GetFarbe1());
        button->Forecolor(objOLM3Cfg->GetFarbe2());
        button->Pressedcolor(objOLM3Cfg->GetFarbe3());
    }
    button->AppTyp(intMode == 2 ? 1 : 0);
    button->FontBold(true);
    button->FontSize(punkte);
    // A long caption in a narrow button gets smaller type rather than being cut off.
    while (punkte > kMinPunkte && captionWidth(button) > button->CaptionRoom())
        button->FontSize(--punkte);
}

void SetButtonEnabled(ucOLMButton* button, int intState, bool blnEnabled) {
    if (!button) return;
    if (intState == kButtonGanz)
        button->Enabled(blnEnabled);
    else
        button->StateEnabled(intState, blnEnabled);
}

} // namespace modOLM3Binnen
