"""Python interface of the Ormyx lateral pile analysis.

    import ormyx
    result = ormyx.run("examples/us_soft_clay.inp")
    print(result.cases[0].deflection[0], result.summary[0].m_max)

:func:`run` analyses one input through the ``ormyx`` command and returns a
typed :class:`Result`; :func:`sweep` runs an input template over a grid or a
list of parameter sets on any ``concurrent.futures`` executor (or a
``dask.distributed`` client) and returns one table. The core uses the
standard library only; pandas, tqdm and matplotlib are used when installed.
"""

from .engine import OrmyxError, RunError, find_command, run
from .results import (
    CaseSummary,
    Interaction,
    KMatrixRow,
    LengthPoint,
    LoadCase,
    LrfdRow,
    Message,
    MomentCurvature,
    OutputSummary,
    PyCurve,
    Result,
    Section,
    Units,
)
from .sweep import STANDARD_OUTPUTS, SweepFailure, SweepResult, Template, TemplateError, parameter_sets, sweep

__version__ = "2012.6.34"

__all__ = [
    "run",
    "sweep",
    "find_command",
    "OrmyxError",
    "RunError",
    "TemplateError",
    "Template",
    "SweepResult",
    "SweepFailure",
    "STANDARD_OUTPUTS",
    "parameter_sets",
    "Result",
    "Units",
    "Message",
    "Section",
    "MomentCurvature",
    "Interaction",
    "PyCurve",
    "LoadCase",
    "CaseSummary",
    "OutputSummary",
    "LengthPoint",
    "LrfdRow",
    "KMatrixRow",
]
