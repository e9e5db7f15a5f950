#include "widgets/warning_message.h"

#include <utility>

#include <QCoreApplication>
#include <QMessageBox>

WarningMessage::Presenter& WarningMessage::CurrentPresenter()
{
    static Presenter presenter;
    return presenter;
}

void WarningMessage::Show(QWidget* parent, const QString& text)
{
    // A copy, so that a presenter may replace itself while it runs.
    const Presenter presenter = CurrentPresenter();
    if (presenter)
        presenter(parent, text);
    else
        ShowMessageBox(parent, text);
}

void WarningMessage::SetPresenter(Presenter presenter)
{
    CurrentPresenter() = std::move(presenter);
}

void WarningMessage::ShowMessageBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}
