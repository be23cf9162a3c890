"""Typed view of the results document that ``ormyx --json`` writes.

Every class here is a frozen dataclass built from the JSON document by
:meth:`Result.from_json`; the document itself stays available as
``Result.raw``. A value the engine could not write (asterisks in the plot
file, null in the document) is NaN here. Values are in the units named by :class:`Units` (the internal
units of the run's unit system); docs/results-json.md lists them field by
field.
"""

from __future__ import annotations

import math

from dataclasses import dataclass, field
from typing import Any, Mapping, Optional, Sequence

__all__ = [
    "Units",
    "Message",
    "MomentCurvature",
    "Interaction",
    "Section",
    "PyCurve",
    "CaseSummary",
    "OutputSummary",
    "LengthPoint",
    "LoadCase",
    "LrfdRow",
    "KMatrixRow",
    "Result",
]


def _num(value: Any) -> float:
    """A number of the document; null (a value the engine could not write) is NaN."""
    return math.nan if value is None else float(value)


def _floats(values: Any) -> list[float]:
    return [_num(v) for v in (values or [])]


def _optional_float(value: Any) -> Optional[float]:
    return None if value is None else _num(value)


def _optional_int(value: Any) -> Optional[int]:
    return None if value is None else int(value)


def _dataframe(columns: Mapping[str, Sequence[Any]]) -> Any:
    """A pandas DataFrame of the columns; pandas is optional."""
    try:
        import pandas as pd
    except ImportError as exc:  # pragma: no cover - depends on the machine
        raise ImportError("to_dataframe() needs pandas; install it with 'pip install pandas'") from exc
    return pd.DataFrame(dict(columns))


@dataclass(frozen=True)
class Units:
    """Unit system of the run and the unit texts of its result values."""

    system: str  #: "US customary", "SI" or "generic"
    code: int  #: 1, 2 or 3 as in the input's ``Units`` option
    length: str  #: depths, deflections, pile lengths
    force: str  #: shear, soil reaction per length is ``force/length``
    moment: str  #: bending moment in the pile response
    stiffness: str  #: bending stiffness EI in the pile response
    soil_reaction: str  #: p of the node table and of the p-y curves

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "Units":
        return cls(
            system=str(d["system"]),
            code=int(d["code"]),
            length=str(d["length"]),
            force=str(d["force"]),
            moment=str(d["moment"]),
            stiffness=str(d["stiffness"]),
            soil_reaction=str(d["soil_reaction"]),
        )


@dataclass(frozen=True)
class Message:
    """An error or warning block of the run-message file."""

    title: str  #: the header line, e.g. "**** Input Data Error No. 17 ****"
    text: str  #: the lines of the block after the header
    number: Optional[int] = None  #: the error or warning number of the header
    code: Optional[str] = None  #: "INP00017" or "RUN00008" for errors

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "Message":
        return cls(
            title=str(d.get("title", "")),
            text=str(d.get("text", "")),
            number=_optional_int(d.get("number")),
            code=d.get("code"),
        )

    def __str__(self) -> str:
        return self.title + ("\n" + self.text if self.text else "")


@dataclass(frozen=True)
class MomentCurvature:
    """Moment-curvature table of one section at one axial thrust."""

    thrust_number: int
    axial_thrust: float
    nominal_moment: float  #: nominal moment capacity Mn
    moment: list[float]
    ei: list[float]
    curvature: list[float]

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "MomentCurvature":
        return cls(
            thrust_number=int(d["thrust_number"]),
            axial_thrust=_num(d["axial_thrust"]),
            nominal_moment=_num(d["nominal_moment"]),
            moment=_floats(d["moment"]),
            ei=_floats(d["ei"]),
            curvature=_floats(d["curvature"]),
        )

    def to_dataframe(self) -> Any:
        return _dataframe({"moment": self.moment, "ei": self.ei, "curvature": self.curvature})


@dataclass(frozen=True)
class Interaction:
    """Interaction diagram of a section: one list entry per point."""

    nominal_axial: list[float]
    nominal_moment: list[float]
    phi: list[float]  #: strength reduction factor
    factored_axial: list[float]
    factored_moment: list[float]

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "Interaction":
        return cls(
            nominal_axial=_floats(d["nominal_axial"]),
            nominal_moment=_floats(d["nominal_moment"]),
            phi=_floats(d["phi"]),
            factored_axial=_floats(d["factored_axial"]),
            factored_moment=_floats(d["factored_moment"]),
        )

    def to_dataframe(self) -> Any:
        return _dataframe(
            {
                "nominal_axial": self.nominal_axial,
                "nominal_moment": self.nominal_moment,
                "phi": self.phi,
                "factored_axial": self.factored_axial,
                "factored_moment": self.factored_moment,
            }
        )


@dataclass(frozen=True)
class Section:
    """A pile section: its moment-curvature tables and interaction diagram."""

    number: int
    kind: str  #: "nonlinear", "elastic", "elastic-plastic" or "input M-EI"
    units: dict[str, str]  #: unit texts of axial_thrust, moment, ei, curvature
    thrusts: list[MomentCurvature]
    interaction: Optional[Interaction] = None

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "Section":
        inter = d.get("interaction")
        return cls(
            number=int(d["number"]),
            kind=str(d["kind"]),
            units={str(k): str(v) for k, v in (d.get("units") or {}).items()},
            thrusts=[MomentCurvature.from_json(t) for t in d.get("thrusts", [])],
            interaction=Interaction.from_json(inter) if inter else None,
        )


@dataclass(frozen=True)
class PyCurve:
    """A p-y curve at a depth the input asked for."""

    number: Optional[int]  #: None for a depth above the ground surface
    depth: float  #: below the pile head
    model: str  #: soil model text, e.g. "soft clay"
    y: list[float]
    p: list[float]

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "PyCurve":
        return cls(
            number=_optional_int(d.get("number")),
            depth=_num(d["depth"]),
            model=str(d.get("model", "")),
            y=_floats(d["y"]),
            p=_floats(d["p"]),
        )

    def to_dataframe(self) -> Any:
        return _dataframe({"y": self.y, "p": self.p})


@dataclass(frozen=True)
class CaseSummary:
    """Summary row of one load case: pile-head values and maxima."""

    case: int
    v_top: float  #: pile-head shear
    y_top: float  #: pile-head deflection
    m_max: float  #: signed moment of largest magnitude
    v_max: float  #: signed shear of largest magnitude
    rotation: float  #: pile-head rotation, radians

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "CaseSummary":
        return cls(
            case=int(d["case"]),
            v_top=_num(d["v_top"]),
            y_top=_num(d["y_top"]),
            m_max=_num(d["m_max"]),
            v_max=_num(d["v_max"]),
            rotation=_num(d["rotation"]),
        )


@dataclass(frozen=True)
class OutputSummary:
    """Output summary of a load case, worked out from its node table."""

    y_top: float
    m_max: float
    depth_m_max: float
    v_max: float
    depth_v_max: float
    zero_deflection_points: int

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "OutputSummary":
        return cls(
            y_top=_num(d["y_top"]),
            m_max=_num(d["m_max"]),
            depth_m_max=_num(d["depth_m_max"]),
            v_max=_num(d["v_max"]),
            depth_v_max=_num(d["depth_v_max"]),
            zero_deflection_points=int(d["zero_deflection_points"]),
        )


@dataclass(frozen=True)
class LengthPoint:
    """One point of the pile-head deflection versus pile length study."""

    pile_length: float
    y_top: float
    m_max: float
    v_max: float

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "LengthPoint":
        return cls(
            pile_length=_num(d["pile_length"]),
            y_top=_num(d["y_top"]),
            m_max=_num(d["m_max"]),
            v_max=_num(d["v_max"]),
        )


@dataclass(frozen=True)
class LoadCase:
    """Response of the pile to one load case (or LRFD combination)."""

    number: int
    depth: list[float]  #: distance of each node from the pile head
    deflection: list[float]
    moment: list[float]
    shear: list[float]
    soil_reaction: list[float]  #: force per length
    ei: list[float]  #: bending stiffness used at the node
    output_summary: Optional[OutputSummary] = None
    summary: Optional[CaseSummary] = None
    length_study: list[LengthPoint] = field(default_factory=list)

    @classmethod
    def from_json(cls, d: Mapping[str, Any], summary: Optional[CaseSummary]) -> "LoadCase":
        nodes = d["nodes"]
        out = d.get("output_summary")
        return cls(
            number=int(d["number"]),
            depth=_floats(nodes["depth"]),
            deflection=_floats(nodes["deflection"]),
            moment=_floats(nodes["moment"]),
            shear=_floats(nodes["shear"]),
            soil_reaction=_floats(nodes["soil_reaction"]),
            ei=_floats(nodes["ei"]),
            output_summary=OutputSummary.from_json(out) if out else None,
            summary=summary,
            length_study=[LengthPoint.from_json(p) for p in d.get("length_study", [])],
        )

    def to_dataframe(self) -> Any:
        """The node table as a pandas DataFrame (needs pandas)."""
        return _dataframe(
            {
                "depth": self.depth,
                "deflection": self.deflection,
                "moment": self.moment,
                "shear": self.shear,
                "soil_reaction": self.soil_reaction,
                "ei": self.ei,
            }
        )


@dataclass(frozen=True)
class LrfdRow:
    """LRFD performance of one section in one load combination."""

    case: int
    section: int
    phi: float  #: resistance factor for moment
    capacity: Optional[float]  #: factored moment capacity; None for an elastic section
    moment: float  #: largest moment developed in the section
    fraction: Optional[float]  #: |moment| / capacity; None for an elastic section
    passed: Optional[bool]  #: None for an elastic section
    shear: float
    y_top: float
    rotation: float
    name: str  #: name of the load combination

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "LrfdRow":
        return cls(
            case=int(d["case"]),
            section=int(d["section"]),
            phi=_num(d["phi"]),
            capacity=_optional_float(d.get("capacity")),
            moment=_num(d["moment"]),
            fraction=_optional_float(d.get("fraction")),
            passed=d.get("passed"),
            shear=_num(d["shear"]),
            y_top=_num(d["y_top"]),
            rotation=_num(d["rotation"]),
            name=str(d.get("name", "")),
        )


@dataclass(frozen=True)
class KMatrixRow:
    """One row of the pile-head stiffness matrix table."""

    v: float  #: pile-head shear of the row
    m: float  #: pile-head moment of the row
    k22: float
    k23: float
    k32: float
    k33: float
    y_top: float
    theta: float  #: pile-head rotation, radians

    @classmethod
    def from_json(cls, d: Mapping[str, Any]) -> "KMatrixRow":
        return cls(**{k: _num(d[k]) for k in ("v", "m", "k22", "k23", "k32", "k33", "y_top", "theta")})


@dataclass(frozen=True)
class Result:
    """The whole result of one run.

    ``status`` is the engine's return value: 0 for a normal end, a negative
    warning number (or -300) when the last load case logged warnings, and
    100 + N / 200 + N for input / runtime error N (:func:`ormyx.run` raises
    :class:`ormyx.RunError` for those instead of returning).
    """

    status: Optional[int]
    outcome: str  #: "normal", "warnings", "error" or "incomplete"
    error: Optional[Message]
    warnings: list[Message]
    analysis_type: Optional[int]
    units: Optional[Units]
    sections: list[Section]
    py_curves: list[PyCurve]
    cases: list[LoadCase]
    summary: list[CaseSummary]
    lrfd: list[LrfdRow]
    kmatrix: list[KMatrixRow]
    input_name: Optional[str] = None
    raw: dict[str, Any] = field(default_factory=dict, repr=False, compare=False)

    @property
    def ok(self) -> bool:
        """True when the run ended without an error."""
        return self.error is None and self.outcome in ("normal", "warnings")

    @classmethod
    def from_json(cls, doc: Mapping[str, Any]) -> "Result":
        summary = [CaseSummary.from_json(s) for s in doc.get("summary", [])]
        by_case = {s.case: s for s in summary}
        cases = [LoadCase.from_json(c, by_case.get(int(c["number"]))) for c in doc.get("cases", [])]
        err = doc.get("error")
        units = doc.get("units")
        return cls(
            status=_optional_int(doc.get("status")),
            outcome=str(doc.get("outcome", "incomplete")),
            error=Message.from_json(err) if err else None,
            warnings=[Message.from_json(w) for w in doc.get("warnings", [])],
            analysis_type=_optional_int(doc.get("analysis_type")),
            units=Units.from_json(units) if units else None,
            sections=[Section.from_json(s) for s in doc.get("sections", [])],
            py_curves=[PyCurve.from_json(p) for p in doc.get("py_curves", [])],
            cases=cases,
            summary=summary,
            lrfd=[LrfdRow.from_json(r) for r in doc.get("lrfd", [])],
            kmatrix=[KMatrixRow.from_json(r) for r in doc.get("kmatrix", [])],
            input_name=doc.get("input"),
            raw=dict(doc),
        )

    def summary_dataframe(self) -> Any:
        """The summary table, one row per load case (needs pandas)."""
        names = ("case", "v_top", "y_top", "m_max", "v_max", "rotation")
        return _dataframe({n: [getattr(s, n) for s in self.summary] for n in names})

    def kmatrix_dataframe(self) -> Any:
        """The stiffness matrix table (needs pandas)."""
        names = ("v", "m", "k22", "k23", "k32", "k33", "y_top", "theta")
        return _dataframe({n: [getattr(r, n) for r in self.kmatrix] for n in names})
