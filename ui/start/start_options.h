#pragma once

#include "start/report_command.h"
#include "workbench/fit_start.h"

#include <optional>

#include <QString>
#include <QStringList>

// What the command line asks of the desktop program.
struct StartOptions
{
    // The folder to read the deviation tables from; empty: the current directory.
    QString tablesFolder;
    // Set by --fit or --size: the workbench opens at start on this fit.
    std::optional<FitStart> workbenchStart;
    // --workbench: the workbench alone, without the main dialog.
    bool workbench = false;
    // --workbench --chain FILE: the workbench opens on its chain tab with that file's links.
    QString chainFile;
    // --lang: the workbench's language ("en", "zh"); empty: the system's.
    QString language;
    // Set by --report: the report is written and the program ends, showing no window.
    std::optional<ReportRequest> report;
};

// Reads `quorlan [--workbench] [--fit H7/g6] [--size 40] [--tables DIR] [--lang en|zh]`,
// `quorlan --workbench --chain CHAIN.csv` and `quorlan --report FILE.pdf ...`.
// --help prints the usage (exit 0) and a wrong option prints why (exit 2); both then end the
// program, as command lines do.
StartOptions ParseStartOptions(const QStringList& arguments);
