"""ormyx.run on the examples: the results document against its schema, the
typed results against the plot file read by column here, and failed runs."""

from __future__ import annotations

import json
import math
import re
from pathlib import Path

import pytest

import ormyx
from ormyx import schema


def plot_records(path: Path, label: str) -> list[list[float]]:
    """The real values of every record of the plot file with the label; read
    by blank-separated fields before the label, independently of the package."""
    rows = []
    for line in path.read_text().splitlines():
        at = line.find(label)
        if at >= 0:
            rows.append([float(v) for v in line[:at].split()])
    return rows


def close(a: float, b: float) -> bool:
    # The plot file holds 7 significant digits.
    return math.isclose(a, b, rel_tol=1e-6, abs_tol=1e-30)


def test_every_example_conforms_and_matches_its_plot_file(examples, command, tmp_path):
    for example in examples:
        out = tmp_path / example.stem
        result = ormyx.run(example, command=command, out=out)
        doc = json.loads((out / (example.stem + ".json")).read_text())
        assert schema.validate(doc) == [], example.name
        assert result.status is not None and result.status <= 0, example.name
        assert result.outcome == ("normal" if result.status == 0 else "warnings")
        assert result.input_name == example.name

        plt = out / (example.stem + ".plt")
        line1 = plot_records(plt, "Line 1 :")[0]
        assert result.analysis_type == int(line1[0]) and result.units.code == int(line1[1])
        nodes = plot_records(plt, "Line 10(")
        assert sum(len(c.depth) for c in result.cases) == len(nodes), example.name
        for case in result.cases:
            assert len(case.depth) == len(case.deflection) == len(case.moment) == len(case.ei)
        if result.cases:
            first = nodes[0]
            c = result.cases[0]
            got = [c.depth[0], c.deflection[0], c.moment[0], c.shear[0], c.soil_reaction[0], c.ei[0]]
            assert all(close(a, b) for a, b in zip(got, first)), example.name
        line13 = plot_records(plt, "Line 13:")
        assert len(result.summary) == len(line13)
        for s, rec in zip(result.summary, line13):
            got = [s.v_top, s.y_top, s.m_max, s.v_max, s.rotation]
            assert all(close(a, b) for a, b in zip(got, rec)), example.name
        assert len(result.kmatrix) == len(plot_records(plt, "Line 14:"))
        line4 = plot_records(plt, "Line 4 :")
        assert sum(len(s.thrusts) for s in result.sections) == len(line4)
        mn = [t.nominal_moment for s in result.sections for t in s.thrusts]
        assert all(close(a, rec[2]) for a, rec in zip(mn, line4))


def test_output_summary_and_length_study(tmp_path, command, examples):
    by_name = {e.name: e for e in examples}
    result = ormyx.run(by_name["us_length_study.inp"], command=command)
    case = result.cases[0]
    s = case.output_summary
    # Worked out again from the node table: largest magnitude, first node on a tie.
    k = max(range(len(case.moment)), key=lambda i: (abs(case.moment[i]), -i))
    assert s.m_max == case.moment[k] and s.depth_m_max == case.depth[k]
    y = case.deflection
    assert s.zero_deflection_points == sum(1 for a, b in zip(y, y[1:]) if a * b < 0.0)
    assert s.y_top == case.deflection[0]
    assert case.length_study, "the example asks for the deflection-length study"
    lengths = [p.pile_length for p in case.length_study]
    assert lengths == sorted(lengths) or lengths == sorted(lengths, reverse=True)


def test_text_input_and_dataframes(command, examples):
    text = next(e for e in examples if e.name == "us_soft_clay.inp").read_text()
    result = ormyx.run(text, command=command)
    assert result.ok and result.units.system == "US customary" and result.units.length == "in"
    assert result.py_curves and all(len(c.y) == len(c.p) > 0 for c in result.py_curves)
    assert result.py_curves[0].model == "soft clay"
    pd = pytest.importorskip("pandas")
    frame = result.cases[0].to_dataframe()
    assert isinstance(frame, pd.DataFrame) and list(frame.columns)[:2] == ["depth", "deflection"]
    assert frame["moment"].abs().max() == abs(result.summary[0].m_max)


@pytest.mark.parametrize(
    "change",
    [
        ("Increments 40", "Increments 5"),  # fewer increments than the engine accepts
        ("\n{L}\n", "\n-5.0\n"),  # a negative pile length
    ],
)
def test_failed_run_raises_with_the_engine_text(change, command):
    from conftest import pipe_template

    text = pipe_template().replace(*change).replace("{L}", "80.0").replace("{V}", "30000.0")
    with pytest.raises(ormyx.RunError) as info:
        ormyx.run(text, command=command)
    err = info.value
    assert 100 < err.status < 200
    assert re.search(r"Input Data Error No\. %d" % (err.status - 100), str(err))
    assert err.result is not None and err.result.error.code == "INP%05d" % (err.status - 100)


def test_missing_input_and_missing_command(tmp_path):
    with pytest.raises(ormyx.OrmyxError, match="not found"):
        ormyx.run(tmp_path / "nothing.inp", command="/bin/true")
    with pytest.raises(ormyx.OrmyxError, match="ormyx command was not found"):
        ormyx.find_command(tmp_path / "no-such-ormyx")


def test_schema_fields_are_documented():
    # Every field of the schema has its entry in docs/results-json.md.
    from conftest import ROOT

    doc = (ROOT / "docs" / "results-json.md").read_text()
    names: set[str] = set()

    def walk(node):
        if isinstance(node, dict):
            names.update(node.get("properties", {}))
            for v in node.values():
                walk(v)
        elif isinstance(node, list):
            for v in node:
                walk(v)

    walk(schema.load_schema())
    missing = sorted(n for n in names if "`%s`" % n not in doc)
    assert missing == []


def test_plot_subcommand_gives_the_document_of_the_run(command, examples, tmp_path):
    # 'ormyx plot FILE.plt --json' rebuilds the document from the run files
    # alone; for a normal end and for an input error it equals the one the
    # run wrote, status included (worked out from the closing lines).
    import subprocess
    from conftest import pipe_template

    bad = tmp_path / "bad.inp"
    bad.write_text(pipe_template().replace("Increments 40", "Increments 5").format(L=80.0, V=1.0))
    good = next(e for e in examples if e.name == "si_stiffness_matrix.inp")
    for inp in (good, bad):
        out = tmp_path / ("out_" + inp.stem)
        subprocess.run([command, "--json", "--out", str(out), str(inp)], capture_output=True)
        first = json.loads((out / (inp.stem + ".json")).read_text())
        (out / (inp.stem + ".json")).unlink()
        done = subprocess.run([command, "plot", str(out / (inp.stem + ".plt")), "--json"],
                              capture_output=True, text=True)
        assert done.returncode == 0, done.stderr
        if inp is bad:
            first["input"] = None  # the run stopped before the files named the input
        assert json.loads((out / (inp.stem + ".json")).read_text()) == first, inp.name

    broken = tmp_path / "broken.plt"
    broken.write_text("    3    2    0    1   garbage\n")
    done = subprocess.run([command, "plot", str(broken), "--json"], capture_output=True, text=True)
    assert done.returncode == 1 and "broken.plt" in done.stderr
    doc = json.loads((tmp_path / "broken.json").read_text())
    assert schema.validate(doc) == [] and doc["warnings"][-1]["title"] == "Unreadable plot file"


def test_lrfd_table_agrees_with_the_summary(command, examples):
    # The LRFD rows come from the report, the summary from the plot file:
    # one row per combination and section, with the same pile-head values
    # to the report's printed precision.
    lrfd = next(e for e in examples if e.name == "us_lrfd_distributed_loads.inp")
    result = ormyx.run(lrfd, command=command)
    assert len(result.lrfd) == len(result.cases) * len(result.sections) > 0
    for row in result.lrfd:
        s = result.summary[row.case - 1]
        assert math.isclose(row.y_top, s.y_top, abs_tol=5e-4)
        assert math.isclose(row.rotation, s.rotation, abs_tol=5e-6)
        assert row.passed == (abs(row.moment) < row.capacity) and row.name
