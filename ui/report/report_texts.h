#pragma once

#include "report/report_content.h"

#include <string_view>

#include <QCoreApplication>
#include <QString>

// The report's words, through Qt Linguist: Chinese in the source, English from the translation.
class ReportTexts
{
    Q_DECLARE_TR_FUNCTIONS(ReportTexts)

public:
    // The caption of a value key of the report ("max_clearance", "hub_od", "pressure_min_mpa").
    static QString Caption(std::string_view key);
    // "间隙配合" for "clearance".
    static QString FitType(std::string_view key);
    // "静止" for "standstill", "工作时" for "in_service"; a joining method ("press") too.
    static QString State(std::string_view key);
    // "轴承内圈，普通级": the ring and its class.
    static QString Bearing(const ReportBearing& bearing);
    // A value with its unit, a joining method worded, a worse-of-both-states result with its state.
    static QString Value(const ReportValue& value);
    // A warning, an assumption or a refusal, its numbers filled in.
    static QString Note(const ReportNote& note);
};
