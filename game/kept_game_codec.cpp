#include "kept_game_codec.h"

#include "game_record_codec.h"
#include "game_state_codec.h"

namespace dakru {
namespace {

constexpr std::string_view kRecordHeader = "Dakru game record ";

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

}  // namespace

std::string encodeKeptGame(const GameState& state, const GameRecord& record)
{
    return encodeGameState(state) + encodeGameRecord(record);
}

DecodedKeptGame decodeKeptGame(std::string_view text)
{
    const std::size_t split = recordStart(text);
    DecodedGameState decoded = decodeGameState(text.substr(0, split));
    DecodedKeptGame kept{std::move(decoded.state), std::move(decoded.error), decoded.otherVersion, {}, {}};
    if (!kept.state || split == text.size()) {
        return kept;
    }
    DecodedGameRecord record = decodeGameRecord(text.substr(split));
    kept.record = std::move(record.record);
    kept.recordError = std::move(record.error);
    return kept;
}

}  // namespace dakru
