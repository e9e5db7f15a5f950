#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include <QWidget>

// moc cannot parse the C++20 library headers these bring in, and needs none of them.
#ifndef Q_MOC_RUN
#include "core/bearings/bearing_fit.h"
#endif

class FitDiagramView;
class FitFigures;
class WarningBanner;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

// "轴承配合": a rolling bearing's ring on its seat at the window's size. A shaft class seats the
// inner ring, a hole class the outer; both parts' limits, the fit's extremes and probable range,
// its type, the seat's drawing line and both zones in the diagram. Every change of an input shows
// the results at once; a bad input shows its reason in place of them.
class BearingPage : public QWidget
{
    Q_OBJECT

public:
    BearingPage(std::filesystem::path tablesFolder, QWidget* parent = nullptr);
    ~BearingPage() override;

    // The window's one size, as typed in its size field.
    void SetSizeText(const QString& sizeText);

    // The seat on show, or why there is none.
    const std::optional<BearingFit>& Fit() const { return m_fit; }
    const QString& Problem() const { return m_problem; }
    QString SeatText() const;

private:
    QWidget* CreateInputs();
    QWidget* CreateResults(QWidget* parent);
    void Recalculate();

    std::filesystem::path m_tablesFolder;
    QString m_sizeText;
    std::optional<BearingFit> m_fit;
    QString m_problem;

    QLineEdit* m_seatBox = nullptr;
    QComboBox* m_classList = nullptr;

    QStackedWidget* m_output = nullptr;
    QWidget* m_resultsPage = nullptr;
    QWidget* m_problemPage = nullptr;
    WarningBanner* m_problemBanner = nullptr;
    std::unique_ptr<FitFigures> m_figures;
    FitDiagramView* m_diagram = nullptr;
    QLineEdit* m_drawingLineBox = nullptr;
};
