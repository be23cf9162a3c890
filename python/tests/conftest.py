"""Shared set-up of the package's tests: the ormyx command under test (the
build's command named by ORMYX_COMMAND, else the one the package finds), the
examples folder and a small, fast input template."""

from __future__ import annotations

import os
import sys
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "python"))

import ormyx  # noqa: E402

EXAMPLES = ROOT / "examples"


@pytest.fixture(scope="session")
def command() -> str:
    return ormyx.find_command(os.environ.get("ORMYX_COMMAND"))


@pytest.fixture(scope="session")
def examples() -> list[Path]:
    found = sorted(EXAMPLES.glob("*.inp"))
    assert found, "no example inputs in %s" % EXAMPLES
    return found


def pipe_template() -> str:
    """The steel pipe pile in API sand with its pile length {L} (ft) and
    pile-head shear {V} (lbs) as placeholders, on 40 increments."""
    text = (EXAMPLES / "us_pipe_api_sand.inp").read_text()
    for old, new in (("\n80.0\n", "\n{L}\n"), ("1 1 30000.0 0.0", "1 1 {V} 0.0"),
                     ("Increments 100", "Increments 40"), ("PrintSummaryOnly NO", "PrintSummaryOnly YES")):
        assert old in text, old
        text = text.replace(old, new, 1)
    return text
