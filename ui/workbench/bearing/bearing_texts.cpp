#include "workbench/bearing/bearing_texts.h"

#include "presentation/drawing_line.h"
#include "workbench/text_language.h"

using words::Filled;
using words::translate;

std::string BearingClassWords(BearingClass bearingClass)
{
    // The report words the classes too: one term each.
    switch (bearingClass) {
    case BearingClass::Normal:
        return translate("Terms", "普通级");
    case BearingClass::Class6:
        return translate("Terms", "6 级");
    case BearingClass::Class5:
        return translate("Terms", "5 级");
    }
    return "";
}

std::string BearingProblemText(const BearingProblem& problem, const std::filesystem::path& tablesFolder)
{
    if (const auto* size = std::get_if<SizeProblem>(&problem))
        return SizeProblemText(*size);
    if (const auto* text = std::get_if<SeatTextProblem>(&problem)) {
        if (text->empty)
            return translate("BearingTexts", "请输入轴承座的公差带：轴如 k5（配内圈），孔如 H7（配外圈）。");
        if (text->problem == ClassTextProblem::NotAClass)
            return Filled(translate("BearingTexts", "公差带“%1”应写作基本偏差字母加公差等级，如 k5、H7。"),
                          {text->typed});
        // The other reasons read the same for a fit's part.
        return FitTextProblemWords({FitTextProblem::Kind::BadClass, Part::Shaft, text->typed, text->problem});
    }
    const auto& refusal = std::get<SeatRefusal>(problem);
    if (const auto* failure = std::get_if<Failure>(&refusal.failure.reason)) {
        const FitDesignation fit {refusal.seat, refusal.seat};
        return FitRefusalText({{refusal.seat.part, *failure}, fit, refusal.size}, tablesFolder);
    }
    const BearingRing ring = refusal.seat.part == Part::Shaft ? BearingRing::Inner : BearingRing::Outer;
    const BearingDiameterRange span = BearingTableSpan(ring);
    return Filled(ring == BearingRing::Inner
                      ? translate("BearingTexts", "ISO 492 只列出内圈内径大于 %1 至 %2 mm 的公差，没有 %3 mm。")
                      : translate("BearingTexts", "ISO 492 只列出外圈外径大于 %1 至 %2 mm 的公差，没有 %3 mm。"),
                  {FormatMm(span.over), FormatMm(span.upTo), FormatMm(refusal.size)});
}

FitTexts DescribeBearingFit(const BearingFit& fit)
{
    FitTexts texts = DescribeFit(fit.analysis);
    const bool inner = fit.ring.ring == BearingRing::Inner;
    const std::string ring
        = Filled(inner ? translate("BearingTexts", "轴承内圈（%1）") : translate("BearingTexts", "轴承外圈（%1）"),
                 {BearingClassWords(fit.ring.bearingClass)});
    (inner ? texts.hole : texts.shaft).heading = ring;
    const PartLimits& seat = inner ? fit.analysis.shaft : fit.analysis.hole;
    texts.drawingLine = SeatDrawingLine(seat, fit.analysis.size);
    return texts;
}
