#include "ui_test_support.h"

#include "widgets/warning_message.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

ModalWatchdog::ModalWatchdog(QObject* parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::Check);
    m_timer.start(20);
}

void ModalWatchdog::Check()
{
    QWidget* window = QApplication::activePopupWidget();
    if (!window)
        window = QApplication::activeModalWidget();
    if (!window || !window->isVisible())
        return;
    // A list's own drop-down is part of the dialog, not a window of its own.
    if (window->inherits("QComboBoxPrivateContainer"))
        return;
    if (m_handler) {
        m_handler(window);
        return;
    }
    QString description
        = QString::fromLatin1(window->metaObject()->className()) + QLatin1String(": ") + window->windowTitle();
    if (const auto* box = qobject_cast<QMessageBox*>(window))
        description += QLatin1String(" / ") + box->text();
    m_unexpected.append(description);
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

MessageRecorder::MessageRecorder()
{
    WarningMessage::SetPresenter([this](QWidget*, const QString& text) { m_texts.append(text); });
}

MessageRecorder::~MessageRecorder()
{
    WarningMessage::SetPresenter({});
}

QStringList EntriesOf(const QComboBox* combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

void ChooseWithKeys(QComboBox* combo, const QString& text)
{
    const int target = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (target < 0)
        qFatal("no entry %s", qPrintable(text));
    for (int presses = 0; presses <= combo->count() && combo->currentIndex() != target; ++presses)
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

void ChooseWithPopup(QComboBox* combo, const QString& text)
{
    const int target = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (target < 0)
        qFatal("no entry %s", qPrintable(text));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(target, combo->modelColumn(), view->rootIndex());
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseMove(view->viewport(), centre);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
}

void TypeOver(QWidget* field, const QString& text)
{
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field))
        edit = combo->lineEdit();
    if (!edit)
        qFatal("no text field");
    edit->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}
