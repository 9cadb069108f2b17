#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model.h"

namespace dakru::advisor {

// A learned table as text for a generated source file: each entry rounded to
// a whole number of units (`unitsPerValue` to 1), the entries not 0 as their
// distance from the one before and their value (variable-length integers),
// the bytes in base64. An entry that rounds to 0 is left out.
std::string encodeTable(const std::vector<float>& table, double unitsPerValue);

// The table back, `size` entries. Throws std::invalid_argument when the text
// is not what encodeTable writes or an entry falls outside `size`.
std::vector<float> decodeTable(std::string_view text, std::size_t size, double unitsPerValue);

// A model as the three texts the learner writes into learned_model.cpp: the
// chances of each score (to 1/10,000), the mean scores (to 1/100) and the
// corrections (to the quarter point).
struct PackedModel {
    std::string chances;
    std::string means;
    std::string corrections;
};
PackedModel packModel(const Model& model);
// A text written in pieces (a generated file keeps its string literals short) as one.
std::string joined(std::span<const std::string_view> pieces);
// Throws std::invalid_argument as decodeTable does.
Model unpackModel(std::string_view chances, std::string_view means, std::string_view corrections);

}  // namespace dakru::advisor
