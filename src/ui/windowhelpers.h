#pragma once
// Small window utilities shared by the component's windows.

class QRect;
class QWidget;

namespace modOLM3Binnen {


/// The area of the window's screen that windows may take (without task bars); the primary screen for
/// a window not yet shown, 1024 x 768 without any screen.
QRect FreierBildschirm(const QWidget* frm = nullptr);
/// Centres the window on its screen.
void CenterForm(QWidget* frm);
/// Enlarges a window that is not minimised to at least w x h pixels. True when nothing had to change,
/// false when it was enlarged or is minimised.
bool EnsureMinSize(QWidget* frm, int intMinWidth, int intMinHeight);
/// Puts the window into the always-on-top band or out of it, without moving or resizing it, and shows it.
void SetTopMost(QWidget* frm, bool blnTop);
/// The hourglass pointer for the whole application, and back.
void SetHourglass();
void SetNormalPointer();

} // namespace modOLM3Binnen
