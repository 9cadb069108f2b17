#pragma once

#include <QWidget>
#include <array>

#include "picture_cache.h"
#include "sheet.h"

namespace dakru::ui::coach {

// Five dice as the game shows them: its pictures ("d3.jpg", "d3s.jpg" when
// held), or, where a picture is missing, the face on a light square, darker
// when held. The pictures are those of the screen's density.
class DiceRow final : public QWidget {
public:
    static constexpr int kDieSize = 42;
    static constexpr int kGap = 8;
    static constexpr int kWidth = kDiceCount * kDieSize + (kDiceCount - 1) * kGap;

    DiceRow(PictureCache& pictures, QWidget* parent);

    void showDice(const std::array<Die, kDiceCount>& dice);
    const std::array<Die, kDiceCount>& dice() const { return dice_; }

    // "Die 1, five, held; Die 2, three; ...", for screen readers.
    QString reading() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureCache& pictures_;
    std::array<Die, kDiceCount> dice_{};
};

// The picture file of a die: "d.jpg" when blank, "d3.jpg", "d3s.jpg" when held.
std::string diePicture(const Die& die);

}  // namespace dakru::ui::coach
