#pragma once

#include <random>

// The random number generator: draws uniform in [0, 1), single precision.
class Random {
public:
    virtual ~Random() = default;
    virtual void randomize() = 0; // seed from the clock
    virtual float next() = 0;
};

class SystemRandom final : public Random {
public:
    void randomize() override;
    float next() override;

private:
    std::mt19937 engine_{12345u};
};
