#pragma once

#include <QAbstractTableModel>
#include <cstddef>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "history_reviews.h"
#include "recorded_games.h"

namespace dakru::ui::statistics {

// The games of the history as the statistics window lists them, the newest
// first: each by its date, score and table, with the points its review lost
// once it has been priced, or why it has none. Each line reads to screen
// readers as one sentence.
class GamesList final : public QAbstractTableModel {
public:
    enum Column { Date, Score, Players, Lost, ColumnCount };

    explicit GamesList(std::vector<history::FinishedGame> games, QObject* parent = nullptr);

    // All games, or those played alone.
    void showPlayers(history::Players players);
    // A game's review has been priced.
    void showPriced(const PricedGame& priced);

    // Every game in the order recorded; its review, once priced, by the same place.
    const std::vector<history::FinishedGame>& games() const { return games_; }
    const std::vector<std::optional<PricedGame>>& priced() const { return priced_; }
    // The places of the games listed, line by line.
    const std::vector<std::size_t>& listed() const { return listed_; }
    bool shown(std::size_t place) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The line as one sentence: "2026-12-07 14:30, 1043 points, played alone:
    // 52.3 points lost."
    QString sentence(std::size_t place) const;

private:
    QString lostText(std::size_t place) const;

    std::vector<history::FinishedGame> games_;
    std::vector<std::optional<PricedGame>> priced_;
    std::vector<std::size_t> newestFirst_;
    std::vector<std::size_t> listed_;
    std::vector<int> lineOf_;  // each game's line while listed, else -1
    history::Players players_ = history::Players::All;
};

// "2026-12-07 14:30" for "2026-12-07T13:30:00Z", in the player's time zone.
QString localMoment(const std::string& isoUtc);

}  // namespace dakru::ui::statistics
