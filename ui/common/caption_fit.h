#pragma once

#include "click_label.h"

class QLabel;

namespace dakru::ui {

// Fits a centred caption into the room that its label leaves left of
// `roomRight` (in the parent's pixels): a caption that would run past it is
// centred in the room instead and drawn in a condensed stretch of the same
// font, measured with the font the platform actually gives. The label keeps
// its place, size and text.
void fitCaption(QLabel& label, int roomRight);

// A caption fitted into its room the first time it is painted: measuring
// needs the fonts, which the first frame, with the cover in front, does without.
class CaptionLabel final : public ClickLabel {
public:
    CaptionLabel(QWidget* parent, int roomRight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int roomRight_;
    bool fitted_ = false;
};

}  // namespace dakru::ui
