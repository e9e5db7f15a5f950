"""The module answers what quorlan-cli --json answers, and refuses as documented."""

import ast
import json
import os
import pathlib
import subprocess

import pytest

import quorlan

CLI = os.environ["QUORLAN_CLI"]
DATA = os.environ["QUORLAN_DATA_DIR"]
DATA_PATH = pathlib.Path(DATA)
CYCLIC_LIST = [1]
CYCLIC_LIST.append(CYCLIC_LIST)


def cli_json(*args):
    run = subprocess.run([CLI, "--tables", DATA, *args, "--json"], capture_output=True, text=True, check=True)
    return json.loads(run.stdout)


FITS = ["H7/g6", "H01/js01", "JS7/h6", "K8/h7", "N7/h6", "ZC11/a11", "H18/h18", "H7/s6", "E13/m12"]
SIZES = [0.5, 1, 3, 40.025, 120, 500, 501, 3150]


def test_fits_agree_with_the_command_line_on_a_grid():
    # Built-in tables (no tables=) and the data folder give the same answers as the command line.
    for fit in FITS:
        for size in SIZES:
            args = ["fit", fit, format(size, "g")]
            try:
                expected = cli_json(*args)
            except subprocess.CalledProcessError:
                with pytest.raises(quorlan.Refused):
                    quorlan.fit(fit, size)
                continue
            assert quorlan.fit(fit, size) == expected, (fit, size)
            assert quorlan.fit(fit, size, tables=DATA) == expected, (fit, size)
            assert quorlan.limits(fit.split("/")[0], size) == expected["hole"], (fit, size)
    search = ["--min-clearance", "-20", "--max-clearance", "60", "--basis", "any", "--limit", "0"]
    assert quorlan.find_fits(
        120, min_clearance=-20, max_interference=None, max_clearance=60, basis="any", limit=0
    ) == cli_json("find-fit", "120", *search)
    joint = {"hub_od": 80, "length": 40, "hub_material": "cast-iron", "hub_temp": 90, "rz_hub": 4, "torque": 300}
    assert quorlan.service(40, fit="H7/s6", **joint) == cli_json(
        "service", "40", "--fit", "H7/s6", *[a for k, v in joint.items() for a in ("--" + k.replace("_", "-"), str(v))]
    )
    assert quorlan.service(40, hole=(25, 0), shaft=(59, 43)) == cli_json(
        "service", "40", "--hole", "25", "0", "--shaft", "59", "43"
    )
    assert quorlan.materials() == cli_json("service", "--materials")
    assert quorlan.limits_table() == cli_json("table")
    assert quorlan.tolerances_table() == cli_json("table", "tolerances")


def test_diagram_is_the_command_lines(tmp_path):
    subprocess.run([CLI, "--tables", DATA, "diagram", "H7/k6", "25", "-o", tmp_path / "d.svg"], check=True)
    assert quorlan.diagram_svg("H7/k6", 25) == (tmp_path / "d.svg").read_text()


@pytest.mark.parametrize(
    "call, error, reason",
    [
        (lambda: quorlan.fit("H7/g6", 3151), ValueError, "size_out_of_range"),
        (lambda: quorlan.fit("H7/g6", 0), ValueError, "size_out_of_range"),
        (lambda: quorlan.fit("H7/g6", -1), ValueError, "size_out_of_range"),
        (lambda: quorlan.fit("H7/g6", float("nan")), ValueError, "not_a_number"),
        (lambda: quorlan.fit("H7/g6", float("inf")), ValueError, "not_a_number"),
        (lambda: quorlan.fit("H7/g6", True), ValueError, "not_a_number"),
        (lambda: quorlan.fit("H7g6", 40), ValueError, "not_a_fit"),
        (lambda: quorlan.limits("Q7", 40), ValueError, "not_a_class"),
        (lambda: quorlan.tolerance("IT19", 40), ValueError, "not_a_grade"),
        (lambda: quorlan.fit("A11/h11", 0.5), quorlan.Refused, "not_used_at_this_size"),
        (lambda: quorlan.limits("c7", 600), quorlan.Refused, "no_standard_value"),
        (lambda: quorlan.tolerance("IT01", 600), quorlan.Refused, "no_standard_value"),
        (lambda: quorlan.fit("H7/g6", 40, tables="/nonexistent"), ValueError, "tables_not_a_folder"),
        (lambda: quorlan.find_fits(40, min_clearance=10), ValueError, "bound_missing"),
        (lambda: quorlan.service(40, fit="H7/s6", hub_diameter=80), ValueError, "unknown_option"),
        (lambda: quorlan.service(40, fit="H7/s6", hub_od=30), ValueError, "hub_not_larger_than_bore"),
        (lambda: quorlan.service(0.001, hole=(10, -5), shaft=(0, -2000)), quorlan.Refused, "limit_size_not_positive"),
        (lambda: quorlan.find_fits(40, min_clearance=1, max_clearance=9, basis="hub"), ValueError, "not_a_basis"),
        # Hostile arguments: never converted deeper than their shape, never anything but ValueError.
        (lambda: quorlan.fit("H7/g6", CYCLIC_LIST), ValueError, "wrong_type"),
        (lambda: quorlan.service(40, hole=[[1, 2], 3], shaft=(0, -5)), ValueError, "wrong_type"),
        (lambda: quorlan.fit(["H7/g6"], 40), ValueError, "wrong_type"),
        (lambda: quorlan.fit("H7/g6", 10**5000), ValueError, "size_out_of_range"),
        (lambda: quorlan.fit("\ud800", 40), ValueError, "not_text"),
        (lambda: quorlan.service(40, fit="\ud800"), ValueError, "not_text"),
        (lambda: quorlan.fit("H7/g6", 40, tables=DATA + "\x00junk"), ValueError, "not_a_folder_name"),
        (lambda: quorlan.fit("H7/g6", 40, tables=""), ValueError, "not_a_folder_name"),
        (lambda: quorlan.check_tables(""), ValueError, "not_a_folder_name"),
        (lambda: quorlan.check_tables(40), ValueError, "not_a_folder_name"),
        (lambda: quorlan.general(0.3, "m"), quorlan.Refused, "below_general_range"),
        (lambda: quorlan.general(35, "K"), ValueError, "not_a_general_class"),
        (lambda: quorlan.bearing_fit(600, "k5"), quorlan.Refused, "outside_bearing_tables"),
        (lambda: quorlan.bearing_fit(25, "k5", bearing_class="P0"), ValueError, "bad_choice"),
    ],
)
def test_refusals(call, error, reason):
    with pytest.raises(error) as raised:
        call()
    assert raised.value.reason == reason
    assert error is quorlan.Refused or not isinstance(raised.value, quorlan.Refused)


def test_messages_name_what_was_given():
    with pytest.raises(ValueError, match="'nan'"):
        quorlan.fit("H7/g6", float("nan"))


def test_classes_iso_286_2_does_not_print_are_computed_and_flagged():
    e13 = quorlan.limits("E13", 25)
    assert (e13["tabulated"], e13["upper_um"], e13["lower_um"]) == (False, 370, 40)
    assert quorlan.limits("E10", 25)["tabulated"] is True


def test_refused_is_a_value_error():
    assert issubclass(quorlan.Refused, ValueError)


def test_check_tables_lists_what_the_command_line_lists(tmp_path):
    for name in ["es_ei_z.ini", "ES_EI_H.ini", "es_ei_j_k_z.ini", "ES_EI_J_K_H.ini", "ES_EI_H_BT.ini"]:
        (tmp_path / name).write_bytes((DATA_PATH / name).read_bytes())
    lines = (tmp_path / "es_ei_z.ini").read_text().split("\n")
    lines[3] = "12x" + lines[3][lines[3].index(" ") :]
    (tmp_path / "es_ei_z.ini").write_text("\n".join(lines))
    (tmp_path / "ES_EI_H_BT.ini").write_text("\n")
    run = subprocess.run([CLI, "--tables", tmp_path, "check-tables", "--json"], capture_output=True, text=True)
    assert run.returncode == 1
    found = quorlan.check_tables(tmp_path)
    assert found == json.loads(run.stdout)
    assert found[0] == {
        "file": str(tmp_path / "es_ei_z.ini"),
        "line": 4,
        "field": 1,
        "severity": "error",
        "reason": "'12x' is not a number of micrometres, nor '-' for no value",
    }
    assert found[-1]["reason"] == "the file is empty"
    assert quorlan.check_tables(DATA) == []
    # A folder as bytes is the file system's own name, not its repr.
    assert quorlan.check_tables(os.fsencode(DATA)) == []
    assert quorlan.fit("H7/g6", 40, tables=os.fsencode(DATA)) == quorlan.fit("H7/g6", 40)
    with pytest.raises(ValueError):
        quorlan.check_tables(tmp_path / "es_ei_z.ini")


def test_service_takes_exactly_the_engines_joint_inputs():
    table = quorlan.service_inputs()
    keys = [entry["key"] for entry in table]
    stub = ast.parse((pathlib.Path(__file__).parents[1] / "quorlan.pyi").read_text())
    service = next(node for node in stub.body if isinstance(node, ast.FunctionDef) and node.name == "service")
    assert [arg.arg for arg in service.args.kwonlyargs] == keys
    for entry in table:
        given = entry["default"] if entry["default"] is not None else {"mm": 90, "1/K": 1e-5, "MPa": 300}.get(
            entry["unit"], entry["choices"][0] if entry["choices"] else 0.2
        )
        quorlan.service(40, fit="H7/s6", **{entry["key"]: given})
    with pytest.raises(ValueError) as raised:
        quorlan.service(40, fit="H7/s6", hub_od_mm=80)
    assert raised.value.reason == "unknown_option"


def test_warnings_name_keyword_arguments():
    warnings = quorlan.service(40, fit="H7/s6", hub_od=80)["warnings"]
    roughness = next(warning for warning in warnings if warning["code"] == "no_roughness")
    assert "rz_hub and rz_shaft" in roughness["text"] and "--" not in roughness["text"]


@pytest.mark.parametrize(
    "python, command",
    [
        (lambda: quorlan.general(35, "mK"), ["general", "35", "--class", "mK"]),
        (lambda: quorlan.general(35, "mK", feature="flatness", standard="gb"),
         ["general", "35", "--class", "mK", "--feature", "flatness", "--standard", "gb"]),
        (lambda: quorlan.general_table("mK"), ["general", "--table", "--class", "mK"]),
        (lambda: quorlan.bearing_fit(25, "k5"), ["bearing-fit", "25", "--shaft", "k5"]),
        (lambda: quorlan.bearing_fit(52, "H7", bearing_class="6"), ["bearing-fit", "52", "--housing", "H7", "--class", "6"]),
    ],
)
def test_general_tolerances_and_bearing_seats_are_the_command_lines(python, command):
    assert python() == cli_json(*command)


def test_threads_agree_with_the_command_line_and_refuse_as_it_does():
    assert quorlan.thread("M10-6H/6g") == cli_json("thread", "M10-6H/6g")
    assert quorlan.thread("M10-6H/6g")["bolt"]["display"]["pitch_max_mm"] == "8.994"
    table = quorlan.thread_table(series="all", tolerance_class="6g")
    assert table == cli_json("thread", "--table", "--series", "all", "--class", "6g")
    assert all("nut" not in row for row in table["rows"])
    with pytest.raises(ValueError) as bad:
        quorlan.thread("M10-6g/6H")
    assert bad.value.reason == "classes_reversed"
    with pytest.raises(quorlan.Refused) as refused:
        quorlan.thread("M1-6H")
    assert refused.value.reason == "no_thread_tolerance"
    with pytest.raises(ValueError) as series:
        quorlan.thread_table(series="extra-fine")
    assert series.value.reason == "bad_choice"


GAP_CHAIN = [
    {"name": "housing", "direction": 1, "nominal_mm": 50, "tolerance": "H8"},
    {"name": "bearing", "direction": -1, "nominal_mm": 20, "tolerance": "0/-0.12"},
    {"name": "spacer", "direction": -1, "nominal_mm": 29.5, "tolerance": "2768-m", "distribution": "uniform"},
]


def test_stack_is_the_command_lines_for_the_same_seed(tmp_path):
    csv = "name,direction,nominal_mm,tolerance,distribution\n" + "".join(
        f"{link['name']},{link['direction']:+d},{link['nominal_mm']},{link['tolerance']},{link.get('distribution', '')}\n"
        for link in GAP_CHAIN
    )
    (tmp_path / "gap.csv").write_text(csv, encoding="utf-8")
    for seed in (None, 7):
        extra = [] if seed is None else ["--seed", str(seed)]
        expected = cli_json("stack", str(tmp_path / "gap.csv"), "--require", "0.1", "0.9", "--samples", "50000", *extra)
        assert quorlan.stack(GAP_CHAIN, require=(0.1, 0.9), samples=50_000, seed=seed) == expected
        assert quorlan.stack(csv, require=(0.1, 0.9), samples=50_000, seed=seed) == expected
    assert quorlan.stack(GAP_CHAIN, samples=50_000)["monte_carlo"]["seed"] == 286


def test_stack_refuses_a_bad_link_by_its_number():
    with pytest.raises(ValueError) as bad:
        quorlan.stack([GAP_CHAIN[0], {**GAP_CHAIN[1], "direction": 2}], method="worst")
    assert bad.value.reason == "bad_link"
    assert str(bad.value).startswith("link 2 ('bearing'): direction")
    with pytest.raises(quorlan.Refused) as undefined:
        quorlan.stack([{"name": "a", "direction": 1, "nominal_mm": 0.3, "tolerance": "2768-m"}])
    assert undefined.value.reason == "below_general_range"
    with pytest.raises(ValueError) as wrong:
        quorlan.stack([{"name": "a", "direction": True, "nominal_mm": 1, "tolerance": "±0.1"}])
    assert wrong.value.reason == "not_text"
