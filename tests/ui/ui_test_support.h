#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QComboBox;

// Looks after windows that open on their own (modal boxes, popup menus): each one goes to the
// handler when there is one; otherwise it is noted as unexpected and closed, so that a test with
// a surprise message fails instead of waiting for a click forever.
class ModalWatchdog : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(QWidget* window)>;

    explicit ModalWatchdog(QObject* parent = nullptr);

    void SetHandler(Handler handler) { m_handler = std::move(handler); }
    const QStringList& Unexpected() const { return m_unexpected; }

private:
    void Check();

    QTimer m_timer;
    Handler m_handler;
    QStringList m_unexpected;
};

// Takes the messages of the program instead of showing them, for as long as it lives.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& Texts() const { return m_texts; }

private:
    QStringList m_texts;
};

// The child of that name; the test run stops when there is none, as every test relies on the names.
template<class T> T* Child(const QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child widget named %s", name);
    return child;
}

QStringList EntriesOf(const QComboBox* combo);

// Chooses an entry the way a user does with the keyboard: arrow keys on the closed list.
void ChooseWithKeys(QComboBox* combo, const QString& text);
// Chooses an entry the way a user does with the mouse: opens the list and clicks the entry.
void ChooseWithPopup(QComboBox* combo, const QString& text);

// Replaces the whole text of a line edit or of a list's text field by typing.
void TypeOver(QWidget* field, const QString& text);

// Clicks the middle of a button, as a user does.
void Click(QWidget* button);
