#pragma once

#include <functional>

#include <QString>

class QWidget;

// Every message of the program is shown through here, so that tests can take the messages
// without a modal window waiting for a click.
class WarningMessage
{
public:
    using Presenter = std::function<void(QWidget* parent, const QString& text)>;

    // Modal: returns once the message has been closed.
    static void Show(QWidget* parent, const QString& text);

    // An empty presenter brings back the message box.
    static void SetPresenter(Presenter presenter);

    // Warning icon, OK only, the application's name as caption.
    static void ShowMessageBox(QWidget* parent, const QString& text);

private:
    static Presenter& CurrentPresenter();
};
