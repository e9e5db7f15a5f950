#pragma once

#include "workbench/fit_start.h"

#include <filesystem>
#include <optional>

#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <QVariantMap>

struct ReportContent;

class AnalysisPage;
class BearingPage;
class ChainPage;
class FitFinderPage;
class GeneralPage;
class ServicePage;
class ThreadPage;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

// "配合分析", the workbench: a fit of a hole and a shaft at a nominal size, its results and its
// tolerance-zone diagram, the fit finder (its choice goes to the analysis), the analysed fit
// at service conditions, a bearing seat, the general tolerances of a title block's class, a metric
// thread and a dimension chain; one size, above the tabs, serves all but the last three, which ask
// for a length, a thread or a chain of their own. A program of its own
// (`quorlan --workbench`) or opened beside the main dialog, whose modal run leaves it open to input.
//
// It remembers its inputs, its tab and its geometry when closed, and starts from them; it speaks
// Chinese or English (workbench_language.h), switched in its View menu.
class Workbench : public QMainWindow
{
    Q_OBJECT

public:
    // The tables are read from the folder (empty: the current directory) on every change. A start
    // fit and size replace the remembered ones.
    Workbench(const std::optional<FitStart>& start, std::filesystem::path tablesFolder, QWidget* parent = nullptr);

    // Every input, the current tab included, by name.
    QVariantMap State() const;
    void RestoreState(const QVariantMap& state);

    // Into and out of the user's settings (remembered_inputs.h).
    void Remember() const;
    void RestoreRemembered();

    // The chain tab, with the links of that file (the file `quorlan-cli stack` reads); a file it
    // cannot read shows its reason on the tab, as opening it there does.
    void OpenChainFile(const QString& path);

    // The window's commands, also its actions actionExportReport, actionPrint, actionExportCsv and
    // actionCopyResults (Ctrl+P, Ctrl+C; a text field keeps Ctrl+C for its own text). The report
    // holds the analysed fit and, where a hub is given, the press fit of the service tab; the
    // table commands take the current tab's results.
    void ExportReport();
    void PrintReport();
    void ExportTableCsv();
    void CopyResults();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildContents();
    void BuildMenus();
    void SetLanguage(bool english);
    void RestoreDefaults();

    void OnFoundFitChosen(const QString& designation);
    void OnAnalysisChanged();
    void CopyDrawingLine();
    void SaveDiagram();
    void ShowGuide();
    void ShowAbout();
    void NextTab(int step);

    // The report of the window's fit in its language; none while the fit has no analysis. On the
    // bearing tab the seat's report, on the general tolerances tab the class's table, on the thread
    // tab the thread's, on the chain tab the chain's.
    std::optional<ReportContent> Report(bool withPressFit) const;
    // Why the current tab has no report.
    QString ReportProblem() const;
    QList<QStringList> CurrentResultRows() const;
    void Tell(const QString& outcome);

    std::filesystem::path m_tablesFolder;
    bool m_sizeAtFirstShow = false; // no remembered geometry: showEvent sizes the window

    QLineEdit* m_sizeBox = nullptr;
    QTabWidget* m_tabs = nullptr;
    AnalysisPage* m_analysisPage = nullptr;
    FitFinderPage* m_finderPage = nullptr;
    ServicePage* m_servicePage = nullptr;
    GeneralPage* m_generalPage = nullptr;
    BearingPage* m_bearingPage = nullptr;
    ThreadPage* m_threadPage = nullptr;
    ChainPage* m_chainPage = nullptr;
    QTextBrowser* m_guide = nullptr;
};
