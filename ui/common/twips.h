#pragma once

#include <QRect>

namespace dakru::ui {

// The windows are laid out in twips; at 96 pixels per inch 15 twips make one
// pixel. Qt scales the pixels on high-density screens.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

}  // namespace dakru::ui
