#pragma once
// The common look of the buttons in a window's button panel.

class ucOLMButton;

namespace modOLM3Binnen {

/// intState for SetButtonEnabled: the whole button rather than one of its states.
inline constexpr int kButtonGanz = -1;

/// Styles a panel button from its current size. intWidthDivisor is 1 for a full-width and 2 for a
/// half-width button: the caption size is taken from the full panel width, so that both kinds look the
/// same. intHeightFactor is the number of standard rows the button spans. intMode places the picture:
/// 0 by the room there is, 1 beside the caption, 2 above it. The host's button colours are used when a
/// host is present.
void FormatPanelButton(ucOLMButton* button, int intWidthDivisor, int intHeightFactor, int intMode);

/// Enables or disables the whole button (intState kButtonGanz) or only one state of a two-state button
/// (0 released, 1 pressed), so that a pressed view button cannot be released by a click.
void SetButtonEnabled(ucOLMButton* button, int intState, bool blnEnabled);

} // namespace modOLM3Binnen
