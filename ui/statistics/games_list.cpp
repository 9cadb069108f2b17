#include "games_list.h"

#include <QDateTime>

namespace dakru::ui::statistics {

QString localMoment(const std::string& isoUtc)
{
    const QDateTime moment = QDateTime::fromString(QString::fromStdString(isoUtc), Qt::ISODate);
    return moment.isValid() ? moment.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                            : QString::fromStdString(isoUtc);
}

GamesList::GamesList(std::vector<history::FinishedGame> games, QObject* parent)
    : QAbstractTableModel(parent),
      games_(std::move(games)),
      priced_(games_.size()),
      newestFirst_(history::newestFirst(games_)),
      lineOf_(games_.size(), -1)
{
    showPlayers(history::Players::All);
}

void GamesList::showPlayers(history::Players players)
{
    beginResetModel();
    players_ = players;
    listed_.clear();
    std::fill(lineOf_.begin(), lineOf_.end(), -1);
    for (const std::size_t place : newestFirst_) {
        if (shown(place)) {
            lineOf_[place] = static_cast<int>(listed_.size());
            listed_.push_back(place);
        }
    }
    endResetModel();
}

bool GamesList::shown(std::size_t place) const
{
    return players_ == history::Players::All || games_[place].playedAlone();
}

void GamesList::showPriced(const PricedGame& priced)
{
    if (priced.place >= priced_.size()) {
        return;
    }
    priced_[priced.place] = priced;
    if (const int line = lineOf_[priced.place]; line >= 0) {
        emit dataChanged(index(line, 0), index(line, ColumnCount - 1));
    }
}

int GamesList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(listed_.size());
}

int GamesList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString GamesList::lostText(std::size_t place) const
{
    if (!games_[place].hasRecord()) {
        return QStringLiteral("no record");
    }
    const std::optional<PricedGame>& priced = priced_[place];
    if (!priced) {
        return QStringLiteral("\u2026");
    }
    return priced->loss ? QString::number(priced->loss->lost, 'f', 1) : QStringLiteral("refused");
}

QString GamesList::sentence(std::size_t place) const
{
    const history::FinishedGame& game = games_[place];
    const int players = history::playersAt(game);
    QString line = QStringLiteral("%1, %2 points, %3: ")
                       .arg(localMoment(game.endedAt))
                       .arg(game.finalScore)
                       .arg(players == 1 ? QStringLiteral("played alone")
                                         : QStringLiteral("played at a table of %1").arg(players));
    const std::optional<PricedGame>& priced = priced_[place];
    if (!game.hasRecord()) {
        return line + QStringLiteral("no record of its decisions.");
    }
    if (!priced) {
        return line + QStringLiteral("being reviewed.");
    }
    if (!priced->loss) {
        return line + QStringLiteral("it cannot be reviewed: %1.").arg(QString::fromStdString(priced->refusal));
    }
    return line + QStringLiteral("%1 points lost.").arg(QString::number(priced->loss->lost, 'f', 1));
}

QVariant GamesList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(listed_.size())) {
        return {};
    }
    const std::size_t place = listed_[static_cast<std::size_t>(index.row())];
    const history::FinishedGame& game = games_[place];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Date: return localMoment(game.endedAt);
        case Score: return game.finalScore;
        case Players: {
            const int players = history::playersAt(game);
            return players == 1 ? QStringLiteral("alone") : QStringLiteral("table of %1").arg(players);
        }
        case Lost: return lostText(place);
        default: return {};
        }
    }
    if (role == Qt::AccessibleTextRole && index.column() == Date) {
        return sentence(place);
    }
    if (role == Qt::TextAlignmentRole && (index.column() == Score || index.column() == Lost)) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant GamesList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case Date: return QStringLiteral("Ended");
    case Score: return QStringLiteral("Score");
    case Players: return QStringLiteral("Played");
    case Lost: return QStringLiteral("Points lost");
    default: return {};
    }
}

}  // namespace dakru::ui::statistics
