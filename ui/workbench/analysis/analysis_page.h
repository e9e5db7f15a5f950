#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include <QWidget>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "core/fit_analysis.h"
#include "core/tolerance_class.h"
#endif

class FitDiagramView;
class FitFigures;
class WarningBanner;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;

// "配合分析": a fit of a hole and a shaft at the window's size, its results and its tolerance-zone
// diagram. Every change of an input shows its results at once; a bad input shows its reason in
// place of the results.
class AnalysisPage : public QWidget
{
    Q_OBJECT

public:
    AnalysisPage(std::filesystem::path tablesFolder, QWidget* parent = nullptr);
    ~AnalysisPage() override;

    // The window's one size, as typed in its size field.
    void SetSizeText(const QString& sizeText);
    QString SizeText() const { return m_sizeText; }

    // Both inputs at once, with one calculation.
    void SetInputs(const QString& sizeText, const QString& designation);

    QString Designation() const;
    void SetDesignation(const QString& designation);

    // The analysis on show, or why there is none.
    const std::optional<FitAnalysis>& Analysis() const { return m_analysis; }
    const QString& Problem() const { return m_problem; }

    QString DrawingLine() const;
    const QByteArray& DiagramSvg() const;

    // A line under the results: what was copied or saved, or why not.
    void ShowStatus(const QString& text);

signals:
    // After every calculation.
    void analysisChanged();
    void copyDrawingLineRequested();
    void saveDiagramRequested();

private:
    QWidget* CreateInputs();
    QWidget* CreateResults(QWidget* parent);
    QTableWidget* CreatePreferredFitTable(QWidget* parent);

    void OnDesignationEdited();
    void OnClassListChanged();
    void OnPreferredFitChosen(const QTableWidgetItem* item);

    // Shows a fit in the class lists and the preferred fits without going round again.
    void ShowFitInLists(const std::optional<FitDesignation>& fit);
    // Marks the list entries of classes ISO 286-2 does not print, for the classes on show.
    void MarkUntabulatedClasses();
    void Recalculate();

    std::filesystem::path m_tablesFolder;
    QString m_sizeText;
    std::optional<FitAnalysis> m_analysis;
    QString m_problem;

    QLineEdit* m_designationBox = nullptr;
    QComboBox* m_holeLetterList = nullptr;
    QComboBox* m_holeGradeList = nullptr;
    QComboBox* m_shaftLetterList = nullptr;
    QComboBox* m_shaftGradeList = nullptr;
    QTableWidget* m_preferredFitTable = nullptr;

    QStackedWidget* m_output = nullptr;
    QWidget* m_resultsPage = nullptr;
    QWidget* m_problemPage = nullptr;
    WarningBanner* m_problemBanner = nullptr;
    std::unique_ptr<FitFigures> m_figures;
    QLabel* m_probabilityCaptions[2] = {};
    QLabel* m_probabilityValues[2] = {};
    FitDiagramView* m_diagram = nullptr;
    QLineEdit* m_drawingLineBox = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QLabel* m_statusLabel = nullptr;
};
