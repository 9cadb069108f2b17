#include "entry_text.h"

#include <algorithm>

#include "cp1252.h"

namespace dakru::scores {
namespace {

// The places as the place messages name them.
constexpr std::array<std::string_view, kEntryCount> kPlaceWords{"1st", "2nd", "3rd", "4th", "5th",
                                                                "6th", "7th", "8th", "9th", "last"};

constexpr std::array<std::string_view, kEntryCount> kPlaceMessages{
    "Congratiulations ! You are the 1st one",
    "Congratiulations ! You are the 2nd one",
    "Congratiulations ! You are the 3rd one",
    "You are the 4th one",
    "You are the 5th one",
    "You are the 6th one",
    "You are the 7th one",
    "You are the 8th one",
    "You are the 9th one",
    "You are the last one",
};

std::u32string firstReversed(std::u32string text)
{
    if (text.size() > kStoredLength)
        text.resize(kStoredLength);
    std::reverse(text.begin(), text.end());
    return text;
}

}  // namespace

std::string storedLine(std::string_view entryText)
{
    std::u32string line = firstReversed(decodeUtf8(entryText));
    std::replace(line.begin(), line.end(), U'\r', U'?');
    std::replace(line.begin(), line.end(), U'\n', U'?');
    return toCp1252(line);
}

std::string entryFromLine(std::string_view line)
{
    return encodeUtf8(firstReversed(fromCp1252(line)));
}

std::optional<int> entryScore(std::string_view entryText)
{
    if (entryText.size() < 4)
        return std::nullopt;
    int score = 0;
    for (char c : entryText.substr(0, 4)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        score = score * 10 + (c - '0');
    }
    return score;
}

std::optional<int> findPlace(const HighScoreTable& table, int finalScore)
{
    for (int k = 0; k < kEntryCount; ++k) {
        const std::optional<int> score = entryScore(table[k]);
        if (!score || finalScore > *score)
            return k;
    }
    return std::nullopt;
}

std::string ScoreText(int finalScore)
{
    std::string digits = std::to_string(finalScore < 0 ? -finalScore : finalScore);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return finalScore < 0 ? "-" + digits : digits;
}

std::string EntryText(int finalScore, std::string_view name)
{
    return ScoreText(finalScore) + " - " + std::string(name);
}

std::string namePrompt(int place)
{
    return std::string(kPlaceMessages.at(static_cast<std::size_t>(place))) + "\r\nEnter your name";
}

std::string placeTakenMessage(std::optional<int> placeNow)
{
    const std::string meanwhile = "Another game's score went into the table while you typed your name. ";
    if (!placeNow)
        return meanwhile + "Yours no longer makes the table.";
    return meanwhile + "You are now the " + std::string(kPlaceWords.at(static_cast<std::size_t>(*placeNow))) + " one.";
}

}  // namespace dakru::scores
