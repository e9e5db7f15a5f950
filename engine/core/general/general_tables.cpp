#include "core/general/general_tables.h"

namespace {

constexpr ExactLength Mm(std::int64_t mm)
{
    return ExactLength::FromMm(mm);
}

constexpr ExactLength kHalfMm {500'000};

constexpr GeneralRange From(ExactLength over, ExactLength upTo)
{
    return {over, upTo, true};
}
constexpr GeneralRange Over(ExactLength over, ExactLength upTo)
{
    return {over, upTo, false};
}
constexpr GeneralRange OverOnly(ExactLength over)
{
    return {over, std::nullopt, false};
}

// Linear sizes but broken edges, µm (ISO 2768-1:1989 Table 1; GB/T 1804-2000 Table 1 is the same).
// Class f has no value over 2000 mm, class v none up to 3 mm.
constexpr std::array kLinearRows = {
    GeneralRow {From(kHalfMm, Mm(3)), {50, 100, 200, kNoCell}},
    GeneralRow {Over(Mm(3), Mm(6)), {50, 100, 300, 500}},
    GeneralRow {Over(Mm(6), Mm(30)), {100, 200, 500, 1000}},
    GeneralRow {Over(Mm(30), Mm(120)), {150, 300, 800, 1500}},
    GeneralRow {Over(Mm(120), Mm(400)), {200, 500, 1200, 2500}},
    GeneralRow {Over(Mm(400), Mm(1000)), {300, 800, 2000, 4000}},
    GeneralRow {Over(Mm(1000), Mm(2000)), {500, 1200, 3000, 6000}},
    GeneralRow {Over(Mm(2000), Mm(4000)), {kNoCell, 2000, 4000, 8000}},
};

// Broken edges, external radii and chamfer heights, µm (ISO 2768-1:1989 Table 2).
constexpr std::array kIsoEdgeRows = {
    GeneralRow {From(kHalfMm, Mm(3)), {200, 200, 400, 400}},
    GeneralRow {Over(Mm(3), Mm(6)), {500, 500, 1000, 1000}},
    GeneralRow {OverOnly(Mm(6)), {1000, 1000, 2000, 2000}},
};

// GB/T 1804-2000 Table 2 splits ISO's last range at 30 mm.
constexpr std::array kGbEdgeRows = {
    GeneralRow {From(kHalfMm, Mm(3)), {200, 200, 400, 400}},
    GeneralRow {Over(Mm(3), Mm(6)), {500, 500, 1000, 1000}},
    GeneralRow {Over(Mm(6), Mm(30)), {1000, 1000, 2000, 2000}},
    GeneralRow {OverOnly(Mm(30)), {2000, 2000, 4000, 4000}},
};

// Angles by the length of the shorter side, minutes of arc (ISO 2768-1:1989 Table 3; GB/T
// 1804-2000 Table 3 the same).
constexpr std::array kAngleRows = {
    GeneralRow {Over(Mm(0), Mm(10)), {60, 60, 90, 180}},  GeneralRow {Over(Mm(10), Mm(50)), {30, 30, 60, 120}},
    GeneralRow {Over(Mm(50), Mm(120)), {20, 20, 30, 60}}, GeneralRow {Over(Mm(120), Mm(400)), {10, 10, 15, 30}},
    GeneralRow {OverOnly(Mm(400)), {5, 5, 10, 20}},
};

// Straightness and flatness by nominal length, µm, classes H K L (ISO 2768-2:1989 Table 1; GB/T
// 1184-1996 Table B.1).
constexpr std::array kStraightnessRows = {
    GeneralRow {Over(Mm(0), Mm(10)), {20, 50, 100, kNoCell}},
    GeneralRow {Over(Mm(10), Mm(30)), {50, 100, 200, kNoCell}},
    GeneralRow {Over(Mm(30), Mm(100)), {100, 200, 400, kNoCell}},
    GeneralRow {Over(Mm(100), Mm(300)), {200, 400, 800, kNoCell}},
    GeneralRow {Over(Mm(300), Mm(1000)), {300, 600, 1200, kNoCell}},
    GeneralRow {Over(Mm(1000), Mm(3000)), {400, 800, 1600, kNoCell}},
};

// Perpendicularity by the length of the shorter side, µm (ISO 2768-2:1989 Table 2; GB/T 1184-1996
// Table B.2).
constexpr std::array kPerpendicularityRows = {
    GeneralRow {Over(Mm(0), Mm(100)), {200, 400, 600, kNoCell}},
    GeneralRow {Over(Mm(100), Mm(300)), {300, 600, 1000, kNoCell}},
    GeneralRow {Over(Mm(300), Mm(1000)), {400, 800, 1500, kNoCell}},
    GeneralRow {Over(Mm(1000), Mm(3000)), {500, 1000, 2000, kNoCell}},
};

// Symmetry by nominal length, µm (ISO 2768-2:1989 Table 3; GB/T 1184-1996 Table B.3).
constexpr std::array kSymmetryRows = {
    GeneralRow {Over(Mm(0), Mm(100)), {500, 600, 600, kNoCell}},
    GeneralRow {Over(Mm(100), Mm(300)), {500, 600, 1000, kNoCell}},
    GeneralRow {Over(Mm(300), Mm(1000)), {500, 800, 1500, kNoCell}},
    GeneralRow {Over(Mm(1000), Mm(3000)), {500, 1000, 2000, kNoCell}},
};

// Circular run-out, µm, for any length (ISO 2768-2:1989 Table 4; GB/T 1184-1996 Table B.4).
constexpr std::array kRunoutRows = {
    GeneralRow {OverOnly(Mm(0)), {100, 200, 500, kNoCell}},
};

constexpr GeneralTable kIsoLinear {"ISO 2768-1", "ISO 2768-1:1989 Table 1", kLinearRows};
constexpr GeneralTable kGbLinear {"GB/T 1804-2000", "GB/T 1804-2000 Table 1", kLinearRows};
constexpr GeneralTable kIsoEdge {"ISO 2768-1", "ISO 2768-1:1989 Table 2", kIsoEdgeRows};
constexpr GeneralTable kGbEdge {"GB/T 1804-2000", "GB/T 1804-2000 Table 2", kGbEdgeRows};
constexpr GeneralTable kIsoAngle {"ISO 2768-1", "ISO 2768-1:1989 Table 3", kAngleRows};
constexpr GeneralTable kGbAngle {"GB/T 1804-2000", "GB/T 1804-2000 Table 3", kAngleRows};

constexpr GeneralTable kIsoStraightness {"ISO 2768-2", "ISO 2768-2:1989 Table 1", kStraightnessRows};
constexpr GeneralTable kGbStraightness {"GB/T 1184-1996", "GB/T 1184-1996 Table B.1", kStraightnessRows};
constexpr GeneralTable kIsoPerpendicularity {"ISO 2768-2", "ISO 2768-2:1989 Table 2", kPerpendicularityRows};
constexpr GeneralTable kGbPerpendicularity {"GB/T 1184-1996", "GB/T 1184-1996 Table B.2", kPerpendicularityRows};
constexpr GeneralTable kIsoSymmetry {"ISO 2768-2", "ISO 2768-2:1989 Table 3", kSymmetryRows};
constexpr GeneralTable kGbSymmetry {"GB/T 1184-1996", "GB/T 1184-1996 Table B.3", kSymmetryRows};
constexpr GeneralTable kIsoRunout {"ISO 2768-2", "ISO 2768-2:1989 Table 4", kRunoutRows};
constexpr GeneralTable kGbRunout {"GB/T 1184-1996", "GB/T 1184-1996 Table B.4", kRunoutRows};

} // namespace

const GeneralTable& LinearTable(GeneralKind kind, GeneralStandard standard)
{
    const bool gb = standard == GeneralStandard::Gb;
    switch (kind) {
    case GeneralKind::Linear:
        return gb ? kGbLinear : kIsoLinear;
    case GeneralKind::Edge:
        return gb ? kGbEdge : kIsoEdge;
    case GeneralKind::Angle:
        return gb ? kGbAngle : kIsoAngle;
    }
    return kIsoLinear;
}

const GeneralTable& GeometricalTable(GeometricalFeature feature, GeneralStandard standard)
{
    const bool gb = standard == GeneralStandard::Gb;
    switch (feature) {
    case GeometricalFeature::Straightness:
    case GeometricalFeature::Flatness:
        return gb ? kGbStraightness : kIsoStraightness;
    case GeometricalFeature::Perpendicularity:
        return gb ? kGbPerpendicularity : kIsoPerpendicularity;
    case GeometricalFeature::Symmetry:
        return gb ? kGbSymmetry : kIsoSymmetry;
    case GeometricalFeature::Runout:
        return gb ? kGbRunout : kIsoRunout;
    }
    return kIsoStraightness;
}
