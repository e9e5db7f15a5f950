#pragma once

#include <filesystem>

#include <QWidget>

// moc cannot parse the C++20 library headers this brings in, and needs none of them.
#ifndef Q_MOC_RUN
#include "workbench/service/service_model.h"
#endif

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableWidget;
class WarningBanner;

// "配合查找": the fits whose clearances stay within a required range, best first, at the window's
// size. Every change of an input searches again (a search takes milliseconds); a bad input shows
// its reason in place of the list; while the page is hidden, the search waits until it is shown.
// "由载荷查找" lists instead the fits that hold the service tab's load, with their safeties, press-in
// force, assembly temperatures and warnings. Choosing a fit (double-click or Enter) hands it to the
// window.
class FitFinderPage : public QWidget
{
    Q_OBJECT

public:
    FitFinderPage(std::filesystem::path tablesFolder, QWidget* parent = nullptr);

    // The window's one size, as typed in its size field.
    void SetSizeText(const QString& sizeText);

    // The service tab's joint and load, for the search from the load.
    void SetServiceForm(const ServiceForm& form);

    // The list as shown (its order, the header first), or the reason there is none.
    QList<QStringList> ResultRows() const;

signals:
    void fitChosen(const QString& designation);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateInputs();
    QTableWidget* NewTable(const char* name, const QStringList& headers);
    void ShowProblem(const QString& problem);
    void SearchClearances();
    void SearchLoad();
    // Searches when the page is on show; else it searches when shown next.
    void Search();
    void SearchNow();

    std::filesystem::path m_tablesFolder;
    QString m_sizeText;
    ServiceForm m_serviceForm;
    bool m_stale = true;

    QLineEdit* m_minClearanceBox = nullptr;
    QLineEdit* m_maxClearanceBox = nullptr;
    QComboBox* m_basisList = nullptr;
    QComboBox* m_finestGradeList = nullptr;
    QComboBox* m_coarsestGradeList = nullptr;
    QCheckBox* m_allGradePairsBox = nullptr;
    QCheckBox* m_fromLoadBox = nullptr;
    QLabel* m_countLabel = nullptr;
    QStackedWidget* m_output = nullptr;
    QTableWidget* m_resultTable = nullptr;
    QTableWidget* m_loadTable = nullptr; // the fits that hold the load
    QWidget* m_problemPage = nullptr;
    WarningBanner* m_problemBanner = nullptr;
};
