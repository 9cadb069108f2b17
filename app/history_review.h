#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace dakru::app {

// dakru --review [N]: prints the review of the N-th last finished game of the
// history in the player's folder that has a record of its decisions (1, the
// last) as text: which game it is, the headline figures, then one line per
// costly decision. The history is only read. The program's exit status: 0
// when printed; 1, with one line on standard error, when the history cannot
// be read, has no such game, or the game's record cannot be reviewed.
// `wait`: how long a history busy in another copy is waited for.
int printReview(const std::filesystem::path& playerFolder, int n,
                std::chrono::milliseconds wait = std::chrono::seconds(5));

// "last", "2nd last", "3rd last", "11th last": the n-th game counted back.
std::string countedBack(int n);

}  // namespace dakru::app
