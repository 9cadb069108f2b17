#include "stored_record.h"

#include "game_record_codec.h"

namespace dakru::review {

StoredRecord readStoredRecord(std::string_view text)
{
    if (text.empty()) {
        return {std::nullopt, "it has no record of its decisions (it was played before Dakru kept them)"};
    }
    DecodedGameRecord decoded = decodeGameRecord(text);
    if (decoded.record) {
        return {std::move(decoded.record), {}};
    }
    if (decoded.otherVersion) {
        return {std::nullopt, "its record was written by another version of Dakru (" + decoded.error + ")"};
    }
    return {std::nullopt, "its record cannot be read (" + decoded.error + ")"};
}

Reviewed reviewStored(std::string_view recordText, const Sheet& finalSheet, advisor::Advisor& advisor,
                      const Progress& progress)
{
    StoredRecord stored = readStoredRecord(recordText);
    if (!stored.record) {
        return {std::nullopt, std::move(stored.refusal)};
    }
    return reviewGame(*stored.record, finalSheet, advisor, progress);
}

}  // namespace dakru::review
