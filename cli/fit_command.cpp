#include "answers/fit_answers.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "core/fit_analysis.h"
#include "core/loaded_tables.h"
#include "core/standard_tolerances.h"
#include "core/tolerance_class.h"
#include "presentation/fit_presentation.h"

#include <ostream>

namespace {

void WriteJson(const FitAnalysis& fit, std::ostream& out)
{
    out << PresentedFitJson(fit).dump() << '\n';
}

void WritePart(std::string_view label, const PartPresentation& part, std::ostream& out)
{
    out << label << part.className << ": upper " << part.upper.um << " µm, lower " << part.lower.um << " µm; limits "
        << part.largestSize.mm << " / " << part.smallestSize.mm << " mm; tolerance " << part.tolerance.um << " µm\n";
}

void WriteFigure(const LengthFigure& figure, std::ostream& out)
{
    out << EnglishCaption(figure.key) << ' ' << figure.um << " µm\n";
}

void WriteText(const FitAnalysis& fit, std::ostream& out)
{
    const FitPresentation shown = PresentFit(fit);
    out << "Ø" << shown.sizeMm << " " << shown.fit << ": " << shown.type << " fit\n";
    WritePart("hole  ", shown.hole, out);
    WritePart("shaft ", shown.shaft, out);
    for (const LengthFigure& figure : shown.extremes)
        WriteFigure(figure, out);
    for (const LengthFigure& figure : shown.probable)
        WriteFigure(figure, out);
    WriteFigure(shown.mean, out);
    WriteFigure(shown.fitTolerance, out);
    out << EnglishCaption("drawing_line") << ' ' << shown.drawingLine << '\n';
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
