#pragma once

#include <array>
#include <cstdint>
#include <cstring>

// Random numbers that are the same on every platform for a seed: the generator and the samplers
// use only integer arithmetic, IEEE additions and multiplications, and (rarely) exp and log, so
// the command line, Python and the browser build draw the same samples. (std::normal_distribution
// is no use here: each standard library has its own algorithm.)

// xoshiro256** (Blackman and Vigna, 2018), its state filled from the seed by splitmix64.
class Xoshiro256
{
public:
    explicit Xoshiro256(std::uint64_t seed);

    std::uint64_t Next()
    {
        const std::uint64_t result = RotateLeft(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = RotateLeft(m_state[3], 45);
        return result;
    }

    // Uniform in [0, 1), from the 53 high bits.
    double NextUniform() { return static_cast<double>(static_cast<std::int64_t>(Next() >> 11)) * 0x1.0p-53; }

private:
    static std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::array<std::uint64_t, 4> m_state {};
};

// Standard normal samples by the ziggurat method (Marsaglia and Tsang, 2000) with 256 layers: one
// 64-bit draw gives the layer (8 low bits), the sign (1 bit) and the position (53 high bits), so the
// layer does not depend on the position (Doornik, 2005). About 99 % of samples take one draw, a
// multiplication and a comparison.
class ZigguratNormal
{
public:
    ZigguratNormal();

    double Next(Xoshiro256& random) const
    {
        for (;;) {
            const std::uint64_t bits = random.Next();
            const unsigned layer = bits & 0xFFu;
            const double u = static_cast<double>(static_cast<std::int64_t>(bits >> 11)) * 0x1.0p-53;
            const double x = u * m_x[layer];
            if (x < m_x[layer + 1])
                return WithSign(x, bits);
            // The rare path draws from a copy: the caller's generator, never passed by address,
            // can stay in registers on the common one.
            Xoshiro256 drawing = random;
            const Accepted accepted = Edge(drawing, layer, x);
            random = drawing;
            if (accepted)
                return WithSign(*accepted, bits);
        }
    }

private:
    // x negated when the draw's sign bit (bit 8) is set: by the bits, not by a branch the processor
    // would guess wrong half the time.
    static double WithSign(double x, std::uint64_t bits)
    {
        // memcpy rather than std::bit_cast, which Emscripten's C++ library does not have.
        std::uint64_t pattern = 0;
        std::memcpy(&pattern, &x, sizeof pattern);
        pattern ^= (bits & 0x100u) << 55;
        std::memcpy(&x, &pattern, sizeof x);
        return x;
    }

    // The tail beyond the last layer's edge (layer 0), or a point in a layer's wedge: the sample, or
    // nothing to draw again.
    struct Accepted
    {
        double value = 0;
        bool ok = false;
        explicit operator bool() const { return ok; }
        double operator*() const { return value; }
    };
    Accepted Edge(Xoshiro256& random, unsigned layer, double x) const;

    std::array<double, 257> m_x {}; // the layers' right edges, m_x[0] the base strip's width
    std::array<double, 257> m_f {}; // the density exp(-x²/2) at each edge
};
