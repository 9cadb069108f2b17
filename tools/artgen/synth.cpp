#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dakru::art {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::size_t sampleAt(double seconds)
{
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * kSampleRate)));
}

// Partials (frequency ratio, strength, decay time in seconds) of each timbre.
struct Partial {
    double ratio, strength, decay;
};

std::vector<Partial> partialsOf(Timbre timbre)
{
    switch (timbre) {
    case Timbre::Bell:
        return {{1.0, 1.0, 0.55}, {2.0, 0.45, 0.3}, {3.0, 0.2, 0.16}, {4.16, 0.12, 0.08}, {5.43, 0.05, 0.05}};
    case Timbre::Brass: {
        std::vector<Partial> brass;
        for (int k = 1; k <= 9; ++k)
            brass.push_back({double(k), 1.0 / k, 2.5});
        return brass;
    }
    case Timbre::Soft: break;
    }
    return {{1.0, 1.0, 1.2}, {2.0, 0.28, 0.6}, {3.0, 0.08, 0.4}};
}

double attackOf(Timbre timbre)
{
    switch (timbre) {
    case Timbre::Bell: return 0.003;
    case Timbre::Brass: return 0.025;
    case Timbre::Soft: break;
    }
    return 0.015;
}

}  // namespace

Signal silence(double seconds)
{
    return Signal(sampleAt(seconds), 0.0);
}

double midiFrequency(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void addNote(Signal& signal, const Note& note, Timbre timbre)
{
    const auto first = sampleAt(note.start);
    const auto count = sampleAt(note.duration);
    const auto partials = partialsOf(timbre);
    const double attack = attackOf(timbre);
    const double release = std::min(0.06, note.duration / 3);
    const double base = midiFrequency(note.midi);
    const bool sings = timbre != Timbre::Bell;

    std::vector<double> phase(partials.size(), 0.0);
    for (std::size_t i = 0; i < count && first + i < signal.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double along = t / note.duration;
        double frequency = base * std::pow(note.glide, along);
        // Sustained voices get a gentle vibrato once the note has settled.
        if (sings && t > 0.12)
            frequency *= 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t);

        double envelope = std::min(1.0, t / attack);
        const double untilEnd = note.duration - t;
        if (untilEnd < release)
            envelope *= untilEnd / release;
        // Brass opens up as it sounds: the upper harmonics come in after the attack.
        const double brightness = timbre == Timbre::Brass ? std::min(1.0, 0.35 + t / 0.08) : 1.0;

        double value = 0.0;
        for (std::size_t k = 0; k < partials.size(); ++k) {
            const Partial& part = partials[k];
            phase[k] += kTwoPi * frequency * part.ratio / kSampleRate;
            const double fade = std::exp(-t / part.decay);
            const double colour = std::pow(brightness, part.ratio - 1.0);
            value += part.strength * fade * colour * std::sin(phase[k]);
        }
        signal[first + i] += note.gain * envelope * value;
    }
}

void addNotes(Signal& signal, const std::vector<Note>& notes, Timbre timbre)
{
    for (const Note& note : notes)
        addNote(signal, note, timbre);
}

void addPing(Signal& signal, double start, double frequency, double decay, double gain)
{
    const auto first = sampleAt(start);
    const auto count = sampleAt(decay * 7);
    for (std::size_t i = 0; i < count && first + i < signal.size(); ++i) {
        const double t = double(i) / kSampleRate;
        // A quarter-millisecond rise keeps the ping from being a bare step.
        const double rise = std::min(1.0, t / 0.00025);
        signal[first + i] += gain * rise * std::exp(-t / decay) * std::sin(kTwoPi * frequency * t);
    }
}

void addCrack(Signal& signal, double start, double decay, double gain, Noise& noise)
{
    const auto first = sampleAt(start);
    const auto count = sampleAt(decay * 6);
    double previous = 0.0;
    for (std::size_t i = 0; i < count && first + i < signal.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double white = noise.bipolar();
        // Differencing tilts the noise towards the treble, like a hard contact.
        signal[first + i] += gain * std::exp(-t / decay) * (white - 0.6 * previous);
        previous = white;
    }
}

void addImpact(Signal& signal, double start, double gain, Noise& noise)
{
    for (int k = 0; k < 3; ++k)
        addPing(signal, start, noise.between(1900, 5600), noise.between(0.003, 0.009), gain * noise.between(0.35, 0.8));
    addPing(signal, start, noise.between(260, 480), 0.012, gain * 0.5);
    addCrack(signal, start, 0.0007, gain * 0.7, noise);
}

void finish(Signal& signal, double peak, double fadeIn, double fadeOut)
{
    // Block any offset (a decaying ring has a little), at about 17 Hz.
    double lastIn = 0.0, lastOut = 0.0;
    for (double& v : signal) {
        const double out = v - lastIn + 0.995 * lastOut;
        lastIn = v;
        lastOut = out;
        v = out;
    }

    const std::size_t n = signal.size();
    const auto in = std::max<std::size_t>(1, sampleAt(fadeIn));
    const auto out = std::max<std::size_t>(1, sampleAt(fadeOut));
    for (std::size_t i = 0; i < n; ++i) {
        double gain = 1.0;
        if (i < in)
            gain *= double(i) / in;
        if (n - 1 - i < out)
            gain *= double(n - 1 - i) / out;
        signal[i] *= gain;
    }
    double loudest = 0.0;
    for (const double v : signal)
        loudest = std::max(loudest, std::abs(v));
    if (loudest > 0.0)
        for (double& v : signal)
            v *= peak / loudest;
}

std::vector<std::int16_t> toPcm16(const Signal& signal)
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(signal.size());
    for (const double v : signal)
        pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0)));
    return pcm;
}

}  // namespace dakru::art
