#pragma once

class QLabel;

namespace dakru::ui {

// Fits a centred caption into the room that its label leaves left of
// `roomRight` (in the parent's pixels): a caption that would run past it is
// centred in the room instead and drawn in a condensed stretch of the same
// font, measured with the font the platform actually gives. The label keeps
// its place, size and text.
void fitCaption(QLabel& label, int roomRight);

}  // namespace dakru::ui
