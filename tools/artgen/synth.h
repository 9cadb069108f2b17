#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

// A tiny synthesiser for the game's sound cues: notes of a few timbres, and the
// impacts of small hard objects for the dice.
namespace dakru::art {

inline constexpr int kSampleRate = 22050;
using Signal = std::vector<double>;

// Reproducible noise. The standard fixes every output of mt19937 for a given
// seed, but not what its distributions make of them, so we scale it ourselves.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : engine_(seed) {}
    double uniform() { return static_cast<double>(engine_() >> 8) / 16777216.0; }
    double between(double low, double high) { return low + (high - low) * uniform(); }
    double bipolar() { return between(-1.0, 1.0); }

private:
    std::mt19937 engine_;
};

enum class Timbre { Bell, Brass, Soft };

struct Note {
    double start;     // seconds
    double duration;  // seconds, release included
    int midi;         // 60 is middle C
    double gain = 1.0;
    double glide = 1.0;  // frequency ratio reached by the end of the note
};

Signal silence(double seconds);
double midiFrequency(int midi);

void addNote(Signal& signal, const Note& note, Timbre timbre);
void addNotes(Signal& signal, const std::vector<Note>& notes, Timbre timbre);

// A damped ring at `frequency`, starting at full strength: clicks and ticks.
void addPing(Signal& signal, double start, double frequency, double decay, double gain);
// A burst of noise a millisecond or two long: the crack of a hard contact.
void addCrack(Signal& signal, double start, double decay, double gain, Noise& noise);
// A die striking the table: a few bright resonances of the cube, a body thud
// and a crack.
void addImpact(Signal& signal, double start, double gain, Noise& noise);

// Removes any offset, fades the ends in and out (no clicks), and scales the
// loudest sample to `peak` of full scale.
void finish(Signal& signal, double peak, double fadeIn, double fadeOut);

std::vector<std::int16_t> toPcm16(const Signal& signal);

}  // namespace dakru::art
