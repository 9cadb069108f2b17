#pragma once

#include <string>

namespace dakru::history {

// The names of a game's values, shared by the database's columns and the CSV
// header, so that an export reads like the table it came from: "row1_down",
// "minimum_call", "dakru_up"; "upper_sum_down", "lower_sum_call".
std::string cellName(int row, int column);  // row 1 to 14, column 0 to 3
std::string sumName(int section, int column);

}  // namespace dakru::history
