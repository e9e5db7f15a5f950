#pragma once

#include <QCoreApplication>

// The terms that more than one part of the program words (the captions of the press fit's inputs
// and results, the fit types, the joining methods and states), in one translation context so that
// each has one English word everywhere: Terms::tr("配合长度") in Qt code, QT_TRANSLATE_NOOP("Terms",
// "配合长度") in tables, words::translate("Terms", "配合长度") in the plain C++ texts files. A label
// with an accelerator ("配合长度(&L)") stays in its window's context, which picks the letters; the
// test ui_translations_one_term holds its English to the term's.
class Terms
{
    Q_DECLARE_TR_FUNCTIONS(Terms)
};
