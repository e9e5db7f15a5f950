#include "presentation/chain_presentation.h"

#include "core/number_format.h"
#include "presentation/length_figure.h"

std::string ChainExactMmText(ExactLength length)
{
    return DrawingMm(length);
}

std::string ChainDeviationMmText(ExactLength deviation)
{
    return deviation.nm == 0 ? std::string("0") : SignedLengthFigure("deviation", deviation).mm;
}

std::string ChainEstimateMmText(double mm)
{
    return FixedDecimals(mm, 4);
}

std::string ChainPpmText(double ppm)
{
    return FixedDecimals(ppm, 1);
}

std::string ChainCapabilityText(double capability)
{
    return FixedDecimals(capability, 2);
}

std::string ChainShareText(double share)
{
    return FixedDecimals(share * 100, 1) + " %";
}

std::string ChainSensitivityText(int sensitivity)
{
    return sensitivity > 0 ? "+1" : "-1";
}
