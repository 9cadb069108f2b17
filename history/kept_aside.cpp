#include "kept_aside.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "replace_file.h"

namespace dakru::history {
namespace {

constexpr std::string_view kHeader = "dakru unrecorded games 1";
constexpr int kTexts = 6;  // identity, end, version, record, the marker of assistance, the table
constexpr std::size_t kFields = 2 + kTexts + kCells + kSections * kColumns;

// A text field: ':' and the text, with spaces, line breaks and '%' written as
// %XX, so that every field is one word and an empty one is still there.
std::string textField(const std::string& text)
{
    std::string field = ":";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || c == '%' || byte == 0x7f) {
            constexpr const char* kDigits = "0123456789ABCDEF";
            field += '%';
            field += kDigits[byte >> 4];
            field += kDigits[byte & 0xf];
        } else {
            field += c;
        }
    }
    return field;
}

std::optional<std::string> textOf(std::string_view field)
{
    if (field.empty() || field[0] != ':') {
        return std::nullopt;
    }
    std::string text;
    for (std::size_t i = 1; i < field.size(); ++i) {
        if (field[i] != '%') {
            text += field[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= field.size()) {
            return std::nullopt;
        }
        const auto [end, error] = std::from_chars(field.data() + i + 1, field.data() + i + 3, value, 16);
        if (error != std::errc() || end != field.data() + i + 3) {
            return std::nullopt;
        }
        text += static_cast<char>(value);
        i += 2;
    }
    return text;
}

std::optional<int> numberOf(std::string_view field)
{
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const std::size_t space = line.find(' ');
        words.push_back(line.substr(0, space));
        line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    }
    return words;
}

std::optional<FinishedGame> gameOf(std::string_view line)
{
    const std::vector<std::string_view> words = wordsOf(line);
    if (words.size() != kFields) {
        return std::nullopt;
    }
    FinishedGame game;
    std::size_t n = 0;
    const std::optional<std::string> id = textOf(words[n++]);
    const std::optional<std::string> endedAt = textOf(words[n++]);
    const std::optional<std::string> version = textOf(words[n++]);
    const std::optional<std::string> record = textOf(words[n++]);
    const std::optional<std::string> assisted = textOf(words[n++]);
    const std::optional<std::string> table = textOf(words[n++]);
    const std::optional<int> seconds = numberOf(words[n++]);
    const std::optional<int> score = numberOf(words[n++]);
    if (!id || !endedAt || !version || !record || !assisted || !table || !seconds || !score) {
        return std::nullopt;
    }
    game.gameId = *id;
    game.endedAt = *endedAt;
    game.version = *version;
    game.record = *record;
    game.assisted = *assisted == "assisted";
    game.table = *table;
    game.secondsPlayed = *seconds;
    game.finalScore = *score;
    for (int& value : game.cells) {
        const std::optional<int> number = numberOf(words[n++]);
        if (!number) {
            return std::nullopt;
        }
        value = *number;
    }
    for (auto& section : game.sectionSums) {
        for (int& value : section) {
            const std::optional<int> number = numberOf(words[n++]);
            if (!number) {
                return std::nullopt;
            }
            value = *number;
        }
    }
    return game;
}

// Adds the game unless one of its identity is there already.
void merge(std::vector<FinishedGame>& games, const FinishedGame& game)
{
    for (const FinishedGame& there : games) {
        if (there.gameId == game.gameId && (!game.gameId.empty() || there == game)) {
            return;
        }
    }
    games.push_back(game);
}

}  // namespace

std::string encodeKeptAside(const std::vector<FinishedGame>& games)
{
    std::string text(kHeader);
    text += '\n';
    for (const FinishedGame& game : games) {
        text += textField(game.gameId) + ' ' + textField(game.endedAt) + ' ' + textField(game.version) + ' '
                + textField(game.record) + ' ' + textField(game.assisted ? "assisted" : "alone") + ' '
                + textField(game.table) + ' ' + std::to_string(game.secondsPlayed) + ' '
                + std::to_string(game.finalScore);
        for (const int value : game.cells) {
            text += ' ' + std::to_string(value);
        }
        for (const auto& section : game.sectionSums) {
            for (const int value : section) {
                text += ' ' + std::to_string(value);
            }
        }
        text += '\n';
    }
    return text;
}

std::vector<FinishedGame> decodeKeptAside(std::string_view text)
{
    std::vector<FinishedGame> games;
    bool header = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (std::exchange(header, false)) {
            if (line != kHeader) {
                return {};  // not this program's file
            }
            continue;
        }
        if (std::optional<FinishedGame> game = gameOf(line)) {
            merge(games, *game);
        }
    }
    return games;
}

KeptAside::KeptAside(std::filesystem::path file) : file_(std::move(file)) {}

std::vector<FinishedGame> KeptAside::onDisk() const
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file_, error)) {
        return {};
    }
    std::ifstream in(file_, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return decodeKeptAside(text);
}

std::optional<storage::WriteError> KeptAside::add(const FinishedGame& game)
{
    const std::lock_guard lock(mutex_);
    merge(unwritten_, game);
    return writeUnwritten();
}

bool KeptAside::allOnDisk()
{
    const std::lock_guard lock(mutex_);
    return unwritten_.empty();
}

std::optional<storage::WriteError> KeptAside::writeAgain()
{
    const std::lock_guard lock(mutex_);
    return unwritten_.empty() ? std::nullopt : writeUnwritten();
}

std::optional<storage::WriteError> KeptAside::writeUnwritten()
{
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);  // a player's first game
    std::vector<FinishedGame> all = onDisk();
    for (const FinishedGame& waiting : unwritten_) {
        merge(all, waiting);
    }
    if (std::optional<storage::WriteError> failed = storage::replaceFile(file_, encodeKeptAside(all))) {
        return failed;
    }
    unwritten_.clear();
    return std::nullopt;
}

std::vector<FinishedGame> KeptAside::games()
{
    const std::lock_guard lock(mutex_);
    std::vector<FinishedGame> all = onDisk();
    for (const FinishedGame& waiting : unwritten_) {
        merge(all, waiting);
    }
    return all;
}

std::optional<storage::WriteError> KeptAside::remove(const std::set<std::string>& ids)
{
    const std::lock_guard lock(mutex_);
    std::erase_if(unwritten_, [&](const FinishedGame& game) { return ids.contains(game.gameId); });
    std::vector<FinishedGame> kept = onDisk();
    const std::size_t before = kept.size();
    std::erase_if(kept, [&](const FinishedGame& game) { return ids.contains(game.gameId); });
    if (kept.size() == before) {
        return std::nullopt;
    }
    if (kept.empty()) {
        std::error_code ignored;
        std::filesystem::remove(file_, ignored);
        return std::nullopt;
    }
    return storage::replaceFile(file_, encodeKeptAside(kept));
}

}  // namespace dakru::history
