#pragma once

#include "dialog/dialog_view.h"
#include "workbench/fit_start.h"

#include <filesystem>
#include <string>
#include <string_view>

#include <QDialog>
#include <QIcon>
#include <QPointer>

class Workbench;
class QAction;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The main dialog: tolerance side (size range, grade, size), deviation side (basis, letter) and
// preferred fits. The engine reaches its controls through the DialogView operations.
class CQuorlanDlg : public QDialog, public DialogView
{
    Q_OBJECT

public:
    // tablesFolder: where the calculations read the deviation tables, each time anew (empty: the
    // current directory); the workbench opened from the dialog reads them there too.
    explicit CQuorlanDlg(std::filesystem::path tablesFolder = {}, QWidget* parent = nullptr);

    int SelectedPosition(Control list) const override;
    void InsertListEntry(Control list, int position, std::string_view text) override;
    void EmptyList(Control list) override;
    void DeselectList(Control list) override;
    std::string BoxText(Control box) const override;
    void SetBoxText(Control box, std::string_view text) override;
    void ShowMessage(std::string_view text) override;

    // A window-menu command; true when it was ours.
    bool OnSysCommand(unsigned commandId);

    // Opens the workbench on what the dialog holds, or on a given fit; when the window
    // is open already, only raises it.
    void OpenWorkbench();
    void OpenWorkbench(const FitStart& start);
    // The open workbench, if any.
    Workbench* OpenedWorkbench() const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void CreateControls();
    void ConnectHandlers();
    void OnInitDialog();

    void OnSizeChange();
    void CalcDeviations();
    void OnHoleBasis();
    void CalcTolerance();
    void OnClearTolerance();
    void OnShaftBasis();
    void OnClearDeviation();
    void ListClearanceFits();
    void ListTransitionFits();
    void ListInterferenceFits();

    QComboBox* ListOf(Control list) const;
    QLineEdit* BoxOf(Control box) const;

    QIcon m_hIcon;

    QPushButton* m_buttonExit = nullptr;
    QPushButton* m_buttonCalcTolerance = nullptr;
    QComboBox* m_comboSizeRange = nullptr;
    QComboBox* m_comboGrade = nullptr;
    QLineEdit* m_editSize = nullptr;
    QPushButton* m_buttonClearTolerance = nullptr;
    QLineEdit* m_editTolerance = nullptr;
    QLineEdit* m_editUpper = nullptr;
    QLineEdit* m_editLower = nullptr;
    QComboBox* m_comboLetter = nullptr;
    QPushButton* m_buttonCalcDeviation = nullptr;
    QPushButton* m_buttonClearDeviation = nullptr;
    QRadioButton* m_radioShaft = nullptr;
    QRadioButton* m_radioHole = nullptr;
    QComboBox* m_comboFits = nullptr;
    QRadioButton* m_radioClearance = nullptr;
    QRadioButton* m_radioTransition = nullptr;
    QRadioButton* m_radioInterference = nullptr;
    QPushButton* m_buttonOtherValue = nullptr;

    QButtonGroup* m_basisGroup = nullptr;
    QButtonGroup* m_fitClassGroup = nullptr;

    // Ctrl+F anywhere in the dialog, and the context menu's entry.
    QAction* m_workbenchAction = nullptr;
    QPointer<Workbench> m_workbench;
    std::filesystem::path m_tablesFolder;
};
