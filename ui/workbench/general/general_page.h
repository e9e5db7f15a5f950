#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTableWidget;
class WarningBanner;

// "一般公差": the general tolerance a title block's class gives one size (a linear size, a broken
// edge, an angle or a feature's geometrical tolerance), and the class's whole table with the rules
// for the features that have none. Every change of an input shows the answer at once; a bad
// input shows its reason in place of it.
class GeneralPage : public QWidget
{
    Q_OBJECT

public:
    explicit GeneralPage(QWidget* parent = nullptr);

    // The class as typed ("mK") and the standard chosen (0 ISO 2768, 1 GB/T 1804 and GB/T 1184):
    // what the title-block report prints; false while the class does not read.
    bool HasTable() const;
    QString ClassText() const;
    bool ChineseStandard() const;
    // Why there is no table, when there is none.
    QString TableProblem() const;

    // The answer, then the table, as rows for the clipboard and CSV.
    QList<QStringList> ResultRows() const;

private:
    QWidget* CreateInputs();
    QWidget* CreateAnswer(QWidget* parent);
    QWidget* CreateTable(QWidget* parent);
    void Recalculate();
    void ShowTable();

    QLineEdit* m_classBox = nullptr;
    QComboBox* m_standardList = nullptr;
    QComboBox* m_questionList = nullptr;
    QLineEdit* m_sizeBox = nullptr;

    QStackedWidget* m_answer = nullptr;
    QWidget* m_answerPage = nullptr;
    QWidget* m_problemPage = nullptr;
    WarningBanner* m_problemBanner = nullptr;
    QLabel* m_answerValue = nullptr;
    QLabel* m_answerRange = nullptr;

    QLabel* m_tableTitle = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_rules = nullptr;
    QString m_tableProblem;
};
