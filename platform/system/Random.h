#pragma once

#include <deque>
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

// Hands out the draws a test queued, then `fallback` for every further draw.
class ScriptedRandom final : public Random {
public:
    void randomize() override { ++randomizeCalls; }
    float next() override;
    void queue(std::initializer_list<float> draws) { draws_.insert(draws_.end(), draws); }
    std::size_t pending() const { return draws_.size(); }

    float fallback = 0.0f;
    int randomizeCalls = 0;
    int drawsMade = 0;

private:
    std::deque<float> draws_;
};
