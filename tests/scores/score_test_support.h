#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

#include "entry_text.h"

namespace dakru::scores::testing {

// A fresh folder under the system's temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = std::filesystem::temp_directory_path() / ("dakru-scores-" + std::to_string(random()));
            if (std::filesystem::create_directory(path_))
                return;
        }
        throw std::runtime_error("no temporary folder");
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// A full table, best first, with room between the scores.
inline const HighScoreTable kDescending{"0900 - A", "0800 - B", "0700 - C", "0600 - D", "0500 - E",
                                        "0400 - F", "0300 - G", "0200 - H", "0100 - I", "0050 - J"};

}  // namespace dakru::scores::testing
