#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <vector>

namespace dakru::ui::table {

// One column of a line: its caption over the list, its share of the width.
struct LineColumn {
    QString caption;
    double share = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A list of lines drawn as columns on the game's deep blue, under a row of
// captions. Screen readers hear each line as one sentence of its own. The
// arrows, Home and End move between the lines, as does a click.
class LineList : public QListWidget {
public:
    LineList(std::vector<LineColumn> columns, QWidget* parent);

    // Line `index` shows `cells` in its columns, bold when `marked`, and
    // reads as `reading`. Lines are added as needed.
    void setLine(int index, const QStringList& cells, const QString& reading, bool marked);
    // Keeps the first `count` lines.
    void setLineCount(int count);

    const std::vector<LineColumn>& columns() const { return columns_; }
    int lineHeight() const;
    // The height that shows `lines` lines and the captions without scrolling.
    int heightFor(int lines) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<LineColumn> columns_;
    QWidget* captions_ = nullptr;
};

}  // namespace dakru::ui::table
