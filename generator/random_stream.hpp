#pragma once

#include <cstdint>

namespace cellwright::generator {

// The random numbers of one puzzle: xoshiro256** seeded through SplitMix64
// from a run's seed and the puzzle's index. Written out rather than taken
// from <random> because the standard fixes the engines but not the
// distributions, and a seed must give the same puzzles with every library.
class RandomStream {
  public:
    RandomStream(std::uint64_t seed, std::uint64_t index) {
        // Within a run the indices start SplitMix64 at distinct points of its
        // one long cycle (an odd multiplier keeps them apart), scattered by
        // the hashed seed, so that neighbouring puzzles share no numbers.
        std::uint64_t hashed = seed;
        std::uint64_t mix = splitMix(hashed) ^ (index * 0xD1B54A32D192ED03ULL);
        for (std::uint64_t& word : state_)
            word = splitMix(mix);
    }

    std::uint64_t next() {
        const std::uint64_t result = rotate(state_[1] * 5, 7) * 9;
        const std::uint64_t shifted = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= shifted;
        state_[3] = rotate(state_[3], 45);
        return result;
    }

    // A whole number from 0 to bound - 1 (bound >= 1), every value as likely:
    // draws that would favour the low values are thrown back.
    std::uint32_t below(std::uint32_t bound) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        std::uint64_t draw = next();
        while (draw >= limit)
            draw = next();
        return static_cast<std::uint32_t>(draw % bound);
    }

    // Shuffles values[0..count) in place (Fisher-Yates).
    template <class T> void shuffle(T* values, std::uint32_t count) {
        for (std::uint32_t i = count; i > 1; --i) {
            const std::uint32_t j = below(i);
            const T held = values[i - 1];
            values[i - 1] = values[j];
            values[j] = held;
        }
    }

  private:
    static std::uint64_t rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    static std::uint64_t splitMix(std::uint64_t& x) {
        std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::uint64_t state_[4];
};

} // namespace cellwright::generator
