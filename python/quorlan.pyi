"""ISO 286 limits and fits.

Sizes are in millimetres (keys and arguments ending in _mm), deviations, clearances and tolerances in
micrometres (_um). Each function answers what ``quorlan-cli --json`` answers, as plain dicts and lists.
``tables=None`` uses the tables built into the module; a folder reads its five table files instead.
"""

import os
from typing import Any, Optional, TypedDict, Union

Number = Union[int, float]
Folder = Union[str, os.PathLike[str], None]

class Refused(ValueError):
    """The standard gives no value for a well-formed question (or a table file is at fault)."""

    reason: str
    """A short stable code: "no_standard_value", "not_used_at_this_size", "table_missing", ..."""

class Part(TypedDict):
    """One part of a fit: deviations and tolerance in µm, limits of size in mm."""

    # "class" is a keyword: read it as part["class"].
    tabulated: bool
    """Whether ISO 286-2 prints the class (E13 and m12 it does not); either way the limits follow
    from the ISO 286-1 rules."""
    upper_um: float
    lower_um: float
    max_mm: float
    min_mm: float
    tolerance_um: float

class Fit(TypedDict):
    """A fit at a nominal size; a negative clearance is an interference."""

    fit: str
    size_mm: float
    type: str  # "clearance", "transition" or "interference"
    hole: Part
    shaft: Part
    max_clearance_um: float
    min_clearance_um: float
    mean_clearance_um: float
    fit_tolerance_um: float
    probable_min_clearance_um: float
    """The clearances 99.73 % of the pairs keep: each part's size normal in its zone (±3σ), rounded
    outward to whole µm."""
    probable_max_clearance_um: float

class FoundFit(Fit):
    preferred: bool
    miss_um: float  # how far a near miss lies outside the range; 0 for a fit within it

class Tolerance(TypedDict):
    grade: str
    size_mm: float
    tolerance_um: float

class TableProblem(TypedDict):
    file: str
    line: int  # 1-based; 0 for the whole file
    field: int  # 1-based; 0 for the whole line
    severity: str  # "error" or "warning"
    reason: str

def fit(designation: str, size_mm: Number, tables: Folder = None) -> Fit:
    """Both parts of a fit such as "H7/g6" at a nominal size in mm (over 0, up to 3150)."""

def limits(tolerance_class: str, size_mm: Number, tables: Folder = None) -> Part:
    """One tolerance class such as "H7" or "g6" at a nominal size in mm."""

def tolerance(grade: str, size_mm: Number) -> Tolerance:
    """The standard tolerance in µm of a grade ("IT7", "7", "01") at a nominal size in mm."""

def find_fits(
    size_mm: Number,
    min_clearance: Optional[Number] = None,
    max_clearance: Optional[Number] = None,
    min_interference: Optional[Number] = None,
    max_interference: Optional[Number] = None,
    basis: str = "hole",
    grades: str = "5-11",
    all_grade_pairs: bool = False,
    limit: int = 20,
    tables: Folder = None,
    near: int = 0,
) -> list[FoundFit]:
    """Every fit whose clearances (µm) stay within the bounds, best first; limit=0 for all.

    Each bound is given as a clearance or as an interference (µm), not both. basis is "hole",
    "shaft" or "any"; grades a range such as "5-11" or "01-18"; near: how many fits that miss the
    range by the least follow the matches.
    """

class ServiceInput(TypedDict):
    """One of the joint's inputs that service() takes by keyword."""

    key: str
    kind: str  # "number", "material" or "choice"
    unit: str  # "mm", "µm", "1/K", "°C", "MPa", "N·m", "N"; "" for none
    default: Optional[str]  # None: not given unless passed
    range: Optional[str]  # of a number, the interval accepted: "(0, inf)", "[0, 0.5]", "(size_mm, inf)"
    choices: list[str]
    help_key: str
    help: str

def service(
    size_mm: Number,
    fit: Optional[str] = None,
    hole: Optional[tuple[Number, Number]] = None,
    shaft: Optional[tuple[Number, Number]] = None,
    tables: Folder = None,
    *,
    hub_od: Optional[Number] = None,
    shaft_id: Optional[Number] = None,
    length: Optional[Number] = None,
    hub_material: Optional[str] = None,
    shaft_material: Optional[str] = None,
    hub_e: Optional[Number] = None,
    hub_nu: Optional[Number] = None,
    hub_alpha: Optional[Number] = None,
    hub_yield: Optional[Number] = None,
    shaft_e: Optional[Number] = None,
    shaft_nu: Optional[Number] = None,
    shaft_alpha: Optional[Number] = None,
    shaft_yield: Optional[Number] = None,
    hub_temp: Optional[Number] = None,
    shaft_temp: Optional[Number] = None,
    hub_max_temp: Optional[Number] = None,
    joining: Optional[str] = None,
    surface: Optional[str] = None,
    friction: Optional[Number] = None,
    friction_holding: Optional[Number] = None,
    friction_pressing: Optional[Number] = None,
    rz_hub: Optional[Number] = None,
    rz_shaft: Optional[Number] = None,
    smoothing: Optional[Union[str, Number]] = None,
    joining_clearance: Optional[Number] = None,
    zone_sigma: Optional[Number] = None,
    torque: Optional[Number] = None,
    axial_force: Optional[Number] = None,
    slip_safety: Optional[Number] = None,
    yield_safety: Optional[Number] = None,
    fracture_safety: Optional[Number] = None,
) -> dict[str, Any]:
    """A fit at service conditions: interference (µm), pressure and stresses (MPa), torque (N·m),
    forces (N), assembly temperatures (°C), probabilities (0 to 1).

    Give fit ("H7/s6") or hole and shaft as (upper_um, lower_um); the joint by keyword, as
    service_inputs() lists them with their units, defaults and ranges: hub_od, shaft_id, length
    (mm); hub_material, shaft_material (materials() lists them); hub_e (MPa), hub_nu, hub_alpha
    (1/K, heating and cooling alike), hub_yield (MPa; the part then yields, not brittle) and the
    same for shaft_; hub_temp, shaft_temp (°C); hub_max_temp (°C, the hottest the hub may be heated
    to join it); joining ("press" or "shrink"); surface ("dry" or "oiled"; not given: each check
    takes the worse coefficient); friction (both), friction_holding, friction_pressing; rz_hub,
    rz_shaft (µm); smoothing (0.4 or 0.8); joining_clearance (µm); zone_sigma; torque (N·m);
    axial_force (N); slip_safety, yield_safety, fracture_safety (of a brittle hub).
    The answer holds both states ("states") and "warnings", each with its code, state, value,
    limit, arguments (its figures as text) and an English text naming these keyword arguments.
    """

def service_inputs() -> list[ServiceInput]:
    """The joint's inputs that service() takes by keyword, from the engine's table."""

def limits_table(tables: Folder = None) -> list[dict[str, Any]]:
    """Every limit deviation: {class, from_mm, to_mm, upper_um, lower_um}, None where there is none."""

def tolerances_table() -> list[dict[str, Any]]:
    """Every standard tolerance: {grade, from_mm, to_mm, tolerance_um}, None where there is none."""

def diagram_svg(designation: str, size_mm: Number, tables: Folder = None) -> str:
    """The tolerance-zone diagram of a fit, as SVG text."""

def check_tables(folder: Union[str, os.PathLike[str]]) -> list[TableProblem]:
    """Every problem of the five table files in a folder; empty when they are in order."""

def materials() -> list[dict[str, Any]]:
    """The built-in materials: id, names, E (MPa), Poisson's ratio, expansion (1/K, upwards from 20 °C
    and down to -78 °C and -196 °C), strength (MPa), highest joining temperature (°C), sources."""

class GeneralTolerance(TypedDict, total=False):
    """One size's general tolerance: deviation_mm (linear, edge), deviation_deg and deviation_text
    (angle), or tolerance_mm (a feature); the range that holds the size (over_mm None: "up to")."""

    standard: str  # "ISO 2768-1", "GB/T 1804-2000", "ISO 2768-2", "GB/T 1184-1996"
    source: str
    kind: str  # "linear", "edge", "angle"
    feature: str
    size_mm: float
    length_mm: float
    over_mm: Optional[float]
    up_to_mm: Optional[float]
    includes_over: bool
    deviation_mm: float
    deviation_deg: float
    deviation_text: str
    tolerance_mm: float
    display: dict[str, str]

def general(
    size_mm: Number,
    general_class: str,
    kind: Optional[str] = None,
    feature: Optional[str] = None,
    standard: Optional[str] = None,
) -> GeneralTolerance:
    """A size's general tolerance: class f, m, c, v by kind, or H, K, L by feature; a pair such as mK."""

def general_table(general_class: str, standard: Optional[str] = None) -> dict[str, Any]:
    """Every range of the tables a title block's class refers to, and the rules without a table."""

class BearingFit(Fit):
    bearing: dict[str, Any]  # ring ("inner", "outer"), class, standard, over_mm, up_to_mm, seat

def bearing_fit(
    size_mm: Number, seat: str, bearing_class: Optional[str] = None, tables: Folder = None
) -> BearingFit:
    """A bearing ring (ISO 492) on its seat: k5 seats the inner ring, H7 the outer; probable fit too."""

def bearing_diagram_svg(
    size_mm: Number, seat: str, bearing_class: Optional[str] = None, tables: Folder = None
) -> str:
    """The bearing seat's tolerance-zone diagram as SVG text."""
class BoltLimits(TypedDict):
    """A bolt's (external thread's) limits of size in mm, exact; "display" holds them to 0.001 mm."""

    # "class" is a keyword: read it as bolt["class"].
    major_max_mm: float
    major_min_mm: float
    pitch_max_mm: float
    pitch_min_mm: float
    root_max_mm: float
    es_um: float
    td_um: float
    td2_um: float
    display: dict[str, str]

class NutLimits(TypedDict):
    """A nut's (internal thread's) limits of size in mm, exact; "display" holds them to 0.001 mm."""

    major_min_mm: float
    pitch_max_mm: float
    pitch_min_mm: float
    minor_max_mm: float
    minor_min_mm: float
    ei_um: float
    td1_um: float
    td2_um: float
    display: dict[str, str]

class ThreadFit(TypedDict):
    """The clearance at the pitch diameter, nut minus bolt, in µm."""

    min_clearance_um: float
    max_clearance_um: float
    display: dict[str, str]

class Thread(TypedDict, total=False):
    designation: str
    diameter_mm: float
    pitch_mm: float
    series: str  # "coarse", "fine" or "unlisted"
    basic: dict[str, Any]
    bolt: BoltLimits  # only where the designation gives a bolt's class
    nut: NutLimits
    fit: ThreadFit
    recommended: dict[str, list[dict[str, Any]]]  # per part: {quality, length, bracketed}

def thread(designation: str) -> Thread:
    """A metric thread such as "M10-6H/6g", "M10x1.25-5H6H" or "M10" (ISO 261, ISO 965-1)."""

def thread_table(series: str = "coarse", tolerance_class: str = "6H/6g") -> dict[str, Any]:
    """Every thread of a series ("coarse", "fine", "all") for one class: {series, class, recommended, rows}."""

class ChainLink(TypedDict, total=False):
    name: str
    direction: Union[int, str]
    """+1 widens the closing dimension, -1 narrows it."""
    nominal_mm: Union[Number, str]
    tolerance: str
    """"±0.1", "+0.1/-0.05" (mm), an ISO 286 class "h7", or a general tolerance "2768-m", "GB/T 1804-m"."""
    distribution: str
    """"normal" (the default), "uniform" or "triangular"."""
    cpk: Number
    mean_shift_mm: Union[Number, str]

def stack(
    links: Union[list[ChainLink], str],
    require: Optional[tuple[Number, Number]] = None,
    method: str = "all",
    samples: int = 1_000_000,
    seed: Optional[int] = None,
    charts: bool = False,
) -> dict[str, Any]:
    """A dimension chain's closing dimension, as ``quorlan-cli stack FILE --json`` answers it: nominal_mm,
    worst_case, rss, monte_carlo (leaving out the methods that method= does not ask for), contributions
    (largest variance share first) and links resolved to their limits, all in mm.

    links is a list of dicts with the CSV's keys, or the CSV text itself; require=(min_mm, max_mm) adds the
    shares below and above it (ppm) with Cp and Cpk; method is "worst", "rss", "mc" or "all"; samples from
    1000 to 10,000,000; seed=None is the fixed default 286, so that a run repeats, as on the command line;
    charts=True adds charts: histogram_svg (None without a Monte Carlo) and contributions_svg.
    """
