#include "cue_sounds.h"

#include <algorithm>
#include <cmath>

namespace dakru::art {

namespace {

Signal intro()
{
    Signal s = silence(1.7);
    // A bell arpeggio up to the octave, answered by a warm brass chord.
    addNotes(s, {{0.00, 0.9, 72, 0.6}, {0.09, 0.9, 76, 0.6}, {0.18, 0.9, 79, 0.6}, {0.27, 1.0, 84, 0.7}}, Timbre::Bell);
    addNotes(s, {{0.40, 1.25, 60, 0.22}, {0.40, 1.25, 67, 0.18}, {0.40, 1.25, 72, 0.2}, {0.40, 1.25, 76, 0.18}},
             Timbre::Brass);
    addNotes(s, {{0.46, 0.8, 96, 0.12}, {0.53, 0.8, 100, 0.1}, {0.60, 0.9, 103, 0.1}}, Timbre::Bell);
    finish(s, 0.85, 0.002, 0.15);
    return s;
}

Signal mouseOver()
{
    Signal s = silence(0.05);
    addPing(s, 0.0, 2093, 0.007, 1.0);
    addPing(s, 0.0, 3136, 0.004, 0.3);
    finish(s, 0.4, 0.001, 0.01);
    return s;
}

Signal check()
{
    Noise noise(7);
    Signal s = silence(0.1);
    // A short wooden tock.
    addPing(s, 0.0, 1250, 0.012, 1.0);
    addPing(s, 0.0, 2870, 0.006, 0.45);
    addPing(s, 0.0, 420, 0.01, 0.35);
    addCrack(s, 0.0, 0.0006, 0.5, noise);
    finish(s, 0.7, 0.001, 0.02);
    return s;
}

Signal clickYellow()
{
    Noise noise(11);
    Signal s = silence(0.34);
    // A pen tick, then two chime notes a fourth apart: the score is in.
    addPing(s, 0.0, 1800, 0.008, 0.7);
    addCrack(s, 0.0, 0.0006, 0.4, noise);
    addNotes(s, {{0.025, 0.3, 81, 0.55}, {0.085, 0.25, 88, 0.6}}, Timbre::Bell);
    finish(s, 0.8, 0.001, 0.04);
    return s;
}

Signal rattle(int dice)
{
    const double length = rattleSeconds(dice);
    Noise noise(1000 + static_cast<std::uint32_t>(dice));
    Signal s = silence(length);

    // The dice tumble out of the cup: light, quick knocks, denser with more dice.
    const int knocks = 3 + 4 * dice;
    for (int k = 0; k < knocks; ++k)
        addImpact(s, noise.between(0.0, 0.4 * length), noise.between(0.15, 0.45), noise);

    // Each die lands, bounces ever lower, then rolls with a quick chatter that
    // dies away as it comes to rest. The dice settle one after another, the
    // last one just before the sound ends.
    for (int d = 0; d < dice; ++d) {
        const double rest = length - (d == 0 ? 0.025 : noise.between(0.03, 0.2 * length));
        double t = noise.between(0.15, 0.35) * length;
        double gap = noise.between(0.05, 0.075);
        double gain = noise.between(0.8, 1.0);
        for (int bounce = 0; bounce < 4 && t < rest; ++bounce) {
            addImpact(s, t, gain, noise);
            t += gap;
            gap *= 0.72;
            gain *= 0.7;
        }
        const double rolling = std::max(rest - t, 0.01);
        while (t < rest) {
            addImpact(s, t, 0.12 + 0.4 * (rest - t) / rolling, noise);
            t += noise.between(0.014, 0.026);
        }
    }
    // Gentle saturation evens out the spiky impacts, so the rattle sounds full
    // rather than faint next to the other cues.
    double loudest = 0.0;
    for (const double v : s)
        loudest = std::max(loudest, std::abs(v));
    for (double& v : s)
        v = std::tanh(1.6 * v / loudest);
    finish(s, 0.9, 0.002, 0.02);
    return s;
}

Signal fiveOfKind()
{
    Signal s = silence(1.55);
    // A brass call rising to a held top note, with sparkling bells on it.
    addNotes(s,
             {{0.00, 0.12, 67, 0.8},
              {0.12, 0.12, 72, 0.8},
              {0.24, 0.12, 76, 0.8},
              {0.36, 0.22, 79, 0.9},
              {0.60, 0.11, 76, 0.8},
              {0.72, 0.8, 84, 1.0},
              {0.72, 0.8, 76, 0.45},
              {0.72, 0.8, 72, 0.45},
              {0.72, 0.8, 60, 0.35}},
             Timbre::Brass);
    addNotes(s, {{0.74, 0.7, 91, 0.25}, {0.80, 0.7, 96, 0.22}, {0.86, 0.65, 100, 0.2}, {0.92, 0.6, 103, 0.2}},
             Timbre::Bell);
    finish(s, 0.9, 0.002, 0.12);
    return s;
}

Signal scoreHigh()
{
    Signal s = silence(1.35);
    std::vector<Note> run;
    run.reserve(8);
    const int steps[] = {72, 74, 76, 79, 81, 84, 88, 91};
    for (int i = 0; i < 8; ++i)
        run.push_back({0.07 * i, 0.5, steps[i], 0.55 - 0.03 * i});
    addNotes(s, run, Timbre::Bell);
    addNotes(s, {{0.62, 0.7, 84, 0.5}, {0.62, 0.7, 88, 0.45}, {0.62, 0.7, 91, 0.45}}, Timbre::Bell);
    addNotes(s, {{0.60, 0.72, 60, 0.25}, {0.60, 0.72, 67, 0.2}}, Timbre::Soft);
    finish(s, 0.85, 0.002, 0.12);
    return s;
}

Signal scoreNo()
{
    Signal s = silence(0.8);
    // Three falling notes, the last one sagging.
    addNotes(s, {{0.00, 0.2, 67, 0.8}, {0.2, 0.2, 63, 0.8}, {0.4, 0.4, 60, 0.9, 0.94}}, Timbre::Soft);
    finish(s, 0.6, 0.003, 0.08);
    return s;
}

}  // namespace

double rattleSeconds(int dice)
{
    return 0.3 + 0.15 * (std::clamp(dice, 1, 5) - 1);
}

Signal cueSound(Cue cue)
{
    switch (cue) {
    case Cue::Intro: return intro();
    case Cue::MouseOver: return mouseOver();
    case Cue::Check: return check();
    case Cue::ClickYellow: return clickYellow();
    case Cue::Dice1: return rattle(1);
    case Cue::Dice2: return rattle(2);
    case Cue::Dice3: return rattle(3);
    case Cue::Dice4: return rattle(4);
    case Cue::Dice5: return rattle(5);
    case Cue::FiveOfKind: return fiveOfKind();
    case Cue::ScoreHigh: return scoreHigh();
    case Cue::ScoreNo: return scoreNo();
    }
    return {};
}

}  // namespace dakru::art
