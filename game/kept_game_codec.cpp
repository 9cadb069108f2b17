#include "kept_game_codec.h"

#include <charconv>
#include <vector>

#include "game_record_codec.h"
#include "game_state_codec.h"
#include "reachable.h"

namespace dakru {
namespace {

constexpr std::string_view kRecordHeader = "Dakru game record ";
constexpr std::string_view kTableHeader = "Dakru kept table ";
constexpr std::string_view kPlayer = "player ";

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The text cut into lines, each with its end.
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

std::string_view withoutEnd(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

// "person NAME" or "computer KEY NAME".
std::optional<Seat> seatOf(std::string_view line)
{
    if (line.starts_with("person ")) {
        return Seat{std::string(line.substr(7)), std::nullopt};
    }
    if (line.starts_with("computer ")) {
        line.remove_prefix(9);
        const std::size_t space = line.find(' ');
        if (space == 0 || space == std::string_view::npos) {
            return std::nullopt;
        }
        return Seat{std::string(line.substr(space + 1)), std::string(line.substr(0, space))};
    }
    return std::nullopt;
}

// Where the record's header line begins, or the end of the text.
std::size_t recordStart(std::string_view text)
{
    for (std::size_t line = 0; line < text.size();) {
        if (text.substr(line).starts_with(kRecordHeader)) {
            return line;
        }
        const std::size_t end = text.find('\n', line);
        if (end == std::string_view::npos) {
            break;
        }
        line = end + 1;
    }
    return text.size();
}

// Players take whole turns in order: those before the one to play have
// written one cell more than that player, those after as many, and only the
// player to play can be inside a turn; a finished table has every sheet full.
bool reachable(const TableGames& table)
{
    const auto seats = static_cast<int>(table.seats.size());
    if (seats < 2 || seats > kMostSeats || table.turn < 0 || table.turn >= seats) {
        return false;
    }
    const int written = writtenCells(table.games[table.turn].cells);
    for (int seat = 0; seat < seats; ++seat) {
        const GameState& game = table.games[seat];
        const int expected = written == kCellCount || seat >= table.turn ? written : written + 1;
        if (writtenCells(game.cells) != expected || (seat != table.turn && game.RollCount.value_or(0) != 0)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string encodeKeptGame(const GameState& state, const GameRecord& record)
{
    return encodeGameState(state) + encodeGameRecord(record);
}

DecodedKeptGame decodeKeptGame(std::string_view text)
{
    const std::size_t split = recordStart(text);
    DecodedGameState decoded = decodeGameState(text.substr(0, split));
    DecodedKeptGame kept{decoded.state, std::move(decoded.error), decoded.otherVersion, {}, {}};
    if (!kept.state || split == text.size()) {
        return kept;
    }
    DecodedGameRecord record = decodeGameRecord(text.substr(split));
    kept.record = std::move(record.record);
    kept.recordError = std::move(record.error);
    return kept;
}

std::string encodeKeptTable(const TableGames& table)
{
    std::string text =
        std::string(kTableHeader) + std::to_string(kKeptTableVersion) + "\nturn " + std::to_string(table.turn) + '\n';
    for (std::size_t seat = 0; seat < table.seats.size(); ++seat) {
        const Seat& player = table.seats[seat];
        text += std::string(kPlayer) + (player.computer ? "computer " + *player.computer + ' ' : "person ")
                + player.name + '\n' + encodeKeptGame(table.games[seat], table.records[seat]);
    }
    return text;
}

bool isKeptTable(std::string_view text)
{
    return text.starts_with(kTableHeader);
}

DecodedKeptTable decodeKeptTable(std::string_view text)
{
    const std::vector<std::string_view> lines = linesOf(text);
    const auto damaged = [](std::size_t line) {
        return DecodedKeptTable{std::nullopt, "damaged at line " + std::to_string(line + 1)};
    };
    if (lines.empty() || !isKeptTable(lines[0])) {
        return {std::nullopt, "not a kept table"};
    }
    const std::optional<int> version = number(withoutEnd(lines[0]).substr(kTableHeader.size()));
    if (!version) {
        return {std::nullopt, "damaged header"};
    }
    if (*version != kKeptTableVersion) {
        return {
            std::nullopt,
            "version " + std::to_string(*version) + ", this program reads version " + std::to_string(kKeptTableVersion),
            true};
    }
    TableGames table;
    const std::string_view turnLine = lines.size() > 1 ? withoutEnd(lines[1]) : std::string_view();
    const std::optional<int> turn = turnLine.starts_with("turn ") ? number(turnLine.substr(5)) : std::nullopt;
    if (!turn) {
        return damaged(1);
    }
    table.turn = *turn;
    for (std::size_t line = 2; line < lines.size();) {
        const std::string_view head = withoutEnd(lines[line]);
        const std::optional<Seat> seat = head.starts_with(kPlayer) ? seatOf(head.substr(kPlayer.size())) : std::nullopt;
        if (!seat) {
            return damaged(line);
        }
        std::size_t end = line + 1;
        std::string game;
        while (end < lines.size() && !lines[end].starts_with(kPlayer)) {
            game += lines[end++];
        }
        DecodedKeptGame decoded = decodeKeptGame(game);
        if (!decoded.state || !decoded.record) {
            return damaged(line + 1);
        }
        table.seats.push_back(*seat);
        table.games.push_back(*decoded.state);
        table.records.push_back(std::move(*decoded.record));
        line = end;
    }
    if (!reachable(table)) {
        return {std::nullopt, "not a table that play can reach"};
    }
    return {std::move(table), {}};
}

}  // namespace dakru
