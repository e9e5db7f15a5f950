#pragma once

#include <iosfwd>

// Opens /dev/null, read-only, on each standard descriptor (input, output, error) that is closed, so
// that no file the program opens takes its number and receives its output, while a write to it
// still fails as on a closed one.
void OccupyClosedStandardDescriptors();

// The exit status once everything written to out has been flushed: status, or kExitFailure after a
// message on err when any of it was lost (a full disk, a closed descriptor, a pipe closed early).
int ConfirmWritten(int status, std::ostream& out, std::ostream& err);
