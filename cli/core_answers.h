#pragma once

#include "core/exact_length.h"
#include "core/tolerance_class.h"

#include <filesystem>
#include <iosfwd>

// tolerance and deviation outside the dialog's lists (grades IT13 to IT18, sizes over 500 mm): the
// answer comes from the core, in the dialog's number format, with the core's reasons on err.

// Whether the dialog's lists hold the grade and the size: then the dialog's own calculation answers,
// with its messages, so that both front ends agree.
bool IsWithinTheDialog(int grade, ExactLength size);

int AnswerToleranceFromCore(int grade, ExactLength size, std::ostream& out, std::ostream& err);
int AnswerDeviationFromCore(const ToleranceClass& toleranceClass, ExactLength size, const std::filesystem::path& tables,
                            std::ostream& out, std::ostream& err);

// A note on err for a class ISO 286-2 does not print, computed all the same.
void NoteUntabulatedClass(const ToleranceClass& toleranceClass, std::ostream& err);

// The dialog answers some classes at sizes where the standard gives none (A11 at 0.5 mm): a note on
// err saying so, if this is such a case.
void NoteWhereTheStandardRefuses(const ToleranceClass& toleranceClass, ExactLength size,
                                 const std::filesystem::path& tables, std::ostream& err);
