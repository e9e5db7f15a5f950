#include "workbench/workbench_language.h"

#include "workbench/remembered_inputs.h"
#include "workbench/text_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {

WorkbenchLanguage g_language = WorkbenchLanguage::Chinese;
bool g_choicePending = false;
std::optional<WorkbenchLanguage> g_given;

std::string TranslateWords(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

QTranslator& OwnTexts()
{
    static QTranslator translator;
    return translator;
}

} // namespace

WorkbenchLanguage LanguageOfLocale(const QLocale& locale)
{
    return locale.language() == QLocale::Chinese ? WorkbenchLanguage::Chinese : WorkbenchLanguage::English;
}

std::optional<WorkbenchLanguage> ParseLanguage(const QString& text)
{
    if (text == QLatin1String("en"))
        return WorkbenchLanguage::English;
    if (text == QLatin1String("zh"))
        return WorkbenchLanguage::Chinese;
    return std::nullopt;
}

QString LanguageCode(WorkbenchLanguage language)
{
    return language == WorkbenchLanguage::English ? QStringLiteral("en") : QStringLiteral("zh");
}

void ApplyWorkbenchLanguage(WorkbenchLanguage language)
{
    g_language = language;
    QCoreApplication::removeTranslator(&OwnTexts());
    if (language == WorkbenchLanguage::English) {
        // Built in by qt_add_translations; the source texts are the Chinese ones.
        if (OwnTexts().isEmpty())
            (void)OwnTexts().load(QStringLiteral(":/i18n/quorlan_en.qm"));
        QCoreApplication::installTranslator(&OwnTexts());
        words::SetTranslator(&TranslateWords, words::Language::English);
    } else {
        words::SetTranslator(nullptr, words::Language::Chinese);
    }
}

WorkbenchLanguage CurrentWorkbenchLanguage()
{
    return g_language;
}

void ChooseLanguageAtFirstWindow(std::optional<WorkbenchLanguage> given)
{
    g_choicePending = true;
    g_given = given;
}

void ApplyChosenLanguage()
{
    if (!g_choicePending)
        return;
    g_choicePending = false;
    std::optional<WorkbenchLanguage> language = g_given;
    if (!language)
        language = ParseLanguage(WorkbenchSettings()->value(QStringLiteral("language")).toString());
    ApplyWorkbenchLanguage(language.value_or(LanguageOfLocale(QLocale::system())));
}
