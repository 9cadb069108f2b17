#pragma once

#include <string_view>

namespace dakru {

// The twelve sound cues of the game; each is a wave file in Sounds/ beside the program.
enum class Cue {
    Intro,
    MouseOver,
    Check,
    ClickYellow,
    Dice1,
    Dice2,
    Dice3,
    Dice4,
    Dice5,
    FiveOfKind,
    ScoreHigh,
    ScoreNo,
};

inline constexpr Cue kAllCues[] = {
    Cue::Intro, Cue::MouseOver, Cue::Check, Cue::ClickYellow, Cue::Dice1,     Cue::Dice2,
    Cue::Dice3, Cue::Dice4,     Cue::Dice5, Cue::FiveOfKind,  Cue::ScoreHigh, Cue::ScoreNo,
};

// File name of a cue inside the Sounds folder.
constexpr std::string_view cueFileName(Cue cue)
{
    switch (cue) {
    case Cue::Intro: return "Intro.wav";
    case Cue::MouseOver: return "MouseOver.wav";
    case Cue::Check: return "Check.wav";
    case Cue::ClickYellow: return "ClickYellow.wav";
    case Cue::Dice1: return "d1.wav";
    case Cue::Dice2: return "d2.wav";
    case Cue::Dice3: return "d3.wav";
    case Cue::Dice4: return "d4.wav";
    case Cue::Dice5: return "d5.wav";
    case Cue::FiveOfKind: return "5ofKind.wav";
    case Cue::ScoreHigh: return "ScoreHigh.wav";
    case Cue::ScoreNo: return "ScoreNo.wav";
    }
    return {};
}

}  // namespace dakru
