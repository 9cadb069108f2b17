#include "game_record_codec.h"

#include <charconv>
#include <vector>

#include "reachable.h"

namespace dakru {
namespace {

constexpr std::string_view kHeader = "Dakru game record ";
constexpr std::string_view kStart = "start";
constexpr int kStartLines = 7;     // four columns, the dice, the rolls, the call
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

std::optional<Column> columnOf(std::string_view key)
{
    for (const Column column : kColumns) {
        if (key == columnKey(column)) {
            return column;
        }
    }
    return std::nullopt;
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

void encodeStart(const GameState& start, std::string& text)
{
    text += std::string(kStart) + '\n';
    for (const Column column : kColumns) {
        text += columnKey(column);
        for (const Cell& cell : start.cells[index(column)]) {
            text += ' ' + numberText(cell.value);
        }
        text += '\n';
    }
    text += "dice";
    for (const Die& die : start.dice) {
        text += ' ' + numberText(die.face) + (die.held ? "h" : "");
    }
    text += "\nrolls " + std::to_string(start.RollCount.value_or(0)) + "\ncall "
            + std::to_string(start.CalledRow.value_or(0)) + '\n';
}

void encodeEvent(const RecordedEvent& event, std::string& text)
{
    switch (event.move) {
    case RecordedMove::Roll:
        text += 'r';
        for (int n = 0; n < kDiceCount; ++n) {
            text += ' ' + std::to_string(event.faces[n]) + (event.held[n] ? "h" : "");
        }
        break;
    case RecordedMove::Call: text += "c " + std::to_string(event.row); break;
    case RecordedMove::Write:
        text += "w " + std::string(columnKey(event.column)) + ' ' + std::to_string(event.row);
        break;
    case RecordedMove::Undo: text += 'u'; break;
    case RecordedMove::Hint: text += 'h'; break;
    }
    text += '\n';
}

// The start position from its seven lines, or none when they are damaged
// (`damagedLine` says which of them, from 0).
std::optional<GameState> decodeStart(const std::vector<std::string_view>& lines, int& damagedLine)
{
    GameState start;
    for (const Column column : kColumns) {
        damagedLine = index(column);
        const auto cells = values(lines[damagedLine], columnKey(column), kRowCount);
        if (!cells) {
            return std::nullopt;
        }
        for (int row = 0; row < kRowCount; ++row) {
            if (!parseOptional((*cells)[row], 0, kMaxCellValue, start.cells[index(column)][row].value)) {
                return std::nullopt;
            }
        }
    }
    damagedLine = 4;
    const auto dice = values(lines[damagedLine], "dice", kDiceCount);
    if (!dice) {
        return std::nullopt;
    }
    for (int n = 0; n < kDiceCount; ++n) {
        std::string_view word = (*dice)[n];
        start.dice[n].held = takeSuffix(word, 'h');
        if (!parseOptional(word, 1, 6, start.dice[n].face)) {
            return std::nullopt;
        }
        start.DiceFaces[n] = start.dice[n].face.value_or(0);
    }
    damagedLine = 5;
    const auto rolls = values(lines[damagedLine], "rolls", 1);
    start.RollCount = rolls ? parseInt((*rolls)[0], 0, 3) : std::nullopt;
    if (!start.RollCount) {
        return std::nullopt;
    }
    damagedLine = 6;
    const auto call = values(lines[damagedLine], "call", 1);
    start.CalledRow = call ? parseInt((*call)[0], 0, kRowCount) : std::nullopt;
    if (!start.CalledRow) {
        return std::nullopt;
    }
    damagedLine = -1;
    markByTheRules(start);
    return start;
}

std::optional<RecordedEvent> decodeEvent(std::string_view line)
{
    const std::vector<std::string_view> words = split(line, ' ');
    RecordedEvent event;
    if (words[0] == "r" && words.size() == kDiceCount + 1) {
        event.move = RecordedMove::Roll;
        for (int n = 0; n < kDiceCount; ++n) {
            std::string_view word = words[n + 1];
            event.held[n] = takeSuffix(word, 'h');
            const std::optional<int> face = parseInt(word, 1, 6);
            if (!face) {
                return std::nullopt;
            }
            event.faces[n] = *face;
        }
        return event;
    }
    if (words[0] == "c" && words.size() == 2) {
        event.move = RecordedMove::Call;
        event.row = parseInt(words[1], 1, kRowCount).value_or(0);
        return event.row > 0 ? std::optional(event) : std::nullopt;
    }
    if (words[0] == "w" && words.size() == 3) {
        const std::optional<Column> column = columnOf(words[1]);
        event.move = RecordedMove::Write;
        event.column = column.value_or(Column::Down);
        event.row = parseInt(words[2], 1, kRowCount).value_or(0);
        return column && event.row > 0 ? std::optional(event) : std::nullopt;
    }
    if (words.size() == 1 && (words[0] == "u" || words[0] == "h")) {
        event.move = words[0] == "u" ? RecordedMove::Undo : RecordedMove::Hint;
        return event;
    }
    return std::nullopt;
}

}  // namespace

std::string encodeGameRecord(const GameRecord& record)
{
    std::string text = std::string(kHeader) + std::to_string(kGameRecordVersion) + '\n';
    if (record.start) {
        encodeStart(*record.start, text);
    }
    for (const RecordedEvent& event : record.events) {
        encodeEvent(event, text);
    }
    return text;
}

DecodedGameRecord decodeGameRecord(std::string_view text)
{
    std::vector<std::string_view> lines = split(text, '\n');
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();  // the last line's end
    }
    for (std::string_view& line : lines) {
        takeSuffix(line, '\r');
    }
    if (lines.empty() || !lines[0].starts_with(kHeader)) {
        return {std::nullopt, "not a game record"};
    }
    const std::optional<int> version = parseInt(lines[0].substr(kHeader.size()), 0, 1'000'000);
    if (!version) {
        return {std::nullopt, "damaged header"};
    }
    if (*version != kGameRecordVersion) {
        return {std::nullopt,
                "version " + std::to_string(*version) + ", this program reads version "
                    + std::to_string(kGameRecordVersion),
                true};
    }
    const auto damaged = [](std::size_t line) {
        return DecodedGameRecord{std::nullopt, "damaged at line " + std::to_string(line + 1)};
    };

    GameRecord record;
    std::size_t next = 1;
    if (lines.size() > 1 && lines[1] == kStart) {
        if (lines.size() < 2 + kStartLines) {
            return damaged(lines.size());
        }
        int damagedLine = -1;
        record.start = decodeStart({lines.begin() + 2, lines.begin() + 2 + kStartLines}, damagedLine);
        if (!record.start) {
            return damaged(2 + damagedLine);
        }
        if (!reachable(*record.start)) {
            return {std::nullopt, "a start no play can reach"};
        }
        next = 2 + kStartLines;
    }
    record.events.reserve(lines.size() - next);
    for (; next < lines.size(); ++next) {
        const std::optional<RecordedEvent> event = decodeEvent(lines[next]);
        if (!event) {
            return damaged(next);
        }
        record.events.push_back(*event);
    }
    return {record, {}};
}

}  // namespace dakru
