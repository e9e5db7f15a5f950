"""The same Monte Carlo as quorlan.stack's, in NumPy: 10 normal links, 1,000,000 samples, the mean,
the standard deviation and the 0.135 % and 99.865 % quantiles, on one core. Prints both times and
their ratio (goal: the engine at least 3 times faster). Run by scripts/benchmark.sh."""

import os
import time

import quorlan

SAMPLES = 1_000_000
RUNS = int(os.environ.get("CHAIN_RUNS", "5"))
LINKS = [
    {"name": f"link {i}", "direction": 1 if i == 0 else -1, "nominal_mm": 100 if i == 0 else 9, "tolerance": "±0.05"}
    for i in range(10)
]


def best_ms(run):
    best = float("inf")
    for _ in range(RUNS):
        start = time.perf_counter()
        run()
        best = min(best, (time.perf_counter() - start) * 1000)
    return best


def main():
    engine = best_ms(lambda: quorlan.stack(LINKS, method="mc", samples=SAMPLES))
    print(f"quorlan.stack, 10 links, {SAMPLES} samples (Monte Carlo only): {engine:.1f} ms (best of {RUNS})")
    try:
        import numpy
    except ImportError:
        print("NumPy is missing (Debian's python3-numpy, scripts/setup.sh): the comparison with it is skipped")
        return
    os.environ.setdefault("OMP_NUM_THREADS", "1")
    means = [0.0] * len(LINKS)
    sigmas = [0.1 / 6] * len(LINKS)
    signs = [link["direction"] for link in LINKS]

    def sample():
        generator = numpy.random.default_rng(286)
        total = numpy.zeros(SAMPLES)
        for sign, mean, sigma in zip(signs, means, sigmas):
            total += sign * (mean + sigma * generator.standard_normal(SAMPLES))
        return total.mean(), total.std(ddof=1), numpy.quantile(total, [0.00135, 0.99865])

    numpy_ms = best_ms(sample)
    print(f"NumPy {numpy.__version__}, the same sampling: {numpy_ms:.1f} ms; the engine {numpy_ms / engine:.1f} times faster")


if __name__ == "__main__":
    main()
