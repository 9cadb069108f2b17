#include "table_file.h"

#include <fstream>
#include <system_error>

namespace dakru::scores {

HighScoreTable readTable(const std::filesystem::path& file)
{
    HighScoreTable table;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    for (std::string& entry : table) {
        if (!std::getline(in, line))
            break;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        entry = entryFromLine(line);
    }
    return table;
}

std::filesystem::path temporaryFileFor(const std::filesystem::path& file)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    return temporary;
}

bool writeTable(const std::filesystem::path& file, const HighScoreTable& table)
{
    const std::filesystem::path temporary = temporaryFileFor(file);
    std::error_code ignored;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.is_open())
            return false;
        for (const std::string& entry : table)
            out << storedLine(entry) << "\r\n";
        out.flush();
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    // rename replaces an existing file, on Windows too, in one step.
    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace dakru::scores
