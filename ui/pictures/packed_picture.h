#pragma once

#include <QImage>
#include <QPainter>

namespace dakru::ui {

// A large opaque picture kept in three bytes a pixel, as its JPEG file holds
// it, instead of the four the toolkit draws from: the full-window cover takes a
// quarter less memory for the same pixels. It is drawn a band of rows at a time
// through a small buffer in the toolkit's own format, so drawing it costs the
// toolkit no other code than drawing an ordinary picture. Until pack() it is
// drawn from the decoded picture itself: the window's first frame need not
// wait for the packing. A picture with transparency, or fitted to a screen of a
// fractional density, is kept as given.
class PackedPicture {
public:
    PackedPicture() = default;
    // `image` with its device pixel ratio set, as Picture::take gives it.
    explicit PackedPicture(QImage image);

    bool isNull() const { return current().isNull(); }
    // In layout pixels.
    QSizeF size() const { return current().deviceIndependentSize(); }

    // Packs the decoded picture, which then goes; once is enough.
    void pack();

    // Draws the part of the picture within `area` (layout pixels), the picture's
    // top left corner at the painter's origin.
    void draw(QPainter& painter, const QRect& area);

private:
    // What is drawn from now: the decoded picture until it is packed.
    const QImage& current() const { return first_.isNull() ? pixels_ : first_; }

    QImage pixels_;  // RGB888 when packed, otherwise the image as given
    QImage first_;   // the decoded picture, until it is packed
    QImage band_;    // a few rows of RGB32, the size of one band
    int ratio_ = 1;  // device pixels a layout pixel, when packed
};

}  // namespace dakru::ui
