#include "main_dialog/quorlan_dlg.h"

#include "core/scales.h"
#include "dialog/calculations.h"
#include "dialog/dialog_logic.h"
#include "dialog/number_text.h"
#include "dialog/preferred_fits.h"
#include "main_dialog/about_dlg.h"
#include "main_dialog/dialog_units.h"
#include "main_dialog/system_command.h"
#include "widgets/warning_message.h"
#include "workbench/workbench.h"

#include <algorithm>

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// Outside any namespace: the resource initialiser it declares is a global function. A static
// library's resources are registered by hand, or the linker leaves them out.
static void LoadResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(quorlan);
        return true;
    }();
    (void)loaded;
}

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kAboutMenuText = QStringLiteral("关于 Quorlan(&A)...");
const QString kWorkbenchMenuText = QStringLiteral("工作台(&F)...");

} // namespace

CQuorlanDlg::CQuorlanDlg(std::filesystem::path tablesFolder, QWidget* parent)
    : QDialog(parent)
    , m_tablesFolder(std::move(tablesFolder))
{
    LoadResources();
    m_hIcon = QIcon(QStringLiteral(":/quorlan/quorlan.png"));
    CreateControls();
    ConnectHandlers();
    OnInitDialog();
}

void CQuorlanDlg::CreateControls()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Quorlan"));
    setFont(DialogFont());
    const DialogUnits units(font());
    const int listItemHeight = fontMetrics().height();

    // Created in tab order: the focus chain follows creation order.
    auto button = [&](const char* name, const QString& caption, QRect rect) {
        auto* created = new QPushButton(caption, this);
        created->setObjectName(QLatin1String(name));
        created->setGeometry(rect);
        created->setAutoDefault(true);
        return created;
    };
    // The height given for a list includes its drop-down; the edit part keeps its natural height.
    auto list = [&](const char* name, QRect rect) {
        auto* created = new QComboBox(this);
        created->setObjectName(QLatin1String(name));
        created->setEditable(true);
        created->setInsertPolicy(QComboBox::NoInsert);
        created->setCompleter(nullptr); // it would take the Enter key away from the dialog
        // Leaving the field would choose the entry that matches the typed text; typing never chooses.
        QObject::disconnect(created->lineEdit(), &QLineEdit::editingFinished, created, nullptr);
        const int editHeight = created->sizeHint().height();
        created->setGeometry(rect.x(), rect.y(), rect.width(), editHeight);
        created->setMaxVisibleItems(std::max(1, (rect.height() - editHeight) / listItemHeight));
        return created;
    };
    auto box = [&](const char* name, QRect rect) {
        auto* created = new QLineEdit(this);
        created->setObjectName(QLatin1String(name));
        created->setGeometry(rect);
        return created;
    };
    QList<QWidget*> statics;
    auto label = [&](const QString& caption, QRect rect) {
        auto* created = new QLabel(caption, this);
        created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        created->setGeometry(rect);
        statics.append(created);
    };
    auto group = [&](const QString& caption, QRect rect) {
        auto* created = new QGroupBox(caption, this);
        created->setGeometry(rect);
        statics.append(created);
    };
    // Radio buttons are no tab stops: they take focus by click, and arrow keys move within a group.
    auto radio = [&](const char* name, const QString& caption, QRect rect) {
        auto* created = new QRadioButton(caption, this);
        created->setObjectName(QLatin1String(name));
        created->setGeometry(rect);
        created->setFocusPolicy(Qt::ClickFocus);
        return created;
    };

    m_buttonExit = button("exitButton", QStringLiteral("退出"), units.Rect(346, 179, 50, 14));
    m_buttonExit->setDefault(true);
    m_buttonCalcTolerance = button("calcToleranceButton", QStringLiteral("计算"), units.Rect(23, 155, 50, 14));
    m_comboSizeRange = list("sizeRangeList", units.Rect(74, 31, 60, 112));
    m_comboGrade = list("gradeList", units.Rect(74, 56, 60, 173));
    m_editSize = box("sizeBox", units.Rect(75, 78, 58, 14));
    label(QStringLiteral("基本尺寸"), units.Rect(28, 34, 28, 8));
    label(QStringLiteral("标准公差"), units.Rect(27, 58, 28, 8));
    group(QStringLiteral("        公差选用"), units.Rect(13, 16, 135, 160));
    m_buttonClearTolerance = button("clearToleranceButton", QStringLiteral("清除"), units.Rect(91, 155, 50, 14));
    label(QStringLiteral("输入尺寸"), units.Rect(27, 83, 28, 8));
    label(QStringLiteral("求得公差"), units.Rect(27, 104, 28, 8));
    m_editTolerance = box("toleranceBox", units.Rect(75, 103, 58, 14));
    group(QStringLiteral("    偏差选用"), units.Rect(173, 16, 129, 161));
    label(QStringLiteral("基制"), units.Rect(185, 33, 17, 13));
    label(QStringLiteral("上偏差"), units.Rect(184, 76, 22, 8));
    label(QStringLiteral("下偏差"), units.Rect(184, 98, 22, 8));
    label(QStringLiteral("基本偏差"), units.Rect(185, 55, 28, 8));
    m_editUpper = box("upperBox", units.Rect(223, 75, 61, 14));
    m_editLower = box("lowerBox", units.Rect(223, 98, 61, 14));
    m_comboLetter = list("letterList", units.Rect(223, 55, 61, 130));
    m_buttonCalcDeviation = button("calcDeviationButton", QStringLiteral("计算"), units.Rect(183, 155, 50, 14));
    m_buttonClearDeviation = button("clearDeviationButton", QStringLiteral("清除"), units.Rect(245, 155, 50, 14));
    m_radioShaft = radio("shaftBasis", QStringLiteral("  轴"), units.Rect(257, 33, 27, 10));
    m_radioHole = radio("holeBasis", QStringLiteral("  孔"), units.Rect(222, 33, 27, 10));
    label(QStringLiteral("优先配合"), units.Rect(343, 90, 30, 14));
    m_comboFits = list("fitsList", units.Rect(322, 106, 65, 130));
    group(QStringLiteral("配合选用"), units.Rect(318, 20, 71, 156));
    m_radioClearance = radio("clearanceFits", QStringLiteral("间隙配合"), units.Rect(326, 33, 43, 10));
    m_radioTransition = radio("transitionFits", QStringLiteral("过渡配合"), units.Rect(326, 51, 43, 10));
    m_radioInterference = radio("interferenceFits", QStringLiteral("过盈配合"), units.Rect(326, 69, 43, 10));
    m_buttonOtherValue = button("otherValueButton", QStringLiteral("显示另一值"), units.Rect(330, 129, 50, 14));

    // Labels and frames lie under the controls they surround, so they never take their clicks.
    for (QWidget* widget : statics)
        widget->lower();

    m_basisGroup = new QButtonGroup(this);
    m_basisGroup->addButton(m_radioShaft);
    m_basisGroup->addButton(m_radioHole);
    m_fitClassGroup = new QButtonGroup(this);
    m_fitClassGroup->addButton(m_radioClearance);
    m_fitClassGroup->addButton(m_radioTransition);
    m_fitClassGroup->addButton(m_radioInterference);

    setFixedSize(units.X(410), units.Y(200));
}

void CQuorlanDlg::ConnectHandlers()
{
    connect(m_buttonExit, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_editSize, &QLineEdit::textChanged, this, &CQuorlanDlg::OnSizeChange);
    connect(m_buttonCalcDeviation, &QPushButton::clicked, this, &CQuorlanDlg::CalcDeviations);
    connect(m_radioHole, &QRadioButton::clicked, this, &CQuorlanDlg::OnHoleBasis);
    connect(m_buttonCalcTolerance, &QPushButton::clicked, this, &CQuorlanDlg::CalcTolerance);
    connect(m_buttonClearTolerance, &QPushButton::clicked, this, &CQuorlanDlg::OnClearTolerance);
    connect(m_radioShaft, &QRadioButton::clicked, this, &CQuorlanDlg::OnShaftBasis);
    connect(m_buttonClearDeviation, &QPushButton::clicked, this, &CQuorlanDlg::OnClearDeviation);
    connect(m_radioClearance, &QRadioButton::clicked, this, &CQuorlanDlg::ListClearanceFits);
    connect(m_radioTransition, &QRadioButton::clicked, this, &CQuorlanDlg::ListTransitionFits);
    connect(m_radioInterference, &QRadioButton::clicked, this, &CQuorlanDlg::ListInterferenceFits);

    // Ctrl+F is no key of a text field, so it works wherever the focus is in the dialog.
    m_workbenchAction = new QAction(kWorkbenchMenuText, this);
    m_workbenchAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_workbenchAction->setShortcutVisibleInContextMenu(true);
    addAction(m_workbenchAction);
    connect(m_workbenchAction, &QAction::triggered, this, qOverload<>(&CQuorlanDlg::OpenWorkbench));
}

void CQuorlanDlg::OnInitDialog()
{
#ifdef Q_OS_WIN
    if (HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        const QString workbenchText = kWorkbenchMenuText + QStringLiteral("\tCtrl+F");
        AppendMenuW(systemMenu, MF_STRING, kWorkbenchCommandId, reinterpret_cast<LPCWSTR>(workbenchText.utf16()));
        AppendMenuW(systemMenu, MF_STRING, kAboutCommandId, reinterpret_cast<LPCWSTR>(kAboutMenuText.utf16()));
    }
#endif
    setWindowIcon(m_hIcon);
    FillGradeList(*this);
    FillSizeRangeList(*this);
}

bool CQuorlanDlg::OnSysCommand(unsigned commandId)
{
    if (IsWorkbenchCommand(commandId)) {
        OpenWorkbench();
        return true;
    }
    if (!IsAboutCommand(commandId))
        return false;
    CAboutDlg dlgAbout(this);
    dlgAbout.exec();
    return true;
}

void CQuorlanDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // Window managers keep the window menu to themselves, so the About entry lives here.
    QMenu menu(this);
    menu.addSeparator();
    menu.addAction(m_workbenchAction);
    QAction* about = menu.addAction(kAboutMenuText);
    if (menu.exec(event->globalPos()) == about)
        OnSysCommand(kAboutCommandId);
}

void CQuorlanDlg::OpenWorkbench()
{
    DialogChoices choices;
    choices.nominal_mm = ParseLeadingDecimal(BoxText(Control::SizeBox));
    choices.basis = m_radioHole->isChecked() ? kBasisHole : m_radioShaft->isChecked() ? kBasisShaft : -1;
    choices.letter = SelectedPosition(Control::LetterList);
    choices.grade = SelectedPosition(Control::GradeList);
    OpenWorkbench(FitStartFrom(choices));
}

Workbench* CQuorlanDlg::OpenedWorkbench() const
{
    return m_workbench;
}

void CQuorlanDlg::OpenWorkbench(const FitStart& start)
{
    // A child of the dialog, so that the dialog's modal run does not block it; a window of its own.
    if (!m_workbench) {
        m_workbench = new Workbench(start, m_tablesFolder, this);
        m_workbench->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_workbench->show();
    m_workbench->raise();
    m_workbench->activateWindow();
}

#ifdef Q_OS_WIN
bool CQuorlanDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && OnSysCommand(static_cast<unsigned>(msg->wParam))) {
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

void CQuorlanDlg::OnSizeChange()
{
    StoreNominalSize(*this);
}

void CQuorlanDlg::CalcDeviations()
{
    ::CalcDeviations(*this, m_tablesFolder);
}

void CQuorlanDlg::OnHoleBasis()
{
    SelectBasis(*this, kBasisHole);
}

void CQuorlanDlg::CalcTolerance()
{
    ::CalcTolerance(*this);
}

void CQuorlanDlg::OnClearTolerance()
{
    ClearToleranceSide(*this);
}

void CQuorlanDlg::OnShaftBasis()
{
    SelectBasis(*this, kBasisShaft);
}

void CQuorlanDlg::OnClearDeviation()
{
    ClearDeviationSide(*this);
}

void CQuorlanDlg::ListClearanceFits()
{
    ListPreferredFits(*this, FitType::Clearance);
}

void CQuorlanDlg::ListTransitionFits()
{
    ListPreferredFits(*this, FitType::Transition);
}

void CQuorlanDlg::ListInterferenceFits()
{
    ListPreferredFits(*this, FitType::Interference);
}

QComboBox* CQuorlanDlg::ListOf(Control list) const
{
    switch (list) {
    case Control::SizeRangeList:
        return m_comboSizeRange;
    case Control::GradeList:
        return m_comboGrade;
    case Control::LetterList:
        return m_comboLetter;
    case Control::FitsList:
        return m_comboFits;
    default:
        return nullptr;
    }
}

QLineEdit* CQuorlanDlg::BoxOf(Control box) const
{
    switch (box) {
    case Control::SizeBox:
        return m_editSize;
    case Control::ToleranceBox:
        return m_editTolerance;
    case Control::UpperDeviationBox:
        return m_editUpper;
    case Control::LowerDeviationBox:
        return m_editLower;
    default:
        return ListOf(box) ? ListOf(box)->lineEdit() : nullptr;
    }
}

int CQuorlanDlg::SelectedPosition(Control list) const
{
    const QComboBox* combo = ListOf(list);
    if (!combo)
        return -1;
    // Typing never moves the combo box's current index; once the text differs from the chosen
    // entry, the user has typed, and nothing counts as chosen.
    const int index = combo->currentIndex();
    if (index < 0 || combo->itemText(index) != combo->currentText())
        return -1;
    return index;
}

void CQuorlanDlg::InsertListEntry(Control list, int position, std::string_view text)
{
    QComboBox* combo = ListOf(list);
    if (!combo)
        return;
    const QSignalBlocker blocker(combo);
    const bool noneChosen = combo->currentIndex() < 0;
    const QString typed = combo->currentText();
    const int at = position < 0 || position > combo->count() ? combo->count() : position;
    combo->insertItem(at, FromUtf8(text));
    // The first entry of an empty combo box becomes the current one; inserting chooses nothing.
    if (noneChosen && combo->currentIndex() >= 0) {
        combo->setCurrentIndex(-1);
        combo->setEditText(typed);
    }
}

void CQuorlanDlg::EmptyList(Control list)
{
    if (QComboBox* combo = ListOf(list)) {
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->clearEditText();
    }
}

void CQuorlanDlg::DeselectList(Control list)
{
    if (QComboBox* combo = ListOf(list)) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(-1);
        combo->clearEditText();
    }
}

std::string CQuorlanDlg::BoxText(Control box) const
{
    const QLineEdit* edit = BoxOf(box);
    return edit ? edit->text().toStdString() : std::string();
}

void CQuorlanDlg::SetBoxText(Control box, std::string_view text)
{
    QLineEdit* edit = BoxOf(box);
    if (!edit)
        return;
    const QString newText = FromUtf8(text);
    // Setting an unchanged text emits no textChanged, yet the size must be read all the same.
    if (edit == m_editSize && edit->text() == newText)
        OnSizeChange();
    else
        edit->setText(newText);
}

void CQuorlanDlg::ShowMessage(std::string_view text)
{
    WarningMessage::Show(this, FromUtf8(text));
}
