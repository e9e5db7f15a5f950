#pragma once

#include <optional>

#include <QString>

class QLocale;

// The workbench speaks Chinese or English; the main dialog always Chinese. The words are
// written in Chinese; English comes from the Qt Linguist catalogue built into the program, loaded
// only when the window first speaks English.
enum class WorkbenchLanguage { Chinese, English };

// Chinese for zh_*, English for every other locale.
WorkbenchLanguage LanguageOfLocale(const QLocale& locale);

// "en" or "zh"; nothing for any other text.
std::optional<WorkbenchLanguage> ParseLanguage(const QString& text);
QString LanguageCode(WorkbenchLanguage language);

// Installs the language for the window's texts, the Qt widgets' own included.
void ApplyWorkbenchLanguage(WorkbenchLanguage language);
WorkbenchLanguage CurrentWorkbenchLanguage();

// The program's choice, made at start without loading anything: the first window then speaks the
// given language, else the one last chosen in its View menu, else the system's. Without this call
// (tests, tools) the window keeps the language applied last, Chinese at first.
void ChooseLanguageAtFirstWindow(std::optional<WorkbenchLanguage> given);
// Called by each window before it builds its texts.
void ApplyChosenLanguage();
