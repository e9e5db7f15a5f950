#pragma once

#include "fit_start.h"
#include "tolerance_class.h"

#include <filesystem>
#include <optional>

#include <QWidget>

class FitDiagramView;
class FitFinderPage;
class ServicePage;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

// "配合分析": a fit of a hole and a shaft at a nominal size, its results and its tolerance-zone
// diagram. A window of its own, not modal, beside the main dialog; a child of that dialog, so that
// the dialog's modal run leaves it open to input. Every change of an input shows its results at
// once; a bad input shows its reason in place of the results.
//
// Its tabs: the analysis, the fit finder (its choice goes to the analysis) and the analysed fit at
// service conditions; one size, above the tabs, serves them all.
class FitWindow : public QWidget
{
    Q_OBJECT

public:
    // The tables are read from the folder (empty: the current directory) on every change.
    FitWindow(const FitStart& start, std::filesystem::path tablesFolder, QWidget* parent = nullptr);

private:
    QWidget* CreateAnalysisPage();
    QWidget* CreateInputs(QWidget* parent);
    QWidget* CreateResults(QWidget* parent);
    void ConnectHandlers();

    void OnDesignationEdited();
    void OnClassListChanged();
    void OnPreferredFitChosen(QTableWidgetItem* item);
    void OnFoundFitChosen(const QString& designation);
    void CopyDrawingLine();
    void SaveDiagram();

    // Shows a fit in the class lists and the preferred fits without going round again.
    void ShowFitInLists(const std::optional<FitDesignation>& fit);
    void Recalculate();

    struct PartLabels
    {
        QLabel* heading = nullptr;
        QLabel* upper = nullptr;
        QLabel* lower = nullptr;
        QLabel* largestSize = nullptr;
        QLabel* smallestSize = nullptr;
        QLabel* tolerance = nullptr;
    };

    std::filesystem::path m_tablesFolder;

    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_sizeBox = nullptr;
    QLineEdit* m_designationBox = nullptr;
    QComboBox* m_holeLetterList = nullptr;
    QComboBox* m_holeGradeList = nullptr;
    QComboBox* m_shaftLetterList = nullptr;
    QComboBox* m_shaftGradeList = nullptr;
    QTableWidget* m_preferredFitTable = nullptr;

    QStackedWidget* m_output = nullptr;
    QWidget* m_resultsPage = nullptr;
    QLabel* m_problemLabel = nullptr;
    PartLabels m_hole;
    PartLabels m_shaft;
    QLabel* m_fitType = nullptr;
    QLabel* m_extreme1Caption = nullptr;
    QLabel* m_extreme1Value = nullptr;
    QLabel* m_extreme2Caption = nullptr;
    QLabel* m_extreme2Value = nullptr;
    QLabel* m_meanCaption = nullptr;
    QLabel* m_meanValue = nullptr;
    QLabel* m_fitTolerance = nullptr;
    QLabel* m_probabilityCaptions[2] = {};
    QLabel* m_probabilityValues[2] = {};
    FitDiagramView* m_diagram = nullptr;
    QLineEdit* m_drawingLineBox = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QLabel* m_statusLabel = nullptr;

    FitFinderPage* m_finderPage = nullptr;
    ServicePage* m_servicePage = nullptr;
};
