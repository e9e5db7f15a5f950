"""Times the Python module: quorlan.fit against json.loads of its own result (goal: no slower,
within 10 %), and limits_table() (goal: under 50 ms). Run by scripts/benchmark.sh with the build's
python/ folder on PYTHONPATH."""

import json
import timeit

import quorlan


def best_of(call, number, repeat=7):
    """The fastest mean of `repeat` rounds of `number` calls, in seconds: the least disturbed."""
    return min(timeit.repeat(call, number=number, repeat=repeat)) / number


fit_text = json.dumps(quorlan.fit("H7/g6", 40))
fit_s = best_of(lambda: quorlan.fit("H7/g6", 40), 20000)
loads_s = best_of(lambda: json.loads(fit_text), 20000)
print(f"quorlan.fit('H7/g6', 40): {fit_s * 1e6:.2f} µs; json.loads of its result: {loads_s * 1e6:.2f} µs "
      f"({fit_s / loads_s:.2f} times)")
rows = len(quorlan.limits_table())
table_s = best_of(quorlan.limits_table, 5)
print(f"quorlan.limits_table() ({rows} rows): {table_s * 1e3:.1f} ms")
