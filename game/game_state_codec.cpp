#include "game_state_codec.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "reachable.h"

namespace dakru {
namespace {

constexpr std::string_view kHeader = "Dakru kept game ";
constexpr int kLineCount = 10;
constexpr int kMaxCellValue = 80;  // five sixes in the Dakru row

constexpr std::string_view columnKey(Column column)
{
    switch (column) {
    case Column::Down: return "Down";
    case Column::DownUp: return "DownUp";
    case Column::Up: return "Up";
    case Column::Call: return "Call";
    }
    return {};
}

std::string numberText(std::optional<int> value)
{
    return value ? std::to_string(*value) : std::string("-");
}

// Whole decimal number in [low, high], nothing else.
std::optional<int> parseInt(std::string_view text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// "-" for unset, else as parseInt; false when it is neither.
bool parseOptional(std::string_view text, int low, int high, std::optional<int>& out)
{
    if (text == "-") {
        out.reset();
        return true;
    }
    out = parseInt(text, low, high);
    return out.has_value();
}

// Strips a one-letter suffix; true when it was there.
bool takeSuffix(std::string_view& text, char suffix)
{
    if (!text.empty() && text.back() == suffix) {
        text.remove_suffix(1);
        return true;
    }
    return false;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// The values of a "key v1 v2 ..." line, when it has that key and that many values.
std::optional<std::vector<std::string_view>> values(std::string_view line, std::string_view key, std::size_t count)
{
    std::vector<std::string_view> words = split(line, ' ');
    if (words.size() != count + 1 || words.front() != key) {
        return std::nullopt;
    }
    words.erase(words.begin());
    return words;
}

// The lines after the tenth, each there only when it says something and then
// once, in this order: "game <id>", "assisted 1" (a hint was shown: the one
// such line of the first version), "taken 1" (the table has taken the score).
bool readOptionalLines(const std::vector<std::string_view>& lines, int version, GameState& state)
{
    std::size_t next = kLineCount;
    const auto take = [&](std::string_view key, auto&& read) {
        if (next < lines.size()) {
            if (const auto words = values(lines[next], key, 1); words && read((*words)[0])) {
                ++next;
            }
        }
    };
    const auto flag = [](bool& out) {
        return [&out](std::string_view word) {
            out = word == "1";
            return word == "0" || word == "1";
        };
    };
    if (version >= 2) {
        take("game", [&](std::string_view word) {
            state.id = GameId::fromText(word);
            return state.id.has_value();
        });
    }
    take("assisted", flag(state.assisted));
    if (version >= 2) {
        take("taken", flag(state.scoreTaken));
    }
    return next == lines.size();
}

}  // namespace

std::string encodeGameState(const GameState& state)
{
    std::string text = std::string(kHeader) + std::to_string(kGameStateVersion) + '\n';
    for (const Column column : kColumns) {
        text += columnKey(column);
        for (const Cell& cell : state.cells[index(column)]) {
            text += ' ' + numberText(cell.value) + (cell.marked ? "*" : "");
        }
        text += '\n';
    }
    text += "dice";
    for (const Die& die : state.dice) {
        text += ' ' + numberText(die.face) + (die.held ? "h" : "");
    }
    text += "\nfaces";
    for (const std::optional<int>& face : state.DiceFaces) {
        text += ' ' + numberText(face);
    }
    text += "\nrolls " + numberText(state.RollCount) + "\ncall " + numberText(state.CalledRow) + "\nplaying "
            + (state.rollVisible ? "1" : "0") + '\n';
    // The lines after the tenth are there only when they say something.
    if (state.id) {
        text += "game " + state.id->text() + '\n';
    }
    if (state.assisted) {
        text += "assisted 1\n";
    }
    if (state.scoreTaken) {
        text += "taken 1\n";
    }
    return text;
}

DecodedGameState decodeGameState(std::string_view text)
{
    std::vector<std::string_view> lines = split(text, '\n');
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();  // the last line's end
    }
    for (std::string_view& line : lines) {
        takeSuffix(line, '\r');
    }
    if (lines.empty() || !lines[0].starts_with(kHeader)) {
        return {std::nullopt, "not a kept game"};
    }
    const std::optional<int> version = parseInt(lines[0].substr(kHeader.size()), 0, 1'000'000);
    if (!version) {
        return {std::nullopt, "damaged header"};
    }
    if (*version < kOldestGameStateVersion || *version > kGameStateVersion) {
        return {std::nullopt,
                "version " + std::to_string(*version) + ", this program reads versions "
                    + std::to_string(kOldestGameStateVersion) + " to " + std::to_string(kGameStateVersion),
                true};
    }
    const auto damaged = [](int line) {
        return DecodedGameState{std::nullopt, "damaged at line " + std::to_string(line)};
    };
    if (lines.size() < kLineCount) {
        return damaged(static_cast<int>(lines.size()) + 1);
    }

    GameState state;
    for (const Column column : kColumns) {
        const int line = index(column) + 1;
        const auto cells = values(lines[line], columnKey(column), kRowCount);
        if (!cells) {
            return damaged(line + 1);
        }
        for (int row = 0; row < kRowCount; ++row) {
            std::string_view word = (*cells)[row];
            Cell& cell = state.cells[index(column)][row];
            cell.marked = takeSuffix(word, '*');
            if (!parseOptional(word, 0, kMaxCellValue, cell.value)) {
                return damaged(line + 1);
            }
        }
    }
    const auto dice = values(lines[5], "dice", kDiceCount);
    const auto faces = values(lines[6], "faces", kDiceCount);
    if (!dice) {
        return damaged(6);
    }
    if (!faces) {
        return damaged(7);
    }
    for (int n = 0; n < kDiceCount; ++n) {
        std::string_view word = (*dice)[n];
        state.dice[n].held = takeSuffix(word, 'h');
        if (!parseOptional(word, 1, 6, state.dice[n].face)) {
            return damaged(6);
        }
        if (!parseOptional((*faces)[n], 0, 6, state.DiceFaces[n])) {
            return damaged(7);
        }
    }
    const auto rolls = values(lines[7], "rolls", 1);
    if (!rolls || !parseOptional((*rolls)[0], 0, 3, state.RollCount)) {
        return damaged(8);
    }
    const auto call = values(lines[8], "call", 1);
    if (!call || !parseOptional((*call)[0], 0, kRowCount, state.CalledRow)) {
        return damaged(9);
    }
    const auto playing = values(lines[9], "playing", 1);
    const std::optional<int> marker = playing ? parseInt((*playing)[0], 0, 1) : std::nullopt;
    if (!marker) {
        return damaged(10);
    }
    state.rollVisible = *marker == 1;
    if (!readOptionalLines(lines, *version, state)) {
        return damaged(kLineCount + 1);
    }
    // The marks are those the rules give the position; a file that marks
    // other cells, or holds a position no play leads to, is not taken.
    if (!reachable(state)) {
        return {std::nullopt, "a game no play can reach"};
    }
    return {state, {}};
}

}  // namespace dakru
