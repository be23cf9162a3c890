"""Runs the package's tests under pytest; fails (rather than skipping) when
pytest is not installed. Used by ctest: python3 python/tests/run_pytest.py."""

import sys
from pathlib import Path

try:
    import pytest
except ImportError:
    sys.stderr.write("the Python package tests need pytest: install python3-pytest (Debian) "
                     "and run them with that python3\n")
    sys.exit(1)

here = Path(__file__).resolve().parent
sys.exit(pytest.main(["-q", "-p", "no:cacheprovider", "-c", str(here.parent / "pytest.ini"),
                      "--rootdir", str(here.parent), str(here), *sys.argv[1:]]))
