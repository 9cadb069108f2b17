#include "csv_export.h"

#include "field_names.h"
#include "game_check.h"

namespace dakru::history {

namespace {

// A text field, quoted when it holds a comma, a quote or a line break.
std::string field(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

}  // namespace

std::string toCsv(const std::vector<FinishedGame>& games)
{
    std::string csv = "ended_at,seconds_played,final_score,assisted,version";
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            csv += ',' + cellName(row, column);
        }
    }
    for (int section = 0; section < kSections; ++section) {
        for (int column = 0; column < kColumns; ++column) {
            csv += ',' + sumName(section, column);
        }
    }
    csv += ",damaged,table\r\n";
    for (const FinishedGame& game : games) {
        csv += field(game.endedAt);
        csv += ',' + std::to_string(game.secondsPlayed);
        csv += ',' + std::to_string(game.finalScore);
        csv += game.assisted ? ",1," : ",0,";
        csv += field(game.version);
        for (const int value : game.cells) {
            csv += ',' + std::to_string(value);
        }
        for (const auto& section : game.sectionSums) {
            for (const int value : section) {
                csv += ',' + std::to_string(value);
            }
        }
        csv += intact(game) ? ",0," : ",1,";
        csv += field(game.table) + "\r\n";
    }
    return csv;
}

}  // namespace dakru::history
