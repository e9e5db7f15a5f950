#include "report/report_rows.h"

#include "report/report_texts.h"

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// "Hole H7 upper deviation": the caption mid-phrase, so a text of its own, not the term.
void AddPart(QList<QStringList>& rows, const QString& part, const ReportPart& limits)
{
    const QString named = part + QLatin1Char(' ') + Text(limits.className);
    rows << QStringList {ReportTexts::tr("%1 上偏差").arg(named), Text(limits.upperUm), "µm"}
         << QStringList {ReportTexts::tr("%1 下偏差").arg(named), Text(limits.lowerUm), "µm"}
         << QStringList {ReportTexts::tr("%1 最大极限尺寸").arg(named), Text(limits.largestMm), "mm"}
         << QStringList {ReportTexts::tr("%1 最小极限尺寸").arg(named), Text(limits.smallestMm), "mm"}
         << QStringList {ReportTexts::tr("%1 公差").arg(named), Text(limits.toleranceUm), "µm"};
}

void AddValues(QList<QStringList>& rows, const std::vector<ReportValue>& values)
{
    for (const ReportValue& value : values)
        rows << QStringList {ReportTexts::Caption(value.key),
                             value.key == "joining" ? ReportTexts::State(value.value) : Text(value.value),
                             Text(value.unit)};
}

} // namespace

QList<QStringList> ReportRows(const ReportContent& content, ReportSection section)
{
    QList<QStringList> rows {{ReportTexts::tr("项目"), ReportTexts::tr("数值"), ReportTexts::tr("单位")}};
    if (content.bearing)
        rows << QStringList {ReportTexts::Caption("seat"), Text(content.bearing->seatClass), QString()}
             << QStringList {ReportTexts::Caption("bearing"), ReportTexts::Bearing(*content.bearing), QString()};
    else
        rows << QStringList {ReportTexts::Caption("fit"), Text(content.fitName), QString()};
    rows << QStringList {ReportTexts::Caption("size"), Text(content.sizeMm), QStringLiteral("mm")};
    if (section == ReportSection::Fit) {
        // A bearing's ring is named in the rows where its part would be.
        const bool inner = content.bearing && content.bearing->ring == "inner";
        const bool outer = content.bearing && !inner;
        AddPart(rows, inner ? ReportTexts::Bearing(*content.bearing) : ReportTexts::tr("孔"), content.hole);
        AddPart(rows, outer ? ReportTexts::Bearing(*content.bearing) : ReportTexts::tr("轴"), content.shaft);
        rows << QStringList {ReportTexts::Caption("type"), ReportTexts::FitType(content.type), QString()};
        AddValues(rows, content.extremes);
        AddValues(rows, content.probable);
        AddValues(rows, {content.mean, {"fit_tolerance", content.fitToleranceUm, "µm"}});
        rows << QStringList {ReportTexts::Caption("drawing_line"), Text(content.drawingLine), QString()};
        return rows;
    }
    if (content.serviceRefusal)
        rows << QStringList {ReportTexts::tr("警告"), ReportTexts::Note(*content.serviceRefusal), QString()};
    if (!content.service)
        return rows;
    for (const ReportNote& warning : content.service->warnings)
        rows << QStringList {ReportTexts::tr("警告"), ReportTexts::Note(warning), QString()};
    AddValues(rows, content.service->inputs);
    for (const ReportValue& value : content.service->results) {
        const QString state
            = value.state.empty() ? QString() : ReportTexts::tr("（%1）").arg(ReportTexts::State(value.state));
        rows << QStringList {ReportTexts::Caption(value.key) + state, Text(value.value), Text(value.unit)};
    }
    for (const ReportStateRow& row : content.service->states) {
        for (std::size_t state = 0; state < 2; ++state) {
            rows << QStringList {
                ReportTexts::Caption(row.key) + QLatin1Char(' ')
                    + ReportTexts::tr("（%1）").arg(ReportTexts::State(state == 0 ? "standstill" : "service")),
                Text(row.values[state]), Text(row.unit)};
        }
    }
    for (const ReportNote& assumption : content.service->assumptions)
        rows << QStringList {ReportTexts::tr("假设"), ReportTexts::Note(assumption), QString()};
    return rows;
}
