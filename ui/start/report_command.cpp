#include "start/report_command.h"

#include "core/decimal_text.h"
#include "core/materials.h"
#include "core/service_conditions.h"
#include "report/report_content.h"
#include "report/report_loader.h"
#include "workbench/analysis/analysis_model.h"
#include "workbench/analysis/analysis_texts.h"
#include "workbench/workbench_language.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <variant>

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitNoResult = 1;
constexpr int kExitUsage = 2;

int Fail(int status, const QString& message)
{
    std::fprintf(stderr, "quorlan: %s\n", message.toUtf8().constData());
    return status;
}

using NumberField = std::function<void(ServiceInputs&, double)>;

// The numeric press-fit options and the input each one sets; the names are those of quorlan-cli.
const std::map<QString, NumberField>& NumberFields()
{
    static const std::map<QString, NumberField> fields = {
        {"hub-od",
         [](ServiceInputs& in, double v) {
             in.hubOutsideDiameterMm = v;
         }},
        {"shaft-id",
         [](ServiceInputs& in, double v) {
             in.shaftBoreMm = v;
         }},
        {"length",
         [](ServiceInputs& in, double v) {
             in.lengthMm = v;
         }},
        {"hub-e",
         [](ServiceInputs& in, double v) {
             in.hubMaterial.youngsModulusMpa = v;
         }},
        {"hub-nu",
         [](ServiceInputs& in, double v) {
             in.hubMaterial.poissonRatio = v;
         }},
        {"hub-alpha",
         [](ServiceInputs& in, double v) {
             in.hubMaterial.expansionPerK = v; // for cooling too: the built-in curve is not this material's
             in.hubMaterial.expansionToDryIcePerK = in.hubMaterial.expansionToNitrogenPerK = 0.0;
         }},
        {"hub-yield",
         [](ServiceInputs& in, double v) {
             in.hubMaterial.strengthMpa = v;
             in.hubMaterial.brittle = false;
         }},
        {"shaft-e",
         [](ServiceInputs& in, double v) {
             in.shaftMaterial.youngsModulusMpa = v;
         }},
        {"shaft-nu",
         [](ServiceInputs& in, double v) {
             in.shaftMaterial.poissonRatio = v;
         }},
        {"shaft-alpha",
         [](ServiceInputs& in, double v) {
             in.shaftMaterial.expansionPerK = v;
             in.shaftMaterial.expansionToDryIcePerK = in.shaftMaterial.expansionToNitrogenPerK = 0.0;
         }},
        {"shaft-yield",
         [](ServiceInputs& in, double v) {
             in.shaftMaterial.strengthMpa = v;
             in.shaftMaterial.brittle = false;
         }},
        {"hub-temp",
         [](ServiceInputs& in, double v) {
             in.hubTemperatureC = v;
         }},
        {"shaft-temp",
         [](ServiceInputs& in, double v) {
             in.shaftTemperatureC = v;
         }},
        {"friction",
         [](ServiceInputs& in, double v) {
             in.frictionHolding = in.frictionPressing = v;
         }},
        {"rz-hub",
         [](ServiceInputs& in, double v) {
             in.hubRzUm = v;
         }},
        {"rz-shaft",
         [](ServiceInputs& in, double v) {
             in.shaftRzUm = v;
         }},
        {"joining-clearance",
         [](ServiceInputs& in, double v) {
             in.joiningClearanceMm = v / 1000.0;
         }},
        {"zone-sigma",
         [](ServiceInputs& in, double v) {
             in.zoneSigmas = v;
         }},
        {"friction-holding",
         [](ServiceInputs& in, double v) {
             in.frictionHolding = v;
         }},
        {"friction-pressing",
         [](ServiceInputs& in, double v) {
             in.frictionPressing = v;
         }},
        {"torque",
         [](ServiceInputs& in, double v) {
             in.torqueNm = v;
         }},
        {"axial-force",
         [](ServiceInputs& in, double v) {
             in.axialForceN = v;
         }},
        {"slip-safety",
         [](ServiceInputs& in, double v) {
             in.requiredSlipSafety = v;
         }},
        {"yield-safety",
         [](ServiceInputs& in, double v) {
             in.requiredYieldSafety = v;
         }},
    };
    return fields;
}

// The service inputs of the options, or the usage message. Materials first, so that a value given
// beside a material overrides that material's.
std::variant<ServiceInputs, QString> ReadServiceOptions(const ReportRequest& request)
{
    ServiceInputs inputs;
    for (const auto& [name, text] : request.serviceOptions) {
        if (name != QLatin1String("hub-material") && name != QLatin1String("shaft-material"))
            continue;
        const auto material = FindMaterial(text.toStdString());
        if (!material)
            return QStringLiteral("--%1 \"%2\" is not a built-in material (quorlan-cli service --materials lists them)")
                .arg(name, text);
        (name == QLatin1String("hub-material") ? inputs.hubMaterial : inputs.shaftMaterial) = material->properties;
    }
    const auto given = [&request](const char* option) {
        return std::any_of(request.serviceOptions.begin(), request.serviceOptions.end(),
                           [option](const auto& pair) { return pair.first == QLatin1String(option); });
    };
    if (given("friction") && (given("friction-holding") || given("friction-pressing")))
        return QStringLiteral("--friction sets both coefficients: give it or --friction-holding and "
                              "--friction-pressing, not both");
    for (const auto& [name, text] : request.serviceOptions) {
        if (name == QLatin1String("joining")) {
            if (text == QLatin1String("press"))
                inputs.joining = JoiningMethod::Press;
            else if (text == QLatin1String("shrink"))
                inputs.joining = JoiningMethod::Shrink;
            else
                return QStringLiteral("--joining \"%1\" is not press or shrink").arg(text);
            continue;
        }
        if (name == QLatin1String("smoothing")) {
            if (text == QLatin1String("0.4"))
                inputs.smoothingFactor = kSmoothingFactorDin7190_2017;
            else if (text == QLatin1String("0.8"))
                inputs.smoothingFactor = kSmoothingFactorDin7190_2001;
            else
                return QStringLiteral("--smoothing \"%1\" is not 0.4 or 0.8").arg(text);
            continue;
        }
        const auto field = NumberFields().find(name);
        if (field == NumberFields().end())
            continue;
        const auto number = ParseDecimalNumber(text.toStdString());
        if (!number)
            return QStringLiteral("--%1 \"%2\" is not a number")
                .arg(name, QString::fromStdString(QuotePrefix(text.toStdString())));
        field->second(inputs, *number);
    }
    return inputs;
}

} // namespace

const std::vector<QString>& ReportServiceOptionNames()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> list = {QStringLiteral("hub-material"), QStringLiteral("shaft-material"),
                                     QStringLiteral("smoothing"), QStringLiteral("joining")};
        for (const auto& [name, field] : NumberFields())
            list.push_back(name);
        return list;
    }();
    return names;
}

int RunReportCommand(const ReportRequest& request)
{
    if (request.fit.isEmpty() || request.size.isEmpty())
        return Fail(kExitUsage, QStringLiteral("--report needs --fit and --size, e.g. --fit H7/g6 --size 40"));
    const auto size = ReadSize(request.size.toStdString());
    if (!size)
        return Fail(kExitUsage, QString::fromStdString(SizeProblemText(size.reason())));
    const auto designation = ReadDesignation(request.fit.toStdString());
    if (!designation)
        return Fail(kExitUsage, QString::fromStdString(FitTextProblemWords(designation.reason())));

    if (!request.tablesFolder.isEmpty() && !QFileInfo(request.tablesFolder).isDir())
        return Fail(kExitUsage, QStringLiteral("--tables: no such folder: %1").arg(request.tablesFolder));

    std::optional<ServiceInputs> service;
    if (!request.serviceOptions.empty()) {
        auto read = ReadServiceOptions(request);
        if (const auto* message = std::get_if<QString>(&read))
            return Fail(kExitUsage, *message);
        service = std::get<ServiceInputs>(read);
    }

    const std::filesystem::path tables = request.tablesFolder.toStdString();
    const auto analysis = AnalyseTypedFit(tables, request.size.toStdString(), request.fit.toStdString());
    if (!analysis)
        return Fail(kExitNoResult, QString::fromStdString(AnalysisProblemText(analysis.reason(), tables)));

    // The report's words come from the workbench's catalogue, as in the window.
    ApplyWorkbenchLanguage(request.english ? WorkbenchLanguage::English : WorkbenchLanguage::Chinese);
    ReportContent content = BuildReportContent(
        *analysis, service ? &*service : nullptr, request.english ? ReportLanguage::English : ReportLanguage::Chinese,
        QUORLAN_VERSION, QDate::currentDate().toString(Qt::ISODate).toStdString());
    content.tablesFolder = QDir(request.tablesFolder.isEmpty() ? QDir::currentPath() : request.tablesFolder)
                               .absolutePath()
                               .toStdString();
    if (content.serviceRefusal) {
        // As quorlan-cli service: an input the press fit refuses is a usage error.
        const ReportNote& refusal = *content.serviceRefusal;
        return Fail(kExitUsage,
                    QStringLiteral("%1 is refused: %2")
                        .arg(QString::fromStdString(refusal.arguments.at(0)),
                             QString::fromStdString(refusal.key).replace(QLatin1Char('_'), QLatin1Char(' '))));
    }

    const QString error = ExportReportPdf(content, request.path);
    if (!error.isEmpty())
        return Fail(kExitNoResult, QStringLiteral("cannot write %1: %2").arg(request.path, error));
    return kExitWritten;
}
