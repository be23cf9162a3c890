"""Parameter studies: one input template, many runs, one table of results.

The template is the text (or the name) of an input file with named
placeholders such as ``{L}`` or ``{V:.1f}`` (literal braces are written
``{{`` and ``}}``). Every parameter set is checked and rendered before the
first run, so a typo fails at once instead of after an hour of runs.

Runs are grouped in batches; each batch is one call of the ``ormyx``
command in a private folder, submitted to a ``concurrent.futures.Executor``
(by default a process pool over the local cores). A ``dask.distributed``
``Client`` may be passed instead and is used through its executor, so the
same study runs on a Dask cluster.
"""

from __future__ import annotations

import concurrent.futures as cf
import itertools
import math
import os
import pickle
import string
import tempfile
from dataclasses import dataclass, field
from typing import Any, Callable, Iterable, Mapping, Optional, Sequence, Union

from .engine import OrmyxError, Source, error_text, find_command, is_input_text, run_batch
from .progress import make_progress
from .results import Result

__all__ = [
    "TemplateError",
    "Template",
    "SweepFailure",
    "SweepResult",
    "sweep",
    "STANDARD_OUTPUTS",
    "parameter_sets",
]

Extractor = Callable[[Result], Any]
Outputs = Union[None, Sequence[str], Mapping[str, Union[str, Extractor]]]


class TemplateError(ValueError):
    """The template or the parameters do not fit together."""


def _case_value(attribute: str) -> Extractor:
    def extract(result: Result) -> Any:
        return getattr(result.summary[0], attribute) if result.summary else None

    extract.__name__ = "case1_" + attribute
    return extract


def _warning_count(result: Result) -> int:
    return len(result.warnings)


def _status(result: Result) -> Optional[int]:
    return result.status


#: Result columns that can be named by text in ``outputs``: the summary
#: values of load case 1 and two values of the run.
STANDARD_OUTPUTS: dict[str, Extractor] = {
    "y_top": _case_value("y_top"),
    "rotation": _case_value("rotation"),
    "m_max": _case_value("m_max"),
    "v_max": _case_value("v_max"),
    "v_top": _case_value("v_top"),
    "status": _status,
    "warnings": _warning_count,
}

DEFAULT_OUTPUTS = ("y_top", "rotation", "m_max", "v_max")


class Template:
    """An input text with named placeholders, checked when it is made."""

    def __init__(self, source: Source):
        if is_input_text(source):
            self.text = str(source)
        else:
            path = os.fspath(source)
            try:
                with open(path, encoding="utf-8") as f:
                    self.text = f.read()
            except OSError as exc:
                raise TemplateError("cannot read the template %r: %s" % (path, exc)) from exc
        self.names = self._placeholders(self.text)
        if not self.names:
            raise TemplateError("the template has no placeholder such as {L}")

    @staticmethod
    def _placeholders(text: str) -> list[str]:
        names: list[str] = []
        try:
            fields = list(string.Formatter().parse(text))
        except ValueError as exc:
            raise TemplateError("the template's braces do not pair up (%s); write a literal "
                                "brace as {{ or }}" % exc) from exc
        for _, name, _, _ in fields:
            if name is None:
                continue
            if not name.isidentifier():
                raise TemplateError("placeholder {%s} is not a plain name such as {L}" % name)
            if name not in names:
                names.append(name)
        return names

    def check(self, sets: Sequence[Mapping[str, Any]]) -> list[str]:
        """Renders every parameter set; raises TemplateError listing every
        problem (missing or unknown names, values that do not format)."""
        problems: list[str] = []
        texts: list[str] = []
        wanted = set(self.names)
        for i, params in enumerate(sets):
            keys = set(params)
            missing = [n for n in self.names if n not in keys]
            unknown = sorted(k for k in keys if k not in wanted)
            if missing:
                problems.append("run %d: no value for %s" % (i, ", ".join("{%s}" % m for m in missing)))
            if unknown:
                problems.append("run %d: parameter %s is not in the template" % (i, ", ".join(unknown)))
            if missing or unknown:
                continue
            try:
                texts.append(self.text.format(**params))
            except (ValueError, TypeError, KeyError, IndexError) as exc:
                problems.append("run %d: cannot write %s into the template: %s" % (i, dict(params), exc))
        if problems:
            shown = problems[:10] + (["... and %d more" % (len(problems) - 10)] if len(problems) > 10 else [])
            raise TemplateError("the parameters do not fit the template:\n  " + "\n  ".join(shown))
        return texts


def parameter_sets(parameters: Union[Mapping[str, Iterable[Any]], Iterable[Mapping[str, Any]]]) -> list[dict[str, Any]]:
    """A mapping of name -> values gives the grid of all combinations (in
    the mapping's order, the last name varying fastest); a sequence of
    mappings is taken as the list of parameter sets."""
    if isinstance(parameters, Mapping):
        names = list(parameters)
        values = []
        for n in names:
            v = parameters[n]
            if isinstance(v, (str, bytes)) or not isinstance(v, Iterable):
                v = [v]
            values.append(list(v))
        return [dict(zip(names, combo)) for combo in itertools.product(*values)]
    sets = []
    for p in parameters:
        if not isinstance(p, Mapping):
            raise TemplateError("a list of parameter sets must hold mappings, got %r" % (p,))
        sets.append(dict(p))
    return sets


def _resolve_outputs(outputs: Outputs) -> dict[str, Union[str, Extractor]]:
    if outputs is None:
        outputs = DEFAULT_OUTPUTS
    if isinstance(outputs, Mapping):
        chosen = dict(outputs)
    else:
        chosen = {str(n): str(n) for n in outputs}
    for name, how in chosen.items():
        if isinstance(how, str) and how not in STANDARD_OUTPUTS:
            raise TemplateError("unknown output %r for column %r; known: %s or a function of the Result"
                                % (how, name, ", ".join(STANDARD_OUTPUTS)))
        if not isinstance(how, str) and not callable(how):
            raise TemplateError("output %r must be a name or a function of the Result" % name)
    return chosen


def _extract(result: Result, outputs: Mapping[str, Union[str, Extractor]]) -> dict[str, Any]:
    row = {}
    for name, how in outputs.items():
        fn = STANDARD_OUTPUTS[how] if isinstance(how, str) else how
        row[name] = fn(result)
    return row


def _run_chunk(
    items: Sequence[tuple[int, str]],
    outputs: Mapping[str, Union[str, Extractor]],
    command: str,
    timeout: Optional[float],
) -> list[tuple[int, Optional[int], Optional[dict[str, Any]], Optional[str]]]:
    """Runs a batch of rendered inputs with one call of the command; for each
    run (index, status, chosen values or None, error text or None)."""
    out: list[tuple[int, Optional[int], Optional[dict[str, Any]], Optional[str]]] = []
    with tempfile.TemporaryDirectory(prefix="ormyx-sweep-") as tmp:
        paths = []
        for index, text in items:
            path = os.path.join(tmp, "run%06d.inp" % index)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
            paths.append(path)
        try:
            outcomes = run_batch(paths, tmp, command, timeout)
        except OrmyxError as exc:
            return [(index, None, None, str(exc)) for index, _ in items]
        for (index, _), outcome in zip(items, outcomes):
            if outcome.document is None:
                out.append((index, None, None, outcome.error))
                continue
            try:
                result = Result.from_json(outcome.document)
                if not result.ok:
                    out.append((index, result.status, None, error_text(outcome.document)))
                    continue
                out.append((index, result.status, _extract(result, outputs), None))
            except Exception as exc:  # an output function that fails is that run's error
                out.append((index, None, None, "%s: %s" % (type(exc).__name__, exc)))
    return out


@dataclass(frozen=True)
class SweepFailure:
    """A run of the study that gave no result, with the reason."""

    index: int
    parameters: dict[str, Any]
    error: str
    status: Optional[int] = None


@dataclass
class SweepResult:
    """The table of a study: one row per run, in the order of the parameter
    sets. Every row holds the parameters, the chosen outputs (None for a
    failed run), ``status`` and ``error`` (None for a run that succeeded)."""

    parameters: list[str]
    outputs: list[str]
    rows: list[dict[str, Any]]
    failures: list[SweepFailure] = field(default_factory=list)

    @property
    def columns(self) -> list[str]:
        return self.parameters + self.outputs + ["status", "error"]

    @property
    def ok_rows(self) -> list[dict[str, Any]]:
        return [r for r in self.rows if r["error"] is None]

    def column(self, name: str) -> list[Any]:
        return [r[name] for r in self.rows]

    def to_dataframe(self) -> Any:
        """The table as a pandas DataFrame (needs pandas)."""
        try:
            import pandas as pd
        except ImportError as exc:  # pragma: no cover - depends on the machine
            raise ImportError("to_dataframe() needs pandas") from exc
        return pd.DataFrame(self.rows, columns=self.columns)

    def format_table(self, digits: int = 5) -> str:
        """The table as aligned text; failed runs show their error."""
        def cell(v: Any) -> str:
            if v is None:
                return "-"
            if isinstance(v, float):
                return "%.*g" % (digits, v)
            return str(v).splitlines()[0] if str(v) else ""

        cols = self.parameters + self.outputs + ["status"]
        body = [[cell(r[c]) for c in cols] for r in self.rows]
        widths = [max([len(c)] + [len(b[i]) for b in body]) for i, c in enumerate(cols)]
        lines = ["  ".join(c.rjust(w) for c, w in zip(cols, widths))]
        lines += ["  ".join(v.rjust(w) for v, w in zip(b, widths)) for b in body]
        for f in self.failures:
            lines.append("run %d %s failed: %s" % (f.index, f.parameters, f.error.splitlines()[0] if f.error else ""))
        return "\n".join(lines)

    def __str__(self) -> str:
        return self.format_table()


def _as_executor(executor: Any) -> Any:
    """A dask.distributed Client is used through its concurrent.futures executor."""
    if executor is not None and not hasattr(executor, "submit"):
        raise TypeError("executor must be a concurrent.futures.Executor or a dask Client")
    if executor is not None and hasattr(executor, "get_executor") and not isinstance(executor, cf.Executor):
        return executor.get_executor()
    return executor


def _workers(executor: Any) -> int:
    n = getattr(executor, "_max_workers", None)
    if isinstance(n, int) and n > 0:
        return n
    client = getattr(executor, "_client", None)
    if client is not None:
        try:
            return max(1, sum(client.nthreads().values()))
        except Exception:
            pass
    return os.cpu_count() or 1


def sweep(
    template: Source,
    parameters: Union[Mapping[str, Iterable[Any]], Iterable[Mapping[str, Any]]],
    executor: Any = None,
    *,
    outputs: Outputs = None,
    command: Optional[Source] = None,
    timeout: Optional[float] = None,
    batch_size: Optional[int] = None,
    progress: Optional[bool] = None,
) -> SweepResult:
    """Runs the template once per parameter set and returns one table.

    ``parameters`` is a grid (``{"L": [10, 20], "V": [1e3, 2e3]}``) or a list
    of sets (``[{"L": 10, "V": 1e3}, ...]``). ``outputs`` chooses the result
    columns: names from :data:`STANDARD_OUTPUTS` (default: ``y_top``,
    ``rotation``, ``m_max``, ``v_max`` of load case 1) or a mapping of column
    name to such a name or to a function of the :class:`Result` (with a
    process pool the function must be importable, i.e. defined at module
    level). ``executor`` is any ``concurrent.futures.Executor`` or a
    ``dask.distributed.Client``; by default a process pool over the local
    cores; on a Dask cluster with worker processes the package must be
    installed on the workers. ``timeout`` bounds each batch of runs, in seconds. ``progress``
    shows a progress bar (tqdm when installed); by default it shows on a
    terminal for studies of 20 runs or more.

    Failed runs are rows with their ``error`` text and are also listed in
    ``failures``; nothing is dropped. Raises :class:`TemplateError` before any
    run when the template and the parameters do not fit.
    """
    tmpl = template if isinstance(template, Template) else Template(template)
    sets = parameter_sets(parameters)
    if not sets:
        raise TemplateError("no parameter sets given")
    texts = tmpl.check(sets)
    chosen = _resolve_outputs(outputs)
    clash = [n for n in tmpl.names if n in chosen or n in ("status", "error")]
    if clash:
        raise TemplateError("parameter %s has the name of a result column" % ", ".join(clash))
    own = executor is None
    if own or isinstance(executor, cf.ProcessPoolExecutor):
        try:
            pickle.dumps(chosen)
        except Exception as exc:
            raise TemplateError("the output functions cannot be sent to a process pool (%s); define "
                                "them at module level, or use a thread pool or a Dask client" % exc) from exc
    exe = find_command(command)
    pool = cf.ProcessPoolExecutor(max_workers=os.cpu_count() or 1) if own else _as_executor(executor)
    workers = _workers(pool)
    if batch_size is None:
        # A batch of a few runs makes the cost of starting the command small;
        # many small batches keep every worker busy to the end of the study.
        batch_size = max(1, min(10, math.ceil(len(texts) / (8 * workers))))
    items = list(enumerate(texts))
    chunks = [items[i:i + batch_size] for i in range(0, len(items), batch_size)]

    results: dict[int, tuple[Optional[int], Optional[dict[str, Any]], Optional[str]]] = {}
    bar = make_progress(len(texts), progress)
    try:
        futures = {pool.submit(_run_chunk, chunk, chosen, exe, timeout): chunk for chunk in chunks}
        for fut in cf.as_completed(futures):
            chunk = futures[fut]
            try:
                done = fut.result()
            except Exception as exc:  # a lost worker fails its batch, not the study
                done = [(index, None, None, "%s: %s" % (type(exc).__name__, exc)) for index, _ in chunk]
            failed = 0
            for index, status, values, err in done:
                results[index] = (status, values, err)
                failed += err is not None
            bar.update(len(done), failed)
    finally:
        bar.close()
        if own:
            pool.shutdown(wait=True, cancel_futures=True)  # an interrupted study starts nothing more

    out_names = list(chosen)
    rows: list[dict[str, Any]] = []
    failures: list[SweepFailure] = []
    for index, params in enumerate(sets):
        status, values, err = results.get(index, (None, None, "the run was not carried out"))
        row = dict(params)
        row.update(values if values is not None else {n: None for n in out_names})
        row["status"] = status
        row["error"] = err
        rows.append(row)
        if err is not None:
            failures.append(SweepFailure(index, dict(params), err, status))
    return SweepResult([n for n in sets[0] if n in tmpl.names], out_names, rows, failures)

