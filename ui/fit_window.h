#pragma once

#include "fit_start.h"

#include <filesystem>

#include <QWidget>

class AnalysisPage;
class FitFinderPage;
class ServicePage;
class QLineEdit;
class QTabWidget;

// "配合分析": a fit of a hole and a shaft at a nominal size, its results and its tolerance-zone
// diagram. A window of its own, not modal, beside the main dialog; a child of that dialog, so that
// the dialog's modal run leaves it open to input.
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
    void OnFoundFitChosen(const QString& designation);
    void OnAnalysisChanged();
    void CopyDrawingLine();
    void SaveDiagram();

    std::filesystem::path m_tablesFolder;

    QLineEdit* m_sizeBox = nullptr;
    QTabWidget* m_tabs = nullptr;
    AnalysisPage* m_analysisPage = nullptr;
    FitFinderPage* m_finderPage = nullptr;
    ServicePage* m_servicePage = nullptr;
};
