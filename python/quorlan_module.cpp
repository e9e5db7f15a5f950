// The Python module quorlan: the answers of quorlan-cli --json as plain dicts and lists.

#include "answers/answer.h"
#include "answers/answer_inputs.h"
#include "answers/bearing_answer.h"
#include "answers/find_fits_answer.h"
#include "answers/fit_answers.h"
#include "answers/general_answer.h"
#include "answers/list_answers.h"
#include "answers/service_answer.h"
#include "answers/service_inputs.h"
#include "answers/shipped_tables.h"
#include "answers/stack_answer.h"
#include "answers/table_answers.h"
#include "answers/table_check_text.h"
#include "answers/thread_answers.h"
#include "core/chains/chain_csv.h"
#include "core/loaded_tables.h"
#include "core/printable_text.h"
#include "json_to_python.h"

#include <filesystem>
#include <optional>
#include <pybind11/pybind11.h>

namespace py = pybind11;

namespace {

// quorlan.Refused, made once and kept for the interpreter's life.
PyObject* g_refusedType = nullptr;

// Raises the refusal: quorlan.Refused where the standard gives no value, ValueError for bad input;
// either carries .reason, the stable code.
[[noreturn]] void Raise(const AnswerRefusal& refusal)
{
    PyObject* type = refusal.kind == AnswerRefusal::Kind::Refused ? g_refusedType : PyExc_ValueError;
    py::object error = py::reinterpret_borrow<py::object>(type)(refusal.message);
    error.attr("reason") = refusal.reason;
    PyErr_SetObject(type, error.ptr());
    throw py::error_already_set();
}

py::object Return(const Answer& answer)
{
    if (!answer)
        Raise(answer.reason());
    return ToPython(*answer);
}

template<typename Value> Value Take(Result<Value, AnswerRefusal> read)
{
    if (!read)
        Raise(read.reason());
    return std::move(*read);
}

nlohmann::json Argument(py::handle value, const char* key, ArgumentShape shape = ArgumentShape::Value)
{
    return Take(FromPython(value, key, shape));
}

std::string TextArgument(py::handle value, const char* key)
{
    return Take(TextFromPython(value, key));
}

// A folder given as str, bytes or os.PathLike, as the bytes the file system takes. The empty name
// and a NUL (which would end the name early, naming another folder) are no folder names.
std::filesystem::path FolderPath(const py::handle& folder, const char* key)
{
    std::string bytes;
    try {
        bytes = py::module_::import("os").attr("fsencode")(folder).cast<std::string>();
    } catch (const py::error_already_set& error) {
        if (!error.matches(PyExc_TypeError) && !error.matches(PyExc_UnicodeError))
            throw;
        Raise(BadInput("not_a_folder_name",
                       std::string(key)
                           + " must be a folder's name (str, bytes or os.PathLike), "
                             "not "
                           + Py_TYPE(folder.ptr())->tp_name));
    }
    if (bytes.empty())
        Raise(BadInput("not_a_folder_name", std::string(key) + " is empty: give a folder ('.' for the current one)"));
    if (bytes.find('\0') != std::string::npos)
        Raise(BadInput("not_a_folder_name",
                       std::string(key) + " " + QuotedInput(bytes)
                           + " holds a NUL character, which no file name can hold"));
    return bytes;
}

// The tables an answer reads: the shipped ones, or the five files of a folder, read as the
// command line reads them. Load() reads the files: call it with the interpreter released.
class Tables
{
public:
    explicit Tables(const py::object& folder)
    {
        if (!folder.is_none())
            m_folder = FolderPath(folder, "tables");
    }

    std::optional<AnswerRefusal> Load()
    {
        if (m_folder.empty())
            return std::nullopt;
        std::error_code error;
        if (!std::filesystem::is_directory(m_folder, error))
            return BadInput("tables_not_a_folder", "tables '" + PathText(m_folder) + "' is not a folder");
        m_loaded = LoadDeviationTables(m_folder);
        return std::nullopt;
    }

    const DeviationTables& Get() const { return m_loaded ? *m_loaded : ShippedTables(); }
    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::optional<DeviationTables> m_loaded;
};

// Computes with the interpreter released, so that other Python threads run meanwhile (a search over
// every pair, a table folder on a slow disk); the answer becomes Python objects once it holds again.
template<typename Compute> py::object Answered(Compute compute)
{
    std::optional<Answer> answer;
    {
        const py::gil_scoped_release released;
        answer.emplace(compute());
    }
    return Return(*answer);
}

template<typename Compute> py::object AnsweredWithTables(Tables& tables, Compute compute)
{
    return Answered([&]() -> Answer {
        if (auto refusal = tables.Load())
            return *refusal;
        return compute();
    });
}

py::object Fit(const py::handle& designation, const py::handle& sizeMm, const py::object& tables)
{
    const std::string fit = TextArgument(designation, "designation");
    const nlohmann::json size = Argument(sizeMm, "size_mm");
    Tables read(tables);
    return AnsweredWithTables(read, [&] { return FitAnswer(read.Get(), fit, size, read.Folder()); });
}

py::object Limits(const py::handle& toleranceClass, const py::handle& sizeMm, const py::object& tables)
{
    const std::string name = TextArgument(toleranceClass, "tolerance_class");
    const nlohmann::json size = Argument(sizeMm, "size_mm");
    Tables read(tables);
    return AnsweredWithTables(read, [&] { return LimitsAnswer(read.Get(), name, size, read.Folder()); });
}

py::object DiagramSvg(const py::handle& designation, const py::handle& sizeMm, const py::object& tables)
{
    const std::string fit = TextArgument(designation, "designation");
    const nlohmann::json size = Argument(sizeMm, "size_mm");
    Tables read(tables);
    return AnsweredWithTables(read, [&] { return DiagramSvgAnswer(read.Get(), fit, size, read.Folder()); });
}

py::object Tolerance(const py::handle& grade, const py::handle& sizeMm)
{
    const std::string name = TextArgument(grade, "grade");
    const nlohmann::json size = Argument(sizeMm, "size_mm");
    return Answered([&] { return ToleranceAnswer(name, size); });
}

// Options of the answers that take a JSON object: those given (None leaves the answer's default).
nlohmann::json OptionsOf(std::initializer_list<std::pair<const char*, py::handle>> given)
{
    nlohmann::json options = nlohmann::json::object();
    for (const auto& [key, value] : given) {
        if (!value.is_none())
            options[key] = Argument(value, key);
    }
    return options;
}

py::object General(const py::handle& sizeMm, const py::handle& generalClass, const py::handle& kind,
                   const py::handle& feature, const py::handle& standard)
{
    const nlohmann::json options = OptionsOf(
        {{"size_mm", sizeMm}, {"class", generalClass}, {"kind", kind}, {"feature", feature}, {"standard", standard}});
    return Answered([&] { return GeneralAnswer(options); });
}

py::object GeneralTableOfClass(const py::handle& generalClass, const py::handle& standard)
{
    const nlohmann::json options = OptionsOf({{"class", generalClass}, {"standard", standard}});
    return Answered([&] { return GeneralTableAnswer(options); });
}

py::object BearingFit(const py::handle& sizeMm, const py::handle& seat, const py::handle& bearingClass,
                      const py::object& tables)
{
    const nlohmann::json options = OptionsOf({{"size_mm", sizeMm}, {"seat", seat}, {"bearing_class", bearingClass}});
    Tables read(tables);
    return AnsweredWithTables(read, [&] { return BearingFitAnswer(read.Get(), options); });
}

py::object BearingDiagramSvg(const py::handle& sizeMm, const py::handle& seat, const py::handle& bearingClass,
                             const py::object& tables)
{
    const nlohmann::json options = OptionsOf({{"size_mm", sizeMm}, {"seat", seat}, {"bearing_class", bearingClass}});
    Tables read(tables);
    return AnsweredWithTables(read, [&] { return BearingDiagramSvgAnswer(read.Get(), options); });
}

py::object AllLimits(const py::object& tables)
{
    Tables read(tables);
    return AnsweredWithTables(read, [&] { return LimitsTableAnswer(read.Get(), read.Folder()); });
}

py::object FindFits(const py::handle& sizeMm, const py::handle& minClearance, const py::handle& maxClearance,
                    const py::handle& minInterference, const py::handle& maxInterference, const py::handle& basis,
                    const py::handle& grades, const py::handle& allGradePairs, const py::handle& limit,
                    const py::object& tables, const py::handle& near)
{
    nlohmann::json options = nlohmann::json::object();
    for (const auto& [key, value] :
         {std::pair {"size_mm", sizeMm}, std::pair {"min_clearance", minClearance},
          std::pair {"max_clearance", maxClearance}, std::pair {"min_interference", minInterference},
          std::pair {"max_interference", maxInterference}, std::pair {"basis", basis}, std::pair {"grades", grades},
          std::pair {"all_grade_pairs", allGradePairs}, std::pair {"limit", limit}, std::pair {"near", near}})
        options[key] = Argument(value, key);
    Tables read(tables);
    return AnsweredWithTables(read, [&] { return FindFitsAnswer(read.Get(), options, read.Folder()); });
}

py::object CheckTables(const py::handle& folder)
{
    const std::filesystem::path path = FolderPath(folder, "folder");
    return Answered([&] { return CheckTablesAnswer(path); });
}

py::object Service(const py::handle& sizeMm, const py::handle& fit, const py::handle& hole, const py::handle& shaft,
                   const py::object& tables, const py::kwargs& keywords)
{
    nlohmann::json options = nlohmann::json::object();
    options["size_mm"] = Argument(sizeMm, "size_mm");
    options["fit"] = Argument(fit, "fit");
    options["hole"] = Argument(hole, "hole", ArgumentShape::Pair);
    options["shaft"] = Argument(shaft, "shaft", ArgumentShape::Pair);
    for (const auto& [key, value] : keywords) {
        const std::string name = TextArgument(key, "option name");
        options[name] = Argument(value, name.c_str());
    }
    Tables read(tables);
    return AnsweredWithTables(read,
                              [&] { return ServiceAnswer(read.Get(), options, OptionNaming::Keyword, read.Folder()); });
}

// A chain's links as the answer reads them: CSV text as it is, or a list of dicts with the CSV's keys.
nlohmann::json ChainLinks(const py::handle& links)
{
    if (py::isinstance<py::str>(links))
        return TextArgument(links, "links");
    if (!py::isinstance<py::list>(links) && !py::isinstance<py::tuple>(links))
        Raise(
            BadInput("wrong_type",
                     "links must be a list of dicts, or CSV text, not " + std::string(Py_TYPE(links.ptr())->tp_name)));
    const py::sequence sequence = py::reinterpret_borrow<py::sequence>(links);
    nlohmann::json json = nlohmann::json::array();
    for (const py::handle link : sequence) {
        if (!py::isinstance<py::dict>(link))
            Raise(BadInput("wrong_type", "each link must be a dict of name, direction, nominal_mm and tolerance"));
        nlohmann::json fields = nlohmann::json::object();
        for (const auto& [key, value] : py::reinterpret_borrow<py::dict>(link)) {
            const std::string name = TextArgument(key, "a link's key");
            fields[name] = Argument(value, name.c_str());
        }
        json.push_back(std::move(fields));
        if (json.size() > kMostChainLinks)
            break; // one more than a chain holds: the answer refuses it in its own words
    }
    return json;
}

py::object Stack(const py::handle& links, const py::handle& require, const py::handle& method,
                 const py::handle& samples, const py::handle& seed, const py::handle& charts)
{
    nlohmann::json options = nlohmann::json::object();
    options[py::isinstance<py::str>(links) ? "csv" : "links"] = ChainLinks(links);
    options["require"] = Argument(require, "require", ArgumentShape::Pair);
    options["method"] = Argument(method, "method");
    options["samples"] = Argument(samples, "samples");
    options["seed"] = Argument(seed, "seed");
    options["charts"] = Argument(charts, "charts");
    return Answered([&] { return StackAnswer(ShippedTables(), options); });
}

py::object AllServiceInputs()
{
    return Answered([] { return Answer(ServiceInputsJson()); });
}

// service's docstring, its keyword arguments from the engine's table of the joint's inputs.
std::string ServiceDoc()
{
    std::string doc
        = "A fit at service conditions, at standstill and in service, with warnings where a limit is passed: "
          "interference (µm), pressure and stresses (MPa), torque (N·m), forces (N), temperatures (°C). "
          "Give fit ('H7/s6') or hole and shaft as (upper_um, lower_um), and the joint by keyword "
          "(service_inputs() lists them with units, defaults and ranges):";
    for (const std::string_view key : ServiceJointKeys())
        doc += " " + std::string(key) + "=";
    return doc + ".";
}

py::object AllMaterials()
{
    return Answered([] { return MaterialsAnswer(); });
}

py::object AllTolerances()
{
    return Answered([] { return TolerancesTableAnswer(); });
}

py::object Thread(const py::handle& designation)
{
    const std::string text = TextArgument(designation, "designation");
    return Answered([&] { return ThreadAnswer(text); });
}

py::object ThreadTable(const py::handle& series, const py::handle& toleranceClass)
{
    const std::string seriesText = TextArgument(series, "series");
    const std::string classText = TextArgument(toleranceClass, "tolerance_class");
    return Answered([&] { return ThreadTableAnswer(seriesText, classText); });
}

} // namespace

PYBIND11_MODULE(quorlan, module)
{
    module.doc() = "ISO 286 limits and fits: sizes in mm, deviations, clearances and tolerances in µm. Each "
                   "function answers what quorlan-cli --json answers, as plain dicts and lists.";
    g_refusedType = PyErr_NewExceptionWithDoc(
        "quorlan.Refused", "The standard gives no value for a well-formed question; .reason is a stable code.",
        PyExc_ValueError, nullptr);
    if (!g_refusedType)
        throw py::error_already_set();
    module.attr("Refused") = py::reinterpret_borrow<py::object>(g_refusedType);

    module.def("fit", &Fit, py::arg("designation"), py::arg("size_mm"), py::arg("tables") = py::none(),
               "Both parts of a fit such as 'H7/g6' at a nominal size in mm: deviations in µm, limits of size "
               "in mm, clearances (negative: interference) and fit tolerance in µm.");
    module.def("limits", &Limits, py::arg("tolerance_class"), py::arg("size_mm"), py::arg("tables") = py::none(),
               "One tolerance class such as 'H7' or 'g6' at a nominal size in mm: upper_um, lower_um, max_mm, "
               "min_mm, tolerance_um.");
    module.def("diagram_svg", &DiagramSvg, py::arg("designation"), py::arg("size_mm"), py::arg("tables") = py::none(),
               "The tolerance-zone diagram of a fit such as 'H7/g6' at a nominal size in mm, as SVG text "
               "(deviations in µm on its scale).");
    module.def("tolerance", &Tolerance, py::arg("grade"), py::arg("size_mm"),
               "The standard tolerance of a grade ('IT7', '7', '01') at a nominal size in mm, in µm.");
    module.def("find_fits", &FindFits, py::arg("size_mm"), py::arg("min_clearance") = py::none(),
               py::arg("max_clearance") = py::none(), py::arg("min_interference") = py::none(),
               py::arg("max_interference") = py::none(), py::arg("basis") = "hole", py::arg("grades") = "5-11",
               py::arg("all_grade_pairs") = false, py::arg("limit") = 20, py::arg("tables") = py::none(),
               py::arg("near") = 0,
               "Every fit whose clearances in µm stay within the bounds (each given as a clearance or as an "
               "interference), best first; limit=0 answers all. basis: 'hole', 'shaft' or 'any'; grades: "
               "'5-11', 'IT5-IT11', '01-18'; near: how many fits that miss the range by the least (miss_um) follow.");
    static const std::string serviceDoc = ServiceDoc();
    module.def("service", &Service, py::arg("size_mm"), py::arg("fit") = py::none(), py::arg("hole") = py::none(),
               py::arg("shaft") = py::none(), py::arg("tables") = py::none(), serviceDoc.c_str());
    module.def(
        "stack", &Stack, py::arg("links"), py::arg("require") = py::none(), py::arg("method") = "all",
        py::arg("samples") = 1'000'000, py::arg("seed") = py::none(), py::arg("charts") = false,
        "A dimension chain's closing dimension: links as a list of dicts {name, direction, nominal_mm, "
        "tolerance, distribution, cpk, mean_shift_mm} (or CSV text); require=(min_mm, max_mm); method "
        "'worst', 'rss', 'mc' or 'all'; seed=None is the fixed default 286, as on the command line; charts=True adds "
        "charts: the histogram and the contributions as SVG.");
    module.def("service_inputs", &AllServiceInputs,
               "The joint's inputs that service() takes by keyword: a list of {key, kind, unit, default, range, "
               "choices, help_key, help}.");
    module.def(
        "materials", &AllMaterials,
        "The built-in materials: id, names, E (MPa), Poisson's ratio, expansion (1/K, from 20 °C upwards and down "
        "to -78 °C and -196 °C), strength (MPa), the highest joining temperature (°C), and the source of each.");
    module.def("limits_table", &AllLimits, py::arg("tables") = py::none(),
               "Every limit deviation: a list of {class, from_mm, to_mm, upper_um, lower_um}; None where the "
               "standard gives no value.");
    module.def("check_tables", &CheckTables, py::arg("folder"),
               "Every problem of the five table files in a folder, as quorlan-cli check-tables --json lists "
               "them: a list of {file, line, field, severity, reason}; empty when they are in order.");
    module.def("general", &General, py::arg("size_mm"), py::arg("general_class"), py::arg("kind") = py::none(),
               py::arg("feature") = py::none(), py::arg("standard") = py::none(),
               "A size's general tolerance: general_class 'f', 'm', 'c', 'v' (ISO 2768-1, GB/T 1804) with kind "
               "'linear' (default), 'edge' or 'angle'; or 'H', 'K', 'L' (ISO 2768-2, GB/T 1184) with a feature "
               "'straightness', 'flatness', 'perpendicularity', 'symmetry' or 'runout'; a pair such as 'mK' "
               "answers a size by m and a feature by K. standard: 'iso' (default) or 'gb'.");
    module.def("general_table", &GeneralTableOfClass, py::arg("general_class"), py::arg("standard") = py::none(),
               "Every range of the tables a title block's class ('mK', 'm', 'K') refers to, and the rules for "
               "the features without a table.");
    module.def("bearing_fit", &BearingFit, py::arg("size_mm"), py::arg("seat"), py::arg("bearing_class") = py::none(),
               py::arg("tables") = py::none(),
               "A radial bearing's ring (ISO 492) on its seat: a shaft class such as 'k5' seats the inner ring, a "
               "hole class such as 'H7' the outer. bearing_class: 'normal' (default), '6' or '5'. The fit object "
               "of fit(), with the probable clearances and 'bearing'.");
    module.def("bearing_diagram_svg", &BearingDiagramSvg, py::arg("size_mm"), py::arg("seat"),
               py::arg("bearing_class") = py::none(), py::arg("tables") = py::none(),
               "The bearing seat's tolerance-zone diagram, the ring as the other zone, as SVG text.");
    module.def("thread", &Thread, py::arg("designation"),
               "A metric screw thread such as 'M10-6H/6g' or 'M10x1.25-5H6H' (ISO 261, ISO 965-1): the basic "
               "diameters, each part's limits of size in mm (exact, with their display to 0.001 mm), deviations "
               "and tolerances in µm, the fit's clearance at the pitch diameter, and where ISO 965-1 recommends "
               "the classes.");
    module.def("thread_table", &ThreadTable, py::arg("series") = "coarse",
               py::arg("tolerance_class") = std::string(kDefaultThreadTableClass),
               "Every thread of a series ('coarse', 'fine' or 'all') for one class ('6g', '6H' or '6H/6g'): "
               "{series, class, recommended, rows}, a row per thread as thread() answers it; a part the "
               "standard gives no values for is None, and the row's 'missing' says why.");
    module.def("tolerances_table", &AllTolerances,
               "Every standard tolerance: a list of {grade, from_mm, to_mm, tolerance_um}; None where the standard "
               "gives none.");
}
