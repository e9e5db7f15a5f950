#pragma once

#include <optional>

#include <QWidget>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "fit_analysis.h"
#endif

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QStackedWidget;

// "使用条件": the window's fit as a press fit of a hub on a shaft at service temperatures. Every
// change of an input shows the results at once; an input that makes no sense, or a fit the
// analysis has no limits for, shows its reason in place of the results.
class ServicePage : public QWidget
{
    Q_OBJECT

public:
    explicit ServicePage(QWidget* parent = nullptr);

    // The analysis tab's current fit, or the reason it has none.
    void SetFit(const std::optional<FitAnalysis>& fit, const QString& problem);

private:
    struct MaterialFields
    {
        QComboBox* list = nullptr;
        QLineEdit* youngsModulus = nullptr;
        QLineEdit* poissonRatio = nullptr;
        QLineEdit* expansion = nullptr;
        QLineEdit* strength = nullptr;
    };

    QWidget* CreateInputs();
    QWidget* CreateResults(QWidget* parent);
    MaterialFields CreateMaterial(const char* name, QGridLayout* grid, int column);
    void FillMaterial(const MaterialFields& fields);
    void Recalculate();

    std::optional<FitAnalysis> m_fit;
    QString m_fitProblem;

    QLabel* m_fitLabel = nullptr;
    QLineEdit* m_hubOutsideBox = nullptr;
    QLineEdit* m_shaftBoreBox = nullptr;
    QLineEdit* m_lengthBox = nullptr;
    MaterialFields m_hub;
    MaterialFields m_shaft;
    QLineEdit* m_hubTemperatureBox = nullptr;
    QLineEdit* m_shaftTemperatureBox = nullptr;
    QLineEdit* m_frictionBox = nullptr;
    QLineEdit* m_hubRzBox = nullptr;
    QLineEdit* m_shaftRzBox = nullptr;
    QComboBox* m_smoothingList = nullptr;
    QLineEdit* m_joiningClearanceBox = nullptr;
    QLineEdit* m_zoneSigmaBox = nullptr;

    QStackedWidget* m_output = nullptr;
    QWidget* m_resultsPage = nullptr;
    QList<QLabel*> m_resultCaptions;
    QList<QLabel*> m_resultValues;
    QLabel* m_assumptionsLabel = nullptr;
    QLabel* m_problemLabel = nullptr;
};
