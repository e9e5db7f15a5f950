#include "start/report_command.h"

#include "core/chains/chain_csv.h"
#include "core/decimal_text.h"
#include "core/joint_inputs.h"
#include "core/loaded_tables.h"
#include "core/materials.h"
#include "core/service_conditions.h"
#include "report/report_content.h"
#include "report/report_loader.h"
#include "workbench/analysis/analysis_model.h"
#include "workbench/analysis/analysis_texts.h"
#include "workbench/bearing/bearing_model.h"
#include "workbench/bearing/bearing_texts.h"
#include "workbench/chain/chain_file.h"
#include "workbench/chain/chain_model.h"
#include "workbench/chain/chain_texts.h"
#include "workbench/general/general_model.h"
#include "workbench/general/general_texts.h"
#include "workbench/thread/thread_model.h"
#include "workbench/thread/thread_texts.h"
#include "workbench/workbench_language.h"

#include <algorithm>
#include <cstdio>
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

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "press or shrink".
QString Choices(const JointInput& input)
{
    return FromView(input.choices).replace(QLatin1Char('|'), QStringLiteral(" or "));
}

// The service inputs of the options, read by the reader of every front end (core/joint_inputs.h),
// or the usage message. The options are the joint's inputs with - for _ ("hub-od").
std::variant<ServiceInputs, QString> ReadServiceOptions(const ReportRequest& request)
{
    std::vector<std::string> keys;
    std::vector<JointValue> values;
    keys.reserve(request.serviceOptions.size());
    for (const auto& [name, text] : request.serviceOptions) {
        std::string key = name.toStdString();
        std::replace(key.begin(), key.end(), '-', '_');
        keys.push_back(std::move(key));
    }
    for (std::size_t index = 0; index < keys.size(); ++index) {
        const QString& name = request.serviceOptions[index].first;
        const std::string text = request.serviceOptions[index].second.toStdString();
        const JointInput* input = FindJointInput(keys[index]);
        if (!input)
            return QStringLiteral("--%1 is not a press-fit option").arg(name);
        JointValue value {input->key, 0.0, text};
        if (input->kind == JointInputKind::Number) {
            const auto number = ParseDecimalNumber(text);
            if (!number)
                return QStringLiteral("--%1 \"%2\" is not a number")
                    .arg(name, QString::fromStdString(QuotePrefix(text)));
            value.number = *number;
        }
        values.push_back(std::move(value));
    }
    ServiceInputs inputs;
    const auto problem = ApplyJointValues(inputs, values);
    if (!problem)
        return inputs;
    const auto typed = [&] {
        for (std::size_t index = 0; index < keys.size(); ++index)
            if (keys[index] == problem->key)
                return request.serviceOptions[index].second;
        return QString();
    };
    const QString option = FromView(problem->key).replace(QLatin1Char('_'), QLatin1Char('-'));
    switch (problem->kind) {
    case JointProblemKind::UnknownMaterial:
        return QStringLiteral("--%1 \"%2\" is not a built-in material (quorlan-cli service --materials lists them)")
            .arg(option, typed());
    case JointProblemKind::BadChoice:
        return QStringLiteral("--%1 \"%2\" is not %3").arg(option, typed(), Choices(*FindJointInput(problem->key)));
    case JointProblemKind::ConflictingFriction:
        return QStringLiteral("--friction sets both coefficients: give it or --friction-holding and "
                              "--friction-pressing, not both");
    case JointProblemKind::UnknownKey:
        break;
    }
    return QStringLiteral("--%1 is not a press-fit option").arg(option);
}

} // namespace

const std::vector<QString>& ReportServiceOptionNames()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> list;
        for (const JointInput& input : JointInputs())
            list.push_back(FromView(input.key).replace(QLatin1Char('_'), QLatin1Char('-')));
        return list;
    }();
    return names;
}

namespace {

QString Today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

int WriteContent(const ReportContent& content, const QString& path)
{
    const QString error = ExportReportPdf(content, path);
    if (!error.isEmpty())
        return Fail(kExitNoResult, QStringLiteral("cannot write %1: %2").arg(path, error));
    return kExitWritten;
}

int RunGeneralTable(const ReportRequest& request)
{
    if (!request.fit.isEmpty() || !request.bearingSeat.isEmpty() || !request.size.isEmpty())
        return Fail(kExitUsage,
                    QStringLiteral("--general-class prints a class's table: it takes no --fit, "
                                   "--bearing-seat or --size"));
    const auto classes = ReadGeneralClasses(request.generalClass.toStdString());
    if (!classes)
        return Fail(kExitUsage,
                    QStringLiteral("--general-class \"%1\" is not f, m, c or v, H, K or L, or a pair "
                                   "such as mK")
                        .arg(request.generalClass));
    const auto standard = ParseGeneralStandard(request.standard.isEmpty() ? "iso" : request.standard.toStdString());
    if (!standard)
        return Fail(kExitUsage, QStringLiteral("--standard takes iso or gb, not %1").arg(request.standard));
    ApplyWorkbenchLanguage(request.english ? WorkbenchLanguage::English : WorkbenchLanguage::Chinese);
    return WriteContent(BuildGeneralTableReportContent(
                            *classes, *standard, request.english ? ReportLanguage::English : ReportLanguage::Chinese,
                            QUORLAN_VERSION, Today().toStdString()),
                        request.path);
}

int RunBearingSeat(const ReportRequest& request)
{
    if (!request.fit.isEmpty())
        return Fail(kExitUsage, QStringLiteral("give --fit or --bearing-seat, not both"));
    if (request.size.isEmpty())
        return Fail(kExitUsage, QStringLiteral("--bearing-seat needs --size, e.g. --bearing-seat k5 --size 25"));
    const auto bearingClass
        = ParseBearingClass(request.bearingClass.isEmpty() ? "normal" : request.bearingClass.toStdString());
    if (!bearingClass)
        return Fail(kExitUsage,
                    QStringLiteral("--bearing-class takes normal, 6 or 5, not %1").arg(request.bearingClass));
    if (!request.tablesFolder.isEmpty() && !QFileInfo(request.tablesFolder).isDir())
        return Fail(kExitUsage, QStringLiteral("--tables: no such folder: %1").arg(request.tablesFolder));
    const std::filesystem::path tables = request.tablesFolder.toStdString();
    const auto fit
        = AnalyseTypedSeat(tables, request.size.toStdString(), request.bearingSeat.toStdString(), *bearingClass);
    if (!fit) {
        // A size or class that does not read is a usage error; a seat the tables refuse, no result.
        const bool refused = std::holds_alternative<SeatRefusal>(fit.reason());
        return Fail(refused ? kExitNoResult : kExitUsage,
                    QString::fromStdString(BearingProblemText(fit.reason(), tables)));
    }
    ApplyWorkbenchLanguage(request.english ? WorkbenchLanguage::English : WorkbenchLanguage::Chinese);
    ReportContent content
        = BuildBearingReportContent(*fit, request.english ? ReportLanguage::English : ReportLanguage::Chinese,
                                    QUORLAN_VERSION, Today().toStdString());
    content.tablesFolder = QDir(request.tablesFolder.isEmpty() ? QDir::currentPath() : request.tablesFolder)
                               .absolutePath()
                               .toStdString();
    return WriteContent(content, request.path);
}

int RunThread(const ReportRequest& request)
{
    if (!request.fit.isEmpty() || !request.bearingSeat.isEmpty() || !request.generalClass.isEmpty()
        || !request.size.isEmpty())
        return Fail(kExitUsage,
                    QStringLiteral("--thread prints a thread's limits: it takes no --fit, --bearing-seat, "
                                   "--general-class or --size"));
    // The reason in the report's language, as the window words it.
    ApplyWorkbenchLanguage(request.english ? WorkbenchLanguage::English : WorkbenchLanguage::Chinese);
    const auto analysis = AnalyseTypedThread(request.thread.toStdString());
    if (!analysis) {
        // A designation that does not read is a usage error; a class the tables refuse, no result.
        const bool refused = std::holds_alternative<ThreadLimitsRefused>(analysis.reason());
        return Fail(refused ? kExitNoResult : kExitUsage, QString::fromStdString(ThreadProblemText(analysis.reason())));
    }
    return WriteContent(BuildThreadReportContent(*analysis,
                                                 request.english ? ReportLanguage::English : ReportLanguage::Chinese,
                                                 QUORLAN_VERSION, Today().toStdString()),
                        request.path);
}

// The chain read as `quorlan-cli stack` reads it, its problems worded as it words them: the file's
// name, its line and the link's name.
int RunChain(const ReportRequest& request)
{
    if (!request.fit.isEmpty() || !request.bearingSeat.isEmpty() || !request.generalClass.isEmpty()
        || !request.thread.isEmpty() || !request.size.isEmpty())
        return Fail(kExitUsage,
                    QStringLiteral("--chain reports a dimension chain: it takes no --fit, --bearing-seat, "
                                   "--general-class, --thread or --size"));
    if (!request.tablesFolder.isEmpty() && !QFileInfo(request.tablesFolder).isDir())
        return Fail(kExitUsage, QStringLiteral("--tables: no such folder: %1").arg(request.tablesFolder));
    ApplyWorkbenchLanguage(request.english ? WorkbenchLanguage::English : WorkbenchLanguage::Chinese);
    const auto settings
        = ReadChainSettings(request.require.value(0).toStdString(), request.require.value(1).toStdString(),
                            request.samples.toStdString(), request.seed.toStdString());
    if (!settings)
        return Fail(kExitUsage, QString::fromStdString(ChainFormProblemText(settings.reason(), {})));
    const std::filesystem::path file = request.chain.toStdString();
    const auto text = ReadChainFileText(file);
    if (!text)
        return Fail(kExitUsage, QStringLiteral("--chain \"%1\" is not a file that can be read").arg(request.chain));
    const std::filesystem::path tables = request.tablesFolder.toStdString();
    const auto rows = ReadChainRows(*text);
    const auto links = rows ? ReadChainLinks(LoadDeviationTables(tables), *rows)
                            : Result<std::vector<ChainLink>, ChainProblem>(rows.reason());
    if (!links) {
        const ChainProblem& problem = links.reason();
        ChainLinkRefusal refusal {problem, {}, true};
        if (rows)
            for (const ChainRow& row : *rows)
                refusal.row = row.line == problem.line ? row.fields : refusal.row;
        // As quorlan-cli stack: a class or general tolerance without a value at the size is no
        // usage error but no result.
        const bool refused = problem.kind == ChainProblem::Kind::Link
            && (problem.link.kind == LinkProblem::Kind::ClassUndefined
                || problem.link.kind == LinkProblem::Kind::GeneralUndefined);
        return Fail(refused ? kExitNoResult : kExitUsage,
                    request.chain + QStringLiteral(": ")
                        + QString::fromStdString(ChainFormProblemText(ChainFormProblem(refusal), tables)));
    }
    ChainQuestion question {*links, settings->requirement, settings->samples, settings->seed};
    const MonteCarlo run = ChainMonteCarloOf(question);
    return WriteContent(BuildChainReportContent(question, run, QFileInfo(request.chain).fileName().toStdString(),
                                                request.english ? ReportLanguage::English : ReportLanguage::Chinese,
                                                QUORLAN_VERSION, Today().toStdString()),
                        request.path);
}

} // namespace

int RunReportCommand(const ReportRequest& request)
{
    const bool chainSettings = !request.require.isEmpty() || !request.samples.isEmpty() || !request.seed.isEmpty();
    if (chainSettings && request.chain.isEmpty())
        return Fail(kExitUsage, QStringLiteral("--require, --samples and --seed belong to --chain"));
    if (!request.chain.isEmpty() && !request.serviceOptions.empty())
        return Fail(kExitUsage, QStringLiteral("the press-fit options belong to a --fit report"));
    if (!request.chain.isEmpty())
        return RunChain(request);
    const bool seatOrTable
        = !request.bearingSeat.isEmpty() || !request.generalClass.isEmpty() || !request.thread.isEmpty();
    if (seatOrTable && !request.serviceOptions.empty())
        return Fail(kExitUsage, QStringLiteral("the press-fit options belong to a --fit report"));
    if (!request.bearingClass.isEmpty() && request.bearingSeat.isEmpty())
        return Fail(kExitUsage, QStringLiteral("--bearing-class belongs to --bearing-seat"));
    if (!request.standard.isEmpty() && request.generalClass.isEmpty())
        return Fail(kExitUsage, QStringLiteral("--standard belongs to --general-class"));
    if (!request.thread.isEmpty())
        return RunThread(request);
    if (!request.generalClass.isEmpty())
        return RunGeneralTable(request);
    if (!request.bearingSeat.isEmpty())
        return RunBearingSeat(request);
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
        // The input named by its option where it has one, as quorlan-cli names it.
        const ReportNote& refusal = *content.serviceRefusal;
        const std::string_view key = JointInputOfField(refusal.arguments.at(0));
        const QString input = key.empty()
            ? QString::fromStdString(refusal.arguments.at(0))
            : QStringLiteral("--") + FromView(key).replace(QLatin1Char('_'), QLatin1Char('-'));
        return Fail(kExitUsage,
                    QStringLiteral("%1 is refused: %2")
                        .arg(input, QString::fromStdString(refusal.key).replace(QLatin1Char('_'), QLatin1Char(' '))));
    }

    return WriteContent(content, request.path);
}
