#pragma once

#include <array>
#include <optional>

#include <QWidget>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "core/fit_analysis.h"
#include "workbench/service/service_model.h"
#endif

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QStackedWidget;
class WarningBanner;

// "使用条件": the window's fit as a press fit of a hub on a shaft under a load, at standstill and at
// service temperatures, both states side by side and each warning on the banner above them. Every
// change of an input shows the results at once; an input that makes no sense, or a fit the
// analysis has no limits for, shows its reason in place of the results.
class ServicePage : public QWidget
{
    Q_OBJECT

public:
    explicit ServicePage(QWidget* parent = nullptr);

    // The analysis tab's current fit, or the reason it has none.
    void SetFit(const std::optional<FitAnalysis>& fit, const QString& problem);

    QLineEdit* Box(ServiceField field) const { return m_boxes[static_cast<std::size_t>(field)]; }

    // The inputs as typed with the fit's limits, when there is a fit and every field reads.
    std::optional<ServiceInputs> Inputs() const;

    // The fields as typed with the chosen lists: the joint and its load, for the fit finder.
    ServiceForm Form() const;

signals:
    // An input changed: what the finder's search from the load takes has changed.
    void formChanged();

private:
    struct MaterialFields
    {
        QComboBox* list = nullptr;
        ServiceField youngsModulus;
        ServiceField poissonRatio;
        ServiceField expansion;
        ServiceField strength;
    };

    QWidget* CreateInputs();
    QWidget* CreateResults(QWidget* parent);
    QLineEdit* NewBox(ServiceField field, const char* name, const QString& text, QWidget* parent);
    void CreateMaterial(MaterialFields& fields, const char* name, QGridLayout* grid, int column);
    void FillMaterial(const MaterialFields& fields);
    QWidget* CreateStates(QWidget* parent);
    void ShowFrictionDefaults();
    void Recalculate();

    std::optional<FitAnalysis> m_fit;
    QString m_fitProblem;

    QLabel* m_fitLabel = nullptr;
    std::array<QLineEdit*, kServiceFieldCount> m_boxes {};
    MaterialFields m_hub {nullptr, ServiceField::HubYoungsModulus, ServiceField::HubPoissonRatio,
                          ServiceField::HubExpansion, ServiceField::HubStrength};
    MaterialFields m_shaft {nullptr, ServiceField::ShaftYoungsModulus, ServiceField::ShaftPoissonRatio,
                            ServiceField::ShaftExpansion, ServiceField::ShaftStrength};
    QComboBox* m_smoothingList = nullptr;
    QComboBox* m_joiningList = nullptr;
    QComboBox* m_surfaceList = nullptr;

    QStackedWidget* m_output = nullptr;
    QWidget* m_resultsPage = nullptr;
    QList<QLabel*> m_resultCaptions;
    QList<QLabel*> m_resultValues;
    QList<QLabel*> m_resultStates; // the state a worse-of-both value is from
    QList<QLabel*> m_stateCaptions; // the states table: a caption and a value per state on each row
    QList<std::array<QLabel*, 2>> m_stateValues;
    std::array<QLabel*, 2> m_stateHeadings {};
    QLabel* m_assumptionsLabel = nullptr;
    QWidget* m_problemPage = nullptr;
    WarningBanner* m_problemBanner = nullptr;
    WarningBanner* m_warningBanner = nullptr;
};
