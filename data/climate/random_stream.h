// A small pseudo-random generator with fixed arithmetic, so that a climate year is the same byte
// for byte on every machine: xorshift64* for the bits, uniform values from the top 53 bits, and
// standard normal values as the sum of twelve uniforms less six (no library transcendental
// function takes part).
#pragma once

#include <cstdint>

namespace climate {

class RandomStream {
  public:
    explicit RandomStream(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {
        for (int i = 0; i < 8; ++i) next(); // leave the weak start of a small seed behind
    }

    std::uint64_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Approximately standard normal, within -6 .. 6.
    double normal() {
        double sum = 0;
        for (int i = 0; i < 12; ++i) sum += uniform();
        return sum - 6.0;
    }

  private:
    std::uint64_t state_;
};

// A first-order autoregressive series of unit variance with lag-one correlation `rho`.
class Autoregressive {
  public:
    Autoregressive(RandomStream& random, double rho) : random_(random), rho_(rho), scale_(unitScale(rho)) {
        value_ = random_.normal();
    }
    double next() {
        value_ = rho_ * value_ + scale_ * random_.normal();
        return value_;
    }

  private:
    static double unitScale(double rho);
    RandomStream& random_;
    double rho_;
    double scale_;
    double value_ = 0;
};

} // namespace climate
