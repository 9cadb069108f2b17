#pragma once

#include <QColor>
#include <QRect>
#include <array>

#include "sheet.h"
#include "twips.h"

// Where everything of the main window lies, in twips from the top-left corner
// of the client area, and the colours of the sheet.
namespace dakru::ui::layout {

inline constexpr QSize kClientSize{px(5220), px(7800)};
// The cover is a little larger than the client area, as it always was.
inline constexpr QRect kCover = twipsRect(0, 0, 5295, 7815);

inline constexpr int kCellWidth = 855;
inline constexpr int kCellHeight = 255;
inline constexpr int kHeaderTop = 1680;
inline constexpr int kScoreRowTop = 6000;
inline constexpr int kCaptionLeft = 120;
inline constexpr int kTotalLeft = 4320;

constexpr int columnLeft(Column column)
{
    return 960 + 840 * index(column);
}

// The 17 lines of the sheet: 14 scoring rows and three sum rows.
constexpr int lineTop(int line)
{
    return 1920 + 240 * line;
}

constexpr int rowTop(int row)
{
    return lineTop(row - 1 + (row >= row::Minimum ? 1 : 0) + (row >= row::ThreeOfKind ? 1 : 0));
}

constexpr int sumTop(Section section)
{
    constexpr std::array<int, kSectionCount> lines{6, 9, 16};
    return lineTop(lines[index(section)]);
}

constexpr QRect cellRect(int left, int top)
{
    return twipsRect(left, top, kCellWidth, kCellHeight);
}

enum class TextStyle { ColumnHeader, CornerHeader, RowCaption, Equals, Score };

struct Caption {
    const char* name;
    const char* text;
    QRect rect;
    TextStyle style;
};

// Caption text ends before this pixel: the left edge of the cells is a line
// two pixels wide, and one more pixel keeps the text off it.
inline constexpr int kCaptionRoomRight = px(960) - 2;

// Wide captions start further left so that their text fits.
constexpr QRect wideCaption(int top)
{
    return twipsRect(0, top, 1095, kCellHeight);
}

constexpr QRect caption(int top)
{
    return cellRect(kCaptionLeft, top);
}

inline constexpr std::array<Caption, 24> kCaptions{{
    {"Label1", "Dakru", caption(kHeaderTop), TextStyle::CornerHeader},
    {"Label2", "Down", cellRect(columnLeft(Column::Down), kHeaderTop), TextStyle::ColumnHeader},
    {"Label3", "Down\\Up", cellRect(columnLeft(Column::DownUp), kHeaderTop), TextStyle::ColumnHeader},
    {"Label4", "Up", cellRect(columnLeft(Column::Up), kHeaderTop), TextStyle::ColumnHeader},
    {"Label5", "Call", cellRect(columnLeft(Column::Call), kHeaderTop), TextStyle::ColumnHeader},
    {"Label91", "Total", cellRect(kTotalLeft, kHeaderTop), TextStyle::ColumnHeader},
    {"Label6", "1", caption(rowTop(1)), TextStyle::RowCaption},
    {"Label11", "2", caption(rowTop(2)), TextStyle::RowCaption},
    {"Label16", "3", caption(rowTop(3)), TextStyle::RowCaption},
    {"Label21", "4", caption(rowTop(4)), TextStyle::RowCaption},
    {"Label26", "5", caption(rowTop(5)), TextStyle::RowCaption},
    {"Label31", "6", caption(rowTop(6)), TextStyle::RowCaption},
    {"Label36", "Equals", caption(sumTop(Section::Upper)), TextStyle::Equals},
    {"Label41", "Minimum", caption(rowTop(row::Minimum)), TextStyle::RowCaption},
    {"Label46", "Maximum", caption(rowTop(row::Maximum)), TextStyle::RowCaption},
    {"Label51", "Equals", caption(sumTop(Section::Middle)), TextStyle::Equals},
    {"Label56", "3 of kind", caption(rowTop(row::ThreeOfKind)), TextStyle::RowCaption},
    {"Label61", "Small Straight", wideCaption(rowTop(row::SmallStraight)), TextStyle::RowCaption},
    {"Label96", "Large Straight", wideCaption(rowTop(row::LargeStraight)), TextStyle::RowCaption},
    {"Label66", "Full house", wideCaption(rowTop(row::FullHouse)), TextStyle::RowCaption},
    {"Label71", "Poker", caption(rowTop(row::Poker)), TextStyle::RowCaption},
    {"Label76", "Dakru", caption(rowTop(row::Dakru)), TextStyle::RowCaption},
    {"Label81", "Equals", caption(sumTop(Section::Lower)), TextStyle::Equals},
    {"Label90", "Score", cellRect(columnLeft(Column::Call), kScoreRowTop), TextStyle::Score},
}};

inline constexpr QRect kZvanje = twipsRect(960, kScoreRowTop, 2535, 255);
inline constexpr QRect kRollsLeft = twipsRect(1080, 6600, 255, 255);

constexpr QRect dicePicture(int die)  // die 1 to 5
{
    return twipsRect(1560 + 720 * (die - 1), 6360, 630, 630);
}

// The hot spots over the menu words (ROLL, NEW, HIGHSCORE, INFO, EXIT) and
// where their highlight frames start out.
inline constexpr std::array<QRect, 5> kHotSpots{
    twipsRect(360, 6480, 885, 495),  twipsRect(240, 7200, 855, 375),  twipsRect(1200, 7200, 1815, 375),
    twipsRect(3120, 7200, 855, 375), twipsRect(4080, 7200, 975, 375),
};
inline constexpr std::array<QRect, 5> kHighlightFrames{
    twipsRect(240, 6600, 975, 375),  twipsRect(240, 7230, 975, 375),  twipsRect(1200, 7230, 1815, 375),
    twipsRect(3000, 7200, 975, 375), twipsRect(3960, 7200, 975, 375),
};

// Colours.
inline constexpr QColor kCaptionText{255, 255, 255};
inline constexpr QColor kCellText{192, 255, 192};
inline constexpr QColor kCellBlack{0, 0, 0};
inline constexpr QColor kCellYellow{255, 255, 0};
inline constexpr QColor kSumText{255, 255, 192};
inline constexpr QColor kDisplayText{255, 255, 128};
inline constexpr QColor kHighlight{124, 111, 244};
inline constexpr QColor kBorder{128, 128, 128};

// The grid lines, in twips.
enum class LineColour { Separator, Plain, Rule };

struct GridLine {
    int x1, y1, x2, y2;
    LineColour colour;
    int width;  // pixels
};

inline constexpr std::array<GridLine, 17> kGridLines{{
    {1800, 1920, 1800, 6030, LineColour::Separator, 1},
    {2640, 1920, 2640, 6030, LineColour::Separator, 1},
    {3480, 1920, 3480, 6030, LineColour::Separator, 1},
    {4320, 1920, 4320, 6030, LineColour::Separator, 1},
    {960, 1920, 960, 6000, LineColour::Plain, 2},
    {960, 1920, 4320, 1920, LineColour::Plain, 2},
    {5160, 1680, 5160, 1920, LineColour::Plain, 2},
    {5160, 3360, 5160, 3600, LineColour::Plain, 2},
    {5160, 4080, 5160, 4320, LineColour::Plain, 2},
    {960, 3360, 4320, 3360, LineColour::Rule, 1},
    {960, 3600, 4320, 3600, LineColour::Rule, 1},
    {960, 5760, 4320, 5760, LineColour::Rule, 1},
    {960, 6000, 4320, 6000, LineColour::Rule, 1},
    {960, 4080, 4320, 4080, LineColour::Rule, 1},
    {960, 4320, 4320, 4320, LineColour::Rule, 1},
    {960, 4080, 5160, 4080, LineColour::Rule, 1},
    {960, 4320, 5160, 4320, LineColour::Rule, 1},
}};

}  // namespace dakru::ui::layout
