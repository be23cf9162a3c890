"""ormyx.sweep: template checks before any run, the table against single
runs, failed runs kept with their errors, the Dask executor, progress."""

from __future__ import annotations

import concurrent.futures as cf
import io

import pytest

import ormyx
from ormyx.progress import _TextBar
from conftest import pipe_template


@pytest.mark.parametrize(
    "template, parameters, message",
    [
        ("ORMYXP6\n{L}\n", {"V": [1]}, r"no value for \{L\}"),
        ("ORMYXP6\n{L}\n", [{"L": 1, "Q": 2}], "Q is not in the template"),
        ("ORMYXP6\n{L\n", {"L": [1]}, "braces do not pair up"),
        ("ORMYXP6\n{}\n", {"L": [1]}, "not a plain name"),
        ("ORMYXP6\n{L.x}\n", {"L": [1]}, "not a plain name"),
        ("ORMYXP6\n{L:.2f}\n", {"L": ["ten"]}, "cannot write"),
        ("ORMYXP6\nno placeholder\n", {"L": [1]}, "no placeholder"),
        ("ORMYXP6\n{status}\n", {"status": [1]}, "name of a result column"),
        ("ORMYXP6\n{L}\n", {"L": [1]}, "unknown output"),
        ("ORMYXP6\n{L}\n", {"L": [1]}, "cannot be sent to a process pool"),
    ],
)
def test_template_problems_stop_the_study_before_any_run(template, parameters, message, tmp_path):
    # The command does not exist: a check that came after a run would fail
    # with OrmyxError instead of TemplateError.
    outputs = {"unknown output": ["no_such_output"],
               "cannot be sent to a process pool": {"y": lambda r: r.status}}.get(message)
    with pytest.raises(ormyx.TemplateError, match=message):
        ormyx.sweep(template, parameters, outputs=outputs, command=tmp_path / "missing")


def test_grid_and_list_parameter_sets():
    assert ormyx.parameter_sets({"L": [1, 2], "V": [3, 4]}) == [
        {"L": 1, "V": 3}, {"L": 1, "V": 4}, {"L": 2, "V": 3}, {"L": 2, "V": 4}]
    assert ormyx.parameter_sets({"L": 5}) == [{"L": 5}]
    assert ormyx.parameter_sets([{"L": 1}, {"L": 2}]) == [{"L": 1}, {"L": 2}]


def head_moment(result: ormyx.Result) -> float:
    return result.cases[0].moment[0]


def test_sweep_table_equals_single_runs_and_keeps_failed_runs(command):
    template = pipe_template()
    sets = [{"L": 80.0, "V": 10000.0}, {"L": -5.0, "V": 10000.0}, {"L": 80.0, "V": 30000.0}]
    with cf.ThreadPoolExecutor(max_workers=2) as pool:
        table = ormyx.sweep(template, sets, pool, command=command, batch_size=2,
                            outputs={"y_top": "y_top", "m_max": "m_max", "m_head": head_moment})
    assert table.columns == ["L", "V", "y_top", "m_max", "m_head", "status", "error"]
    assert [r["L"] for r in table.rows] == [80.0, -5.0, 80.0]  # order of the sets, failed run kept

    bad = table.rows[1]
    assert bad["y_top"] is None and 100 < bad["status"] < 200 and "Input Data Error" in bad["error"]
    assert [(f.index, f.parameters) for f in table.failures] == [(1, sets[1])]

    for row, params in zip(table.rows, sets):
        if row["error"] is not None:
            continue
        single = ormyx.run(template.format(**params), command=command)
        assert row["y_top"] == single.summary[0].y_top
        assert row["m_max"] == single.summary[0].m_max
        assert row["m_head"] == single.cases[0].moment[0]
    # More shear, more deflection.
    assert table.rows[2]["y_top"] > table.rows[0]["y_top"] > 0


def test_process_pool_and_dask_give_the_same_table(command):
    distributed = pytest.importorskip("distributed")
    template = pipe_template()
    grid = {"L": [60.0, 80.0], "V": [10000.0, 20000.0]}
    pooled = ormyx.sweep(template, grid, command=command)  # the default process pool
    with distributed.LocalCluster(n_workers=1, threads_per_worker=2, processes=False,
                                  dashboard_address=None) as cluster, distributed.Client(cluster) as client:
        dasked = ormyx.sweep(template, grid, client, command=command)
    assert pooled.failures == [] and dasked.rows == pooled.rows
    assert [(r["L"], r["V"]) for r in pooled.rows] == [(60.0, 10000.0), (60.0, 20000.0),
                                                      (80.0, 10000.0), (80.0, 20000.0)]


def test_text_progress_bar_counts_runs_and_failures():
    stream = io.StringIO()
    bar = _TextBar(3, stream)
    bar.update(2, 1)
    bar.update(1, 0)
    bar.close()
    last = stream.getvalue().rstrip("\n").split("\r")[-1]
    assert last.startswith("[" + "#" * 30 + "] 3/3 runs, 1 failed")
