#pragma once

#include <QtGlobal>

#include <optional>
#include <random>

// The random number generator: draws uniform in [0, 1), single precision.
class Random {
public:
    virtual ~Random() = default;
    // Seeds from the clock; returns the seed, with which the same draws can be made again.
    virtual quint32 randomize() = 0;
    virtual float next() = 0;
};

class SystemRandom final : public Random {
public:
    // With a seed, randomize() takes it instead of the clock's: the draws of a game replayed.
    explicit SystemRandom(std::optional<quint32> seed = {}) : seed_(seed) {}
    quint32 randomize() override;
    float next() override;

private:
    std::optional<quint32> seed_;
    std::mt19937 engine_{12345u};
};
