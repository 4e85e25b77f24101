"""The measurement of what the clock costs at rest and what its media cost (tools/bench_rest.py
and media_bench.exe, run in full by scripts/bench-rest), made once briefly in the running Wine so
that the measuring cannot rot. It prints its figures; no verdict depends on them."""

import sys

from tikora_harness import REPO

sys.path.insert(0, str(REPO / "tools"))
import bench_rest  # noqa: E402


def test_the_cost_at_rest_is_measured_beside_the_floor(wine, driver, capsys):
    results = bench_rest.quick(wine, driver)
    for name in ("floor", "tikora"):
        figures = results[name]
        assert figures["start"] > 0 and figures["memory"] > 0 and figures["cpu"] >= 0, name
    media = bench_rest.media_costs(wine)
    assert "pictures" in media
    with capsys.disabled():
        print()
        bench_rest.report(results, rest=2, starts=1)
        print(media)
