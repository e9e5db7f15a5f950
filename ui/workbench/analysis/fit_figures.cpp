#include "workbench/analysis/fit_figures.h"

#include "workbench/analysis/analysis_texts.h"

#include <string>
#include <utility>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "" + "hole" + "UpperValue" = "holeUpperValue"; "bearing" + "hole" + ... = "bearingHoleUpperValue".
QString Joined(const QString& prefix, QString part, const QString& rest)
{
    if (!prefix.isEmpty())
        part[0] = part[0].toUpper();
    return prefix + part + rest;
}

} // namespace

QLabel* FitFigures::NewValue(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

FitFigures::FitFigures(const QString& partsTitle, const QString& partPrefix, const QString& fitPrefix, QWidget* parent)
{
    m_partsBox = new QGroupBox(partsTitle, parent);
    auto* partGrid = new QGridLayout(m_partsBox);
    partGrid->setHorizontalSpacing(16);
    const std::pair<PartLabels*, QString> parts[]
        = {{&m_hole, QStringLiteral("hole")}, {&m_shaft, QStringLiteral("shaft")}};
    const struct
    {
        QString caption;
        QLabel* PartLabels::*member;
        const char* name;
    } rows[] = {
        {tr("上偏差"), &PartLabels::upper, "UpperValue"},
        {tr("下偏差"), &PartLabels::lower, "LowerValue"},
        {tr("最大极限尺寸"), &PartLabels::largestSize, "LargestValue"},
        {tr("最小极限尺寸"), &PartLabels::smallestSize, "SmallestValue"},
        {tr("公差"), &PartLabels::tolerance, "ToleranceValue"},
    };
    for (int column = 1; column <= 2; ++column) {
        const auto& [labels, part] = parts[column - 1];
        labels->heading = NewValue(Joined(partPrefix, part, QStringLiteral("Heading")), m_partsBox);
        partGrid->addWidget(labels->heading, 0, column);
        for (int row = 0; row < 5; ++row) {
            QLabel*& value = labels->*rows[row].member;
            value = NewValue(Joined(partPrefix, part, QLatin1String(rows[row].name)), m_partsBox);
            partGrid->addWidget(value, row + 1, column);
        }
    }
    for (int row = 0; row < 5; ++row)
        partGrid->addWidget(new QLabel(rows[row].caption, m_partsBox), row + 1, 0);

    m_fitBox = new QGroupBox(tr("配合"), parent);
    m_fitGrid = new QGridLayout(m_fitBox);
    m_fitGrid->setHorizontalSpacing(16);
    m_fitType = NewValue(fitPrefix + QStringLiteral("TypeValue"), m_fitBox);
    m_fitGrid->addWidget(new QLabel(tr("配合性质"), m_fitBox), 0, 0);
    m_fitGrid->addWidget(m_fitType, 0, 1);
    // The probable extremes below the theoretical ones, in their order, then the mean.
    const char* lines[] = {"Extreme1", "Extreme2", "Probable1", "Probable2", "Mean"};
    for (int line = 0; line < 5; ++line) {
        m_captions[line] = NewValue(fitPrefix + QLatin1String(lines[line]) + QStringLiteral("Caption"), m_fitBox);
        m_values[line] = NewValue(fitPrefix + QLatin1String(lines[line]) + QStringLiteral("Value"), m_fitBox);
        m_fitGrid->addWidget(m_captions[line], line + 1, 0);
        m_fitGrid->addWidget(m_values[line], line + 1, 1);
    }
    m_fitTolerance = NewValue(fitPrefix + QStringLiteral("ToleranceValue"), m_fitBox);
    m_fitGrid->addWidget(new QLabel(tr("配合公差 Tf"), m_fitBox), 6, 0);
    m_fitGrid->addWidget(m_fitTolerance, 6, 1);
    m_fitGrid->setColumnStretch(1, 1);
}

void FitFigures::Show(const FitTexts& texts) const
{
    for (const auto& [labels, part] : {std::pair {&m_hole, &texts.hole}, std::pair {&m_shaft, &texts.shaft}}) {
        labels->heading->setText(FromUtf8(part->heading));
        labels->upper->setText(FromUtf8(part->upper));
        labels->lower->setText(FromUtf8(part->lower));
        labels->largestSize->setText(FromUtf8(part->largestSize));
        labels->smallestSize->setText(FromUtf8(part->smallestSize));
        labels->tolerance->setText(FromUtf8(part->tolerance));
    }
    m_fitType->setText(FromUtf8(texts.type));
    const std::pair<const std::string&, const std::string&> lines[] = {
        {texts.extreme1Caption, texts.extreme1Value},
        {texts.extreme2Caption, texts.extreme2Value},
        {texts.probableCaptions[0], texts.probableValues[0]},
        {texts.probableCaptions[1], texts.probableValues[1]},
        {texts.meanCaption, texts.meanValue},
    };
    for (int line = 0; line < 5; ++line) {
        m_captions[line]->setText(FromUtf8(lines[line].first));
        m_values[line]->setText(FromUtf8(lines[line].second));
    }
    m_fitTolerance->setText(FromUtf8(texts.fitTolerance));
}
