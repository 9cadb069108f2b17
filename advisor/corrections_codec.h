#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dakru::advisor {

// The learned corrections as text for a generated source file: the entries
// not 0 in quarter points, each as its distance from the one before and its
// value (variable-length integers), the bytes in base64. Values between
// -1/8 and 1/8 are left out; they move no decision.
std::string encodeCorrections(const std::vector<float>& corrections);

// The corrections back, `size` entries. Throws std::invalid_argument when the
// text is not what encodeCorrections writes or an entry falls outside `size`.
std::vector<float> decodeCorrections(std::string_view text, std::size_t size);

}  // namespace dakru::advisor
