#include "core/chains/random_numbers.h"

#include <cmath>

namespace {

// The last layer's edge and each layer's area for 256 layers (Marsaglia and Tsang, 2000, Table 1).
constexpr double kEdge = 3.6541528853610088;
constexpr double kLayerArea = 0.00492867323399;

double Density(double x)
{
    return std::exp(-0.5 * x * x);
}

std::uint64_t SplitMix64(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

} // namespace

Xoshiro256::Xoshiro256(std::uint64_t seed)
{
    for (std::uint64_t& word : m_state)
        word = SplitMix64(seed);
}

ZigguratNormal::ZigguratNormal()
{
    m_x[0] = kLayerArea / Density(kEdge);
    m_x[1] = kEdge;
    for (std::size_t i = 1; i < 256; ++i) {
        const double below = kLayerArea / m_x[i] + Density(m_x[i]);
        m_x[i + 1] = below < 1 ? std::sqrt(-2 * std::log(below)) : 0;
    }
    m_x[256] = 0;
    for (std::size_t i = 0; i < m_x.size(); ++i)
        m_f[i] = Density(m_x[i]);
    m_f[0] = Density(kEdge);
}

ZigguratNormal::Accepted ZigguratNormal::Edge(Xoshiro256& random, unsigned layer, double x) const
{
    if (layer == 0) {
        // Marsaglia's tail method: x = r + a with a exponential, kept when a Gaussian test passes.
        for (;;) {
            const double a = -std::log(1 - random.NextUniform()) / kEdge;
            const double b = -std::log(1 - random.NextUniform());
            if (2 * b > a * a)
                return {kEdge + a, true};
        }
    }
    // Under the curve between the layer's two edges: the density at x against a uniform height.
    const double height = m_f[layer] + random.NextUniform() * (m_f[layer + 1] - m_f[layer]);
    if (height < Density(x))
        return {x, true};
    return {0, false};
}
