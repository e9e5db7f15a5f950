#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;

// A message that cannot be missed: an icon and the text on a coloured band, dark text on a light
// tint (over 7:1 contrast). A refusal (no result) in red, a warning (a result to doubt) in amber.
// Hidden while it has nothing to say.
class WarningBanner : public QFrame
{
    Q_OBJECT

public:
    enum class Severity { Warning, Refusal };

    // The text label takes the given object name, so that it is found as the message.
    WarningBanner(Severity severity, const QString& textObjectName, QWidget* parent = nullptr);

    void SetSeverity(Severity severity);
    // One line each; empty: hidden.
    void SetMessages(const QStringList& messages);
    void SetMessage(const QString& message) { SetMessages(message.isEmpty() ? QStringList() : QStringList {message}); }
    QString Text() const;

private:
    Severity m_severity;
    QLabel* m_icon = nullptr;
    QLabel* m_text = nullptr;
};

// A page for a stacked output: the banner, as a refusal, at its top.
QWidget* NewProblemPage(QWidget* parent, const QString& textObjectName, WarningBanner*& banner);
