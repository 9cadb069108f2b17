#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "seat.h"

namespace dakru::ui::table {

// A player's line in the ranking at the end of a game at a table.
struct RankingLine {
    int place = 0;  // equal scores share a place: 1, 1, 3
    QString name;
    QString kind;  // "Person", "Computer: Strong"
    int score = 0;

    // "Place 1, Ann, person, 468 points"
    QString reading() const;
    bool operator==(const RankingLine&) const = default;
};

// The lines of a ranking, best first as the engine gives it (ties already in
// the order of play), for the players of `seats`.
std::vector<RankingLine> rankingLines(const std::vector<Seat>& seats, const std::vector<Placing>& ranking);
// Who won: "Ann wins with 468 points.", "Ann and Bob share first place with 468 points."
QString winnerHeadline(const std::vector<RankingLine>& lines);

// The ranking of every player at the end of a game at a table: the winner
// named in a headline, then every player's place, name, kind and score.
// Enter, Esc and OK close it; it is deleted once closed. Screen readers read
// the headline and every line.
class RankingWindow : public QWidget {
    Q_OBJECT

public:
    RankingWindow(const std::vector<Seat>& seats, const std::vector<Placing>& ranking, QWidget* parent = nullptr);

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace dakru::ui::table
