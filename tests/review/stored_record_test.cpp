// A record as the history keeps it, read back for the review: one that cannot
// be read is refused with its reason, never a crash, like one that does not
// reach its sheet.

#include <gtest/gtest.h>

#include "game_record_codec.h"
#include "self_play.h"
#include "stored_record.h"

namespace dakru::review {
namespace {

TEST(StoredRecord, ARecordThatCannotBeReadIsRefusedWithItsReason)
{
    advisor::GreedyPlayer greedy;
    const advisor::PlayedGame game = advisor::playGame(greedy, 5);
    const std::string text = encodeGameRecord(game.record);
    std::string damaged = text;
    damaged.insert(damaged.find("\nr ") + 1, "x");
    const struct {
        std::string text;
        const char* refusal;  // none for a record read back
    } cases[] = {
        {text, nullptr},
        {"", "it has no record of its decisions (it was played before Dakru kept them)"},
        {"a letter home\n", "its record cannot be read (not a game record)"},
        {"Dakru game record 9\nr 1 2 3 4 5\n",
         "its record was written by another version of Dakru (version 9, this program reads version 1)"},
        {damaged, "its record cannot be read (damaged at line 2)"},
    };
    for (const auto& c : cases) {
        const StoredRecord stored = readStoredRecord(c.text);
        if (c.refusal == nullptr) {
            ASSERT_TRUE(stored.record) << stored.refusal;
            EXPECT_EQ(*stored.record, game.record);
        } else {
            EXPECT_FALSE(stored.record);
            EXPECT_EQ(stored.refusal, c.refusal);
        }
    }

    advisor::Advisor advisor;
    const Reviewed whole = reviewStored(text, game.sheet, advisor);
    ASSERT_TRUE(whole.review) << whole.refusal;
    EXPECT_EQ(whole.review->finalScore, game.finalScore);
    EXPECT_EQ(reviewStored("", game.sheet, advisor).refusal, cases[1].refusal);
    Sheet other = game.sheet;
    other[index(Column::Call)][0].value = *other[index(Column::Call)][0].value + 1;
    const Reviewed refused = reviewStored(text, other, advisor);
    EXPECT_FALSE(refused.review);
    EXPECT_FALSE(refused.refusal.empty());
}

}  // namespace
}  // namespace dakru::review
