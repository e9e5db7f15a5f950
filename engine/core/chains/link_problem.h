#pragma once

#include "core/failure.h"
#include "core/general/general_tolerances.h"

#include <string>

// Why a chain or one of its links cannot be computed: a value, worded where the answers are.
struct LinkProblem
{
    enum class Kind {
        EmptyName,
        BadDirection, // not +1 or -1
        NominalNotANumber,
        NominalTooPrecise, // more than 6 decimals of a millimetre
        NominalNotPositive, // 0, negative, or beyond any length this program deals in
        ToleranceNotRead, // none of ±T, +U/-L, a class or a general tolerance
        ToleranceTooPrecise, // a deviation with more than 6 decimals of a millimetre
        NegativeTolerance, // "±-0.1"
        DeviationsReversed, // the upper deviation below the lower
        ClassUndefined, // the class has no limits at the link's size: see failure
        GeneralUndefined, // the general tolerance has no value at the link's size: see general
        BadDistribution, // not normal, uniform or triangular
        BadCpk, // not a number over 0
        CpkNotNormal, // a Cpk describes a normal process
        BadMeanShift, // not a decimal number of millimetres
        MeanShiftOutsideZone, // the mean would lie on or beyond a limit
    };
    Kind kind = Kind::EmptyName;
    std::string text; // the field as written
    Failure failure; // ClassUndefined
    GeneralRefusal general = GeneralRefusal::NotPositive; // GeneralUndefined
};

struct ChainProblem
{
    enum class Kind {
        NotUtf8, // the text is not UTF-8
        TooLarge, // a text larger than any chain (kLargestChainTextBytes)
        NoHeader, // the first line is not name,direction,nominal_mm,tolerance[,...]
        FieldCount, // a row with more or fewer fields than its header
        TooManyLinks,
        Empty, // no link at all
        Link, // one link is at fault: see link
    };
    Kind kind = Kind::Empty;
    int line = 0; // 1-based line of the text; for links given one by one, their 1-based number
    LinkProblem link;
};
