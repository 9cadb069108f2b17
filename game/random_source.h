#pragma once

#include <cmath>
#include <random>

namespace dakru {

// Where the dice come from: uniform values in [0, 1). Tests inject fixed values.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The real dice: seeded once from the system's entropy source. The generator is
// never reseeded from the clock between dice, since dice thrown within one clock
// tick would then all show the same face.
class EntropyRandomSource final : public RandomSource {
public:
    EntropyRandomSource() : engine_(std::random_device{}()) {}
    float next() override
    {
        // The float distribution may round up to 1.0; a die must never show 7.
        const float r = distribution_(engine_);
        return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
    }

private:
    std::mt19937 engine_;
    std::uniform_real_distribution<float> distribution_{0.0f, 1.0f};
};

}  // namespace dakru
