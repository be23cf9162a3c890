"""Progress bar of long studies: tqdm when installed, else a plain line on
standard error."""

from __future__ import annotations

import sys
import time
from typing import Any, Optional, TextIO

__all__ = ["make_progress"]

#: Studies of at least this many runs show a bar by default (on a terminal).
AUTO_THRESHOLD = 20


class _Silent:
    def update(self, n: int, failed: int = 0) -> None:
        pass

    def close(self) -> None:
        pass


class _TextBar:
    """A one-line bar redrawn at most ten times a second."""

    def __init__(self, total: int, stream: TextIO):
        self.total, self.stream = total, stream
        self.done = self.failed = 0
        self.start = self.last = time.monotonic()

    def _draw(self) -> None:
        width = 30
        filled = width * self.done // max(1, self.total)
        elapsed = max(1e-9, time.monotonic() - self.start)
        self.stream.write("\r[%s%s] %d/%d runs, %d failed, %.1f runs/s" % (
            "#" * filled, " " * (width - filled), self.done, self.total, self.failed, self.done / elapsed))
        self.stream.flush()

    def update(self, n: int, failed: int = 0) -> None:
        self.done += n
        self.failed += failed
        now = time.monotonic()
        if now - self.last >= 0.1 or self.done >= self.total:
            self.last = now
            self._draw()

    def close(self) -> None:
        self._draw()
        self.stream.write("\n")
        self.stream.flush()


class _Tqdm:
    def __init__(self, total: int):
        from tqdm import tqdm

        self.bar = tqdm(total=total, unit="run")
        self.failed = 0

    def update(self, n: int, failed: int = 0) -> None:
        self.failed += failed
        if failed:
            self.bar.set_postfix(failed=self.failed)
        self.bar.update(n)

    def close(self) -> None:
        self.bar.close()


def make_progress(total: int, wanted: Optional[bool], stream: Optional[TextIO] = None) -> Any:
    """A bar for total runs: shown when wanted is True, hidden when False, and
    when None shown only on a terminal for a study of AUTO_THRESHOLD runs or more."""
    stream = stream or sys.stderr
    if wanted is None:
        wanted = total >= AUTO_THRESHOLD and hasattr(stream, "isatty") and stream.isatty()
    if not wanted:
        return _Silent()
    try:
        return _Tqdm(total)
    except ImportError:
        return _TextBar(total, stream)
