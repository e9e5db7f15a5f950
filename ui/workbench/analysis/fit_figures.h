#pragma once

#include <QCoreApplication>
#include <QString>

class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;
struct FitTexts;

// The figures of a described fit, in two group boxes: the hole's and the shaft's limits side by
// side, and the fit's type, extremes, probable extremes, mean and fit tolerance. The fit analysis
// and the bearing seat describe a fit alike and show it so.
class FitFigures
{
    Q_DECLARE_TR_FUNCTIONS(FitFigures)

public:
    // The labels' object names: partPrefix joined to holeUpperValue, shaftHeading, ... (an empty
    // prefix leaves them so); fitPrefix before TypeValue, Extreme1Caption, ..., ToleranceValue.
    FitFigures(const QString& partsTitle, const QString& partPrefix, const QString& fitPrefix, QWidget* parent);

    QGroupBox* PartsBox() const { return m_partsBox; }
    QGroupBox* FitBox() const { return m_fitBox; }
    // The fit box's grid, for rows a page adds below the fit tolerance (from row FirstFreeRow()).
    QGridLayout* FitGrid() const { return m_fitGrid; }
    static constexpr int FirstFreeRow() { return 7; }

    void Show(const FitTexts& texts) const;

    // A selectable value label with that object name.
    static QLabel* NewValue(const QString& name, QWidget* parent);

private:
    struct PartLabels
    {
        QLabel* heading = nullptr;
        QLabel* upper = nullptr;
        QLabel* lower = nullptr;
        QLabel* largestSize = nullptr;
        QLabel* smallestSize = nullptr;
        QLabel* tolerance = nullptr;
    };

    QGroupBox* m_partsBox = nullptr;
    QGroupBox* m_fitBox = nullptr;
    QGridLayout* m_fitGrid = nullptr;
    PartLabels m_hole;
    PartLabels m_shaft;
    QLabel* m_fitType = nullptr;
    QLabel* m_captions[5] = {}; // both extremes, both probable extremes, the mean
    QLabel* m_values[5] = {};
    QLabel* m_fitTolerance = nullptr;
};
