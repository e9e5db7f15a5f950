#include "widgets/warning_banner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

struct Colours
{
    const char* background;
    const char* border;
    const char* text;
};

// Text on background: #5c2b00 on #fff3cd is 10.5:1, #7a1010 on #fde8e8 is 9.4:1.
constexpr Colours kWarning {"#fff3cd", "#c77c00", "#5c2b00"};
constexpr Colours kRefusal {"#fde8e8", "#c62828", "#7a1010"};

} // namespace

WarningBanner::WarningBanner(Severity severity, const QString& textObjectName, QWidget* parent)
    : QFrame(parent)
    , m_severity(severity)
{
    setObjectName(textObjectName + QStringLiteral("Banner"));
    auto* layout = new QHBoxLayout(this);
    m_icon = new QLabel(this);
    m_icon->setAlignment(Qt::AlignTop);
    m_text = new QLabel(this);
    m_text->setObjectName(textObjectName);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setTextFormat(Qt::PlainText);
    // Wraps rather than widens the window.
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_icon);
    layout->addWidget(m_text, 1);
    SetSeverity(severity);
    hide();
}

void WarningBanner::SetSeverity(Severity severity)
{
    m_severity = severity;
    const Colours& colours = severity == Severity::Refusal ? kRefusal : kWarning;
    setStyleSheet(
        QStringLiteral("WarningBanner { background: %1; border: 1px solid %2; border-radius: 3px; }"
                       " WarningBanner QLabel { color: %3; background: transparent; }")
            .arg(QLatin1String(colours.background), QLatin1String(colours.border), QLatin1String(colours.text)));
    const int iconPx = fontMetrics().height() * 3 / 2;
    m_icon->setPixmap(
        style()
            ->standardIcon(severity == Severity::Refusal ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning)
            .pixmap(iconPx, iconPx));
}

void WarningBanner::SetMessages(const QStringList& messages)
{
    m_text->setText(messages.join(QLatin1Char('\n')));
    setVisible(!messages.isEmpty());
}

QString WarningBanner::Text() const
{
    return m_text->text();
}

QWidget* NewProblemPage(QWidget* parent, const QString& textObjectName, WarningBanner*& banner)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    banner = new WarningBanner(WarningBanner::Severity::Refusal, textObjectName, page);
    layout->addWidget(banner);
    layout->addStretch(1);
    return page;
}
