#pragma once

#include <optional>

#include <QList>
#include <QStringList>
#include <QWidget>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "workbench/thread/thread_model.h"
#endif

class FitDiagramView;
class WarningBanner;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

// "螺纹": a metric thread as a drawing designates it (M10x1.25-6H/6g), typed or picked from ISO 261's
// sizes and ISO 965-1's recommended classes: the basic diameters, the nut's and the bolt's limits
// of size, their fit at the pitch diameter, where ISO 965-1 recommends the classes, and both zones
// at the pitch diameter. Every change shows the results at once; a designation that does not read,
// or a class the standard gives no values for, shows its reason in place of them.
class ThreadPage : public QWidget
{
    Q_OBJECT

public:
    explicit ThreadPage(QWidget* parent = nullptr);

    QString Designation() const;
    // Shows the designation, and the pickers at it, even where it is the text already there.
    void SetDesignation(const QString& designation);

    // The thread on show, or why there is none.
    const std::optional<ThreadAnalysis>& Analysis() const { return m_analysis; }
    const QString& Problem() const { return m_problem; }

    // What is shown, as rows for the clipboard and CSV.
    QList<QStringList> ResultRows() const;

private:
    struct PartLabels
    {
        QGroupBox* box = nullptr;
        QLabel* deviation = nullptr;
        QLabel* captions[3] = {};
        QLabel* values[3][3] = {}; // per row: largest, smallest, tolerance
    };

    QWidget* CreateInputs();
    QWidget* CreateResults(QWidget* parent);
    QGroupBox* CreatePart(QWidget* parent, const QString& name, PartLabels& labels);
    void FillPitches(int diameterUm);
    void ShowPickers(const ThreadDesignation& thread);
    void OnPicked(bool diameterChanged);
    void Recalculate();

    std::optional<ThreadAnalysis> m_analysis;
    std::optional<ThreadDesignation> m_shownThread; // the pickers' thread: the last that read
    QString m_problem;

    QLineEdit* m_designationBox = nullptr;
    QComboBox* m_diameterList = nullptr;
    QComboBox* m_pitchList = nullptr;
    QComboBox* m_nutList = nullptr;
    QComboBox* m_boltList = nullptr;

    QStackedWidget* m_output = nullptr;
    QWidget* m_resultsPage = nullptr;
    QWidget* m_problemPage = nullptr;
    WarningBanner* m_problemBanner = nullptr;
    QLabel* m_designation = nullptr;
    QLabel* m_series = nullptr;
    QLabel* m_basicCaptions[4] = {};
    QLabel* m_basicValues[4] = {};
    PartLabels m_nut;
    PartLabels m_bolt;
    QGroupBox* m_fitBox = nullptr;
    QLabel* m_fitCaptions[2] = {};
    QLabel* m_fitValues[2] = {};
    QLabel* m_recommended = nullptr;
    FitDiagramView* m_diagram = nullptr;
};
