#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dakru::scores {

inline constexpr int kEntryCount = 10;
// A stored line keeps this many characters of its entry text.
inline constexpr std::size_t kStoredLength = 30;

// The ten entry texts ("0987 - Ann"), UTF-8, best first; an empty text is an
// empty place.
using HighScoreTable = std::array<std::string, kEntryCount>;

// An entry text as a line of the file: its first 30 characters in reverse
// order, in Windows-1252, without the line end. A line break inside a name
// would split the line in two, so it is stored as "?" like any character the
// code page lacks.
std::string storedLine(std::string_view entryText);

// The entry text of a stored line: its first 30 characters, turned back round.
std::string entryFromLine(std::string_view line);

// The score at the head of an entry text: its first four characters when all
// four are digits. Anything else (an empty place, a damaged line) has no score
// and is passed by every finished game.
std::optional<int> entryScore(std::string_view entryText);

// The place (0 = best) that a finished game's score takes: the first entry it
// beats strictly, so ties go below the entries already there. None when it
// beats none of the ten.
std::optional<int> findPlace(const HighScoreTable& table, int finalScore);

// The score as it heads an entry: at least four digits, zeros in front.
std::string ScoreText(int finalScore);

// "0087 - name".
std::string EntryText(int finalScore, std::string_view name);

// The name prompt for place 0 to 9: the place message, CR LF, "Enter your name".
std::string namePrompt(int place);

// Said when another copy of the game took the promised place while the name
// was asked: the place the score got instead (0 to 9), or none.
std::string placeTakenMessage(std::optional<int> placeNow);

}  // namespace dakru::scores
