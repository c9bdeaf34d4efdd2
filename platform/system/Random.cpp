#include "Random.h"

#include <chrono>

quint32 SystemRandom::randomize() {
    const quint32 seed = seed_.value_or(
        static_cast<quint32>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    engine_.seed(seed);
    return seed;
}

float SystemRandom::next() {
    // 24 random bits give every float in [0, 1) on a 2^-24 grid and never 1.0.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}
