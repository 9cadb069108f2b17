#pragma once

#include <string>
#include <string_view>

namespace dakru::scores {

// What a screen reader says for place 0 to 9 of the table: "1st, 0960, name",
// "2nd, empty" for an empty place, and a damaged entry as it stands.
std::string entryReading(int place, std::string_view entryText);

}  // namespace dakru::scores
