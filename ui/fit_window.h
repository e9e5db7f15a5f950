#pragma once

#include "fit_start.h"

#include <filesystem>
#include <optional>

#include <QList>
#include <QStringList>
#include <QWidget>

struct ReportContent;

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

    // The window's commands, also its actions actionExportReport, actionPrint, actionExportCsv and
    // actionCopyResults (Ctrl+P, Ctrl+C; a text field keeps Ctrl+C for its own text). The report
    // holds the analysed fit and, where a hub is given, the press fit of the service tab; the
    // table commands take the current tab's results.
    void ExportReport();
    void PrintReport();
    void ExportTableCsv();
    void CopyResults();

private:
    void OnFoundFitChosen(const QString& designation);
    void OnAnalysisChanged();
    void CopyDrawingLine();
    void SaveDiagram();
    // The report of the window's fit in its language; none while the fit has no analysis.
    std::optional<ReportContent> Report(bool withPressFit) const;
    QList<QStringList> CurrentResultRows() const;
    void Tell(const QString& outcome);

    std::filesystem::path m_tablesFolder;

    QLineEdit* m_sizeBox = nullptr;
    QTabWidget* m_tabs = nullptr;
    AnalysisPage* m_analysisPage = nullptr;
    FitFinderPage* m_finderPage = nullptr;
    ServicePage* m_servicePage = nullptr;
};
