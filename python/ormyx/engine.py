"""Running the ``ormyx`` command and reading the results document it writes.

The engine is not reentrant and works in its current directory, so every
run goes through the ``ormyx`` command in a private temporary folder rather
than through the shared library in this process: runs never share state,
and any number of them can go on at once.
"""

from __future__ import annotations

import json
import os
import shutil
import subprocess
import tempfile
from dataclasses import dataclass
from pathlib import Path
from typing import Optional, Sequence, Union

from .results import Result

__all__ = ["OrmyxError", "RunError", "find_command", "run", "Source"]

Source = Union[str, "os.PathLike[str]"]

#: Environment variable naming the ``ormyx`` command to use.
COMMAND_VARIABLE = "ORMYX_COMMAND"


class OrmyxError(Exception):
    """The ``ormyx`` command could not be found or could not complete a run."""


class RunError(OrmyxError):
    """The engine ended the run with an error; the message is its error text."""

    def __init__(self, message: str, status: Optional[int] = None, result: Optional[Result] = None):
        super().__init__(message)
        self.status = status
        self.result = result


def find_command(command: Optional[Source] = None) -> str:
    """Path of the ``ormyx`` command.

    Looked for in this order: the ``command`` argument, the environment
    variable ``ORMYX_COMMAND``, ``ormyx`` on the PATH, and the build folder
    of the checkout this package lies in (``build/ormyx``).
    """
    candidates: list[str] = []
    if command is not None:
        candidates.append(os.fspath(command))
    elif os.environ.get(COMMAND_VARIABLE):
        candidates.append(os.environ[COMMAND_VARIABLE])
    else:
        on_path = shutil.which("ormyx")
        if on_path:
            candidates.append(on_path)
        checkout = Path(__file__).resolve().parents[2]
        candidates.append(str(checkout / "build" / "ormyx"))
    for c in candidates:
        if os.path.isfile(c) and os.access(c, os.X_OK):
            return os.path.abspath(c)
    raise OrmyxError(
        "the ormyx command was not found (tried: %s); build it with 'make run' or pass "
        "command=... or set %s" % (", ".join(candidates) or "nothing", COMMAND_VARIABLE)
    )


def is_input_text(source: Source) -> bool:
    """True when source is the text of an input file rather than its name."""
    if not isinstance(source, str):
        return False
    return "\n" in source or source.lstrip().startswith("ORMYXP6")


@dataclass
class RunOutcome:
    """What one input of a batch gave: the parsed document or an error text."""

    document: Optional[dict]
    error: Optional[str]


def _host_errors(stderr: str, name: str) -> str:
    """The command's own error lines that concern one input."""
    prefix = "ormyx: %s: " % name
    lines = [ln[len(prefix):] for ln in stderr.splitlines() if ln.startswith(prefix)]
    if not lines:
        lines = [ln for ln in stderr.splitlines() if ln.strip()]
    return "\n".join(lines)


def run_batch(
    inputs: Sequence[str],
    folder: str,
    command: Optional[Source] = None,
    timeout: Optional[float] = None,
) -> list[RunOutcome]:
    """Runs the input files (paths inside folder or elsewhere) with one call of
    the command, the results documents going to folder; one outcome per input."""
    exe = find_command(command)
    args = [exe, "--json", "--out", folder, "--", *inputs]
    try:
        proc = subprocess.run(args, capture_output=True, text=True, timeout=timeout, errors="replace")
    except subprocess.TimeoutExpired as exc:
        raise OrmyxError("the ormyx command did not finish within %s s" % timeout) from exc
    except OSError as exc:
        raise OrmyxError("cannot start %s: %s" % (exe, exc)) from exc
    if proc.returncode == 2:
        raise OrmyxError("ormyx refused the command line: %s" % proc.stderr.strip())
    outcomes = []
    for inp in inputs:
        name = os.path.basename(inp)
        stem = os.path.splitext(name)[0] or name
        path = os.path.join(folder, stem + ".json")
        try:
            with open(path, encoding="utf-8") as f:
                outcomes.append(RunOutcome(json.load(f), None))
        except FileNotFoundError:
            why = _host_errors(proc.stderr, inp) or "the command wrote no results"
            outcomes.append(RunOutcome(None, "%s: %s" % (name, why)))
        except (OSError, ValueError) as exc:
            outcomes.append(RunOutcome(None, "%s: unreadable results: %s" % (name, exc)))
    return outcomes


def error_text(doc: dict) -> str:
    """The engine's error text of a failed run's document."""
    err = doc.get("error") or {}
    text = "\n".join(t for t in (err.get("title", ""), err.get("text", "")) if t).strip()
    if not text:
        text = "the run ended with status %s" % doc.get("status")
    return text


def result_or_error(outcome: RunOutcome) -> Result:
    """The result of a successful run; RunError for a failed one."""
    if outcome.document is None:
        raise OrmyxError(outcome.error or "no results")
    result = Result.from_json(outcome.document)
    if not result.ok:
        raise RunError(error_text(outcome.document), result.status, result)
    return result


def run(
    source: Source,
    *,
    command: Optional[Source] = None,
    out: Optional[Source] = None,
    name: str = "input",
    timeout: Optional[float] = None,
) -> Result:
    """Analyses one input and returns its result.

    ``source`` is the name of an input file or the text of one (text is
    recognised by a line break or a leading ``ORMYXP6``). The run takes
    place in a private temporary folder; with ``out`` the run files
    (``.out``, ``.plt``, ``.msg``, ``.json``) are kept in that folder, the
    text input being saved there as ``name.inp``. ``command`` names the
    ``ormyx`` command (see :func:`find_command`); ``timeout`` is in seconds.

    Raises :class:`RunError` with the engine's error text when the run ends
    with an error, :class:`OrmyxError` when the command cannot run.
    """
    with tempfile.TemporaryDirectory(prefix="ormyx-run-") as tmp:
        folder = os.fspath(out) if out is not None else tmp
        os.makedirs(folder, exist_ok=True)
        if is_input_text(source):
            path = os.path.join(folder if out is not None else tmp, name + ".inp")
            with open(path, "w", encoding="utf-8") as f:
                f.write(str(source))
        else:
            path = os.fspath(source)
            if not os.path.isfile(path):
                raise OrmyxError("input file %r not found" % path)
        return result_or_error(run_batch([path], folder, command, timeout)[0])
