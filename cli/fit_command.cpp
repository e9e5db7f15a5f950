#include "answers/fit_answers.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "core/fit_analysis.h"
#include "core/loaded_tables.h"
#include "core/standard_tolerances.h"
#include "core/tolerance_class.h"

#include <ostream>

namespace {

void WriteJson(const FitAnalysis& fit, std::ostream& out)
{
    out << FitJson(fit).dump() << '\n';
}

void WritePart(std::string_view label, const PartLimits& part, ExactLength size, std::ostream& out)
{
    out << label << ClassName(part.toleranceClass) << ": upper " << SignedUm(part.deviations.upper) << " µm, lower "
        << SignedUm(part.deviations.lower) << " µm; limits " << FormatMm(size + part.deviations.upper) << " / "
        << FormatMm(size + part.deviations.lower) << " mm; tolerance " << FormatUm(part.Tolerance()) << " µm\n";
}

// A clearance (positive) or an interference (negative clearance), in the words of its sign.
std::string ClearanceWords(std::string_view which, ExactLength clearance)
{
    if (clearance.nm >= 0)
        return std::string(which) + " clearance " + FormatUm(clearance) + " µm";
    return std::string(which) + " interference " + FormatUm(-clearance) + " µm";
}

void WriteText(const FitAnalysis& fit, std::ostream& out)
{
    out << "Ø" << FormatMm(fit.size) << " " << ClassName(fit.hole.toleranceClass) << "/"
        << ClassName(fit.shaft.toleranceClass) << ": " << FitTypeName(fit.type) << " fit\n";
    WritePart("hole  ", fit.hole, fit.size, out);
    WritePart("shaft ", fit.shaft, fit.size, out);
    switch (fit.type) {
    case FitType::Clearance:
        out << "largest clearance " << FormatUm(fit.maxClearance) << " µm\n"
            << "smallest clearance " << FormatUm(fit.minClearance) << " µm\n";
        break;
    case FitType::Interference:
        out << "largest interference " << FormatUm(-fit.minClearance) << " µm\n"
            << "smallest interference " << FormatUm(-fit.maxClearance) << " µm\n";
        break;
    case FitType::Transition:
        out << "largest clearance " << FormatUm(fit.maxClearance) << " µm\n"
            << "largest interference " << FormatUm(-fit.minClearance) << " µm\n";
        break;
    }
    out << ClearanceWords("mean", fit.meanClearance) << "\n"
        << "fit tolerance " << FormatUm(fit.fitTolerance) << " µm\n";
    if (IsExperimentalTolerance(fit.hole.toleranceClass.grade, fit.size)
        || IsExperimentalTolerance(fit.shaft.toleranceClass.grade, fit.size))
        out << kExperimentalGradeNote << '\n';
    for (const PartLimits* part : {&fit.hole, &fit.shaft}) {
        if (const auto note = UntabulatedNote(part->toleranceClass))
            out << *note << '\n';
    }
}

} // namespace

int RunFit(const FitRequest& request, std::ostream& out, std::ostream& err)
{
    const auto designation = ParseFitDesignation(request.fitText);
    if (!designation)
        return UsageError(err, "FIT " + Quoted(request.fitText) + " " + FitTextProblemText(designation.reason()));
    const auto size = ReadSizeArgument(request.sizeText, err);
    if (!size)
        return kExitUsage;

    const DeviationTables tables = LoadDeviationTables(request.tables);
    const auto fit = AnalyseFit(tables, *designation, *size);
    if (!fit) {
        err << "quorlan-cli: " << FitFailureText(*designation, fit.reason(), *size, request.tables) << '\n';
        return kExitFailure;
    }
    if (request.json)
        WriteJson(*fit, out);
    else
        WriteText(*fit, out);
    return kExitResult;
}
