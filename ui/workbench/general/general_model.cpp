#include "workbench/general/general_model.h"

#include "core/decimal_text.h"
#include "presentation/general_presentation.h"

#include <algorithm>
#include <optional>

namespace {

std::string WithoutSpaces(std::string_view text)
{
    std::string kept(text);
    std::erase_if(kept, [](char c) { return c == ' ' || c == '\t'; });
    return kept;
}

std::optional<GeometricalFeature> FeatureOf(GeneralQuestion question)
{
    switch (question) {
    case GeneralQuestion::Straightness:
        return GeometricalFeature::Straightness;
    case GeneralQuestion::Flatness:
        return GeometricalFeature::Flatness;
    case GeneralQuestion::Perpendicularity:
        return GeometricalFeature::Perpendicularity;
    case GeneralQuestion::Symmetry:
        return GeometricalFeature::Symmetry;
    case GeneralQuestion::Runout:
        return GeometricalFeature::Runout;
    default:
        return std::nullopt;
    }
}

GeneralKind KindOf(GeneralQuestion question)
{
    return question == GeneralQuestion::Edge ? GeneralKind::Edge
        : question == GeneralQuestion::Angle ? GeneralKind::Angle
                                             : GeneralKind::Linear;
}

GeneralRefused RefusedOf(GeneralRefusal refusal, const GeneralTable& table, char classLetter, ExactLength size)
{
    return {refusal, GeneralClassDesignation(table, classLetter), size, table.rows.back().range.upTo.value_or(size)};
}

// A cell of a linear or edge table is a ± deviation, of an angle table minutes of arc, of a
// geometrical table a tolerance: worded as the presentation words one size's answer.
std::string CellText(const GeneralTable& table, const GeneralRow& row, std::size_t column, GeneralKind kind,
                     bool geometrical)
{
    const int cell = row.cells[column];
    if (cell == kNoCell)
        return "-";
    if (geometrical) {
        GeometricalTolerance tolerance;
        tolerance.table = &table;
        tolerance.tolerance = ExactLength::FromUm(cell);
        return GeometricalToleranceText(tolerance);
    }
    GeneralTolerance tolerance;
    tolerance.kind = kind;
    tolerance.table = &table;
    tolerance.deviation = ExactLength::FromUm(cell);
    tolerance.deviationArcMinutes = cell;
    return GeneralDeviationText(tolerance);
}

GeneralTableSection SectionOf(std::string_view key, const GeneralTable& table, std::size_t column, GeneralKind kind,
                              bool geometrical)
{
    GeneralTableSection section {key, table.source, {}};
    for (const GeneralRow& row : table.rows)
        section.rows.push_back({row.range, CellText(table, row, column, kind, geometrical)});
    return section;
}

} // namespace

Result<GeneralClasses, GeneralInputProblem> ReadGeneralClasses(std::string_view text)
{
    const std::string typed = WithoutSpaces(text);
    if (typed.empty())
        return GeneralInputProblem::ClassEmpty;
    const auto classes = ParseGeneralClasses(typed);
    if (!classes)
        return GeneralInputProblem::NotAClass;
    return *classes;
}

Result<GeneralAnswer, GeneralProblem> AnswerGeneral(std::string_view classText, GeneralStandard standard,
                                                    GeneralQuestion question, std::string_view sizeText)
{
    const auto classes = ReadGeneralClasses(classText);
    if (!classes)
        return GeneralProblem(classes.reason());
    const std::optional<GeometricalFeature> feature = FeatureOf(question);
    if (feature && !classes->geometrical)
        return GeneralProblem(GeneralInputProblem::NeedsGeometricalClass);
    if (!feature && !classes->linear)
        return GeneralProblem(GeneralInputProblem::NeedsLinearClass);

    const std::string typed = WithoutSpaces(sizeText);
    if (typed.empty())
        return GeneralProblem(GeneralInputProblem::SizeEmpty);
    const auto parsed = ParseMillimetres(typed);
    if (!parsed && parsed.reason() == NumberProblem::TooPrecise)
        return GeneralProblem(GeneralInputProblem::SizeTooPrecise);
    if (!parsed && parsed.reason() == NumberProblem::NotANumber)
        return GeneralProblem(GeneralInputProblem::SizeNotANumber);
    // A number too large for any length is past every table.
    const bool beyond = !parsed;
    const ExactLength size = parsed ? *parsed : ExactLength::FromMm(1'000'000);

    if (feature) {
        const GeneralTable& table = GeometricalTable(*feature, standard);
        const char letter = GeometricalClassLetter(*classes->geometrical);
        const auto found = beyond ? Result<GeometricalTolerance, GeneralRefusal>(GeneralRefusal::BeyondTables)
                                  : FindGeometricalTolerance(*feature, *classes->geometrical, standard, size);
        if (!found)
            return GeneralProblem(RefusedOf(found.reason(), table, letter, size));
        return GeneralAnswer {GeometricalToleranceText(*found), GeneralClassDesignation(table, letter), found->range};
    }
    const GeneralKind kind = KindOf(question);
    const GeneralTable& table = LinearTable(kind, standard);
    const char letter = LinearClassLetter(*classes->linear);
    const auto found = beyond ? Result<GeneralTolerance, GeneralRefusal>(GeneralRefusal::BeyondTables)
                              : FindGeneralTolerance(kind, *classes->linear, standard, size);
    if (!found)
        return GeneralProblem(RefusedOf(found.reason(), table, letter, size));
    return GeneralAnswer {GeneralDeviationText(*found), GeneralClassDesignation(table, letter), found->range};
}

std::vector<GeneralTableSection> TitleBlockTables(const GeneralClasses& classes, GeneralStandard standard)
{
    std::vector<GeneralTableSection> sections;
    if (classes.linear) {
        const auto column = static_cast<std::size_t>(*classes.linear);
        for (const auto& [key, kind] : {std::pair {"linear", GeneralKind::Linear},
                                        std::pair {"edge", GeneralKind::Edge}, std::pair {"angle", GeneralKind::Angle}})
            sections.push_back(SectionOf(key, LinearTable(kind, standard), column, kind, false));
    }
    if (classes.geometrical) {
        const auto column = static_cast<std::size_t>(*classes.geometrical);
        // Straightness and flatness share one table.
        for (const auto& [key, feature] :
             {std::pair {"straightness_flatness", GeometricalFeature::Flatness},
              std::pair {"perpendicularity", GeometricalFeature::Perpendicularity},
              std::pair {"symmetry", GeometricalFeature::Symmetry}, std::pair {"runout", GeometricalFeature::Runout}})
            sections.push_back(SectionOf(key, GeometricalTable(feature, standard), column, GeneralKind::Linear, true));
    }
    return sections;
}

std::string TitleBlockDesignation(const GeneralClasses& classes, GeneralStandard standard)
{
    const std::string linear = classes.linear
        ? GeneralClassDesignation(LinearTable(GeneralKind::Linear, standard), LinearClassLetter(*classes.linear))
        : std::string();
    const std::string geometrical = classes.geometrical
        ? GeneralClassDesignation(GeometricalTable(GeometricalFeature::Flatness, standard),
                                  GeometricalClassLetter(*classes.geometrical))
        : std::string();
    if (linear.empty() || geometrical.empty())
        return linear + geometrical;
    // ISO 2768 names both parts in one: "ISO 2768-mK"; the Chinese standards are two.
    if (standard == GeneralStandard::Iso)
        return linear + geometrical.back();
    return linear + ", " + geometrical;
}
