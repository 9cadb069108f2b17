#include "entry_reading.h"

#include <algorithm>

namespace dakru::scores {
namespace {

std::string ordinal(int place)
{
    const int n = place + 1;
    const char* suffix = n == 1 ? "st" : n == 2 ? "nd" : n == 3 ? "rd" : "th";
    return std::to_string(n) + suffix;
}

}  // namespace

std::string entryReading(int place, std::string_view entryText)
{
    std::string reading = ordinal(place) + ", ";
    if (entryText.empty()) {
        return reading + "empty";
    }
    // "0960 - name": the score (four digits or more), then the name.
    constexpr std::string_view kSeparator = " - ";
    const std::size_t separator = entryText.find(kSeparator);
    const std::string_view score = entryText.substr(0, separator);
    if (separator == std::string_view::npos || score.size() < 4
        || !std::ranges::all_of(score, [](char c) { return c >= '0' && c <= '9'; })) {
        return reading.append(entryText);
    }
    reading.append(score);
    if (const std::string_view name = entryText.substr(separator + kSeparator.size()); !name.empty()) {
        reading.append(", ").append(name);
    }
    return reading;
}

}  // namespace dakru::scores
