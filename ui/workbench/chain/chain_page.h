#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include <QFutureWatcher>
#include <QList>
#include <QStringList>
#include <QVariantList>
#include <QWidget>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "workbench/chain/chain_model.h"
#endif

class FitDiagramView;
class WarningBanner;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// "尺寸链": a dimension chain's links edited in a table (name, direction, nominal size, tolerance,
// distribution, and where known a Cpk and a mean shift), opened from and saved to the CSV file
// `quorlan-cli stack` reads; the closing dimension by the worst case, the statistical method and a
// Monte Carlo run against an optional requirement, each link's contribution and resolved limits,
// the histogram and the contributions drawn by the engine. Every change shows the figures that
// need no sampling at once; the Monte Carlo runs off the window's thread, a newer chain taking the
// place of one still running. A bad row shows its number, its name and why, in place of the results.
class ChainPage : public QWidget
{
    Q_OBJECT

public:
    ChainPage(std::filesystem::path tablesFolder, QWidget* parent = nullptr);

    // The table's rows, each the seven fields as typed: what the window remembers.
    QVariantList LinkRows() const;
    void SetLinkRows(const QVariantList& rows);

    // Replace the table by a file's rows, or write the rows to a file; the reason on failure,
    // also shown above the table; empty on success.
    QString OpenFile(const QString& path);
    QString SaveFile(const QString& path);

    // The chain on show and its Monte Carlo once it has run; why there is none.
    const std::optional<ChainQuestion>& Question() const { return m_question; }
    const std::optional<MonteCarlo>& Run() const { return m_run; }
    bool MonteCarloRunning() const;
    const QString& Problem() const { return m_problem; }
    // The file last opened or saved, for the report's title; empty for a chain typed in.
    const QString& FileName() const { return m_fileName; }

    // The figures and both tables as rows for the clipboard and CSV.
    QList<QStringList> ResultRows() const;

private:
    QWidget* CreateLinks();
    QWidget* CreateSettings();
    QWidget* CreateResults(QWidget* parent);
    void AddRow(const QStringList& fields);
    void AddLink();
    void RemoveLink();
    void MoveLink(int step);
    void ChooseFileToOpen();
    void ChooseFileToSave();
    ChainForm Form() const;
    void Recalculate();
    void ShowFigures(const ChainQuestion& question);
    void ShowMonteCarlo();
    void StartPendingRun();
    void OnRunFinished();

    std::filesystem::path m_tablesFolder;
    std::optional<ChainQuestion> m_question;
    std::optional<MonteCarlo> m_run;
    QString m_problem;
    QString m_fileName;
    // The chain waiting for the run in flight to end; the generation of the chain on show and of
    // the run in flight, so that a run of an older chain is never shown.
    std::optional<ChainQuestion> m_pending;
    std::uint64_t m_generation = 0;
    std::uint64_t m_runGeneration = 0;
    // Until the watcher's finished arrives (the future itself ends a moment before).
    bool m_running = false;
    QFutureWatcher<MonteCarlo>* m_watcher = nullptr;

    QTableWidget* m_linkTable = nullptr;
    WarningBanner* m_fileBanner = nullptr;
    QLabel* m_fileStatus = nullptr;
    QLineEdit* m_requireMinBox = nullptr;
    QLineEdit* m_requireMaxBox = nullptr;
    QLineEdit* m_samplesBox = nullptr;
    QLineEdit* m_seedBox = nullptr;

    QStackedWidget* m_output = nullptr;
    QWidget* m_resultsPage = nullptr;
    QWidget* m_problemPage = nullptr;
    WarningBanner* m_problemBanner = nullptr;
    // The figures in the order shown: the method's name and the caption, and the value.
    QStringList m_captions;
    QList<QLabel*> m_values;
    QLabel* m_runStatus = nullptr;
    FitDiagramView* m_histogram = nullptr;
    FitDiagramView* m_contributionsChart = nullptr;
    QTableWidget* m_contributionTable = nullptr;
    QTableWidget* m_limitTable = nullptr;
};
