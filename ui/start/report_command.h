#pragma once

#include <utility>
#include <vector>

#include <QString>
#include <QStringList>

// `quorlan --report FILE.pdf --fit FIT --size S [service options] [--lang en|zh] [--tables DIR]`;
// a bearing seat's report with `--bearing-seat k5 --size 25 [--bearing-class normal|6|5]` in place of
// --fit; a general tolerance class's title-block table with `--general-class mK [--standard iso|gb]`;
// a metric thread's with `--thread M10-6H/6g`; a dimension chain's with `--chain CHAIN.csv
// [--require MIN MAX] [--samples N] [--seed S]`.
struct ReportRequest
{
    QString path;
    QString fit;
    QString size;
    QString tablesFolder; // empty: the current directory
    QString bearingSeat; // "k5", "H7"
    QString bearingClass; // empty: normal
    QString generalClass; // "mK"
    QString standard; // empty: iso
    QString thread; // "M10-6H/6g"
    QString chain; // the chain's CSV file
    QStringList require; // MIN and MAX as typed; empty: none
    QString samples; // empty: the engine's default
    QString seed;
    bool english = false;
    // The press-fit options given, by name without dashes ("hub-od"), as typed.
    std::vector<std::pair<QString, QString>> serviceOptions;
};

// The press-fit option names that `quorlan-cli service` takes and the report does too.
const std::vector<QString>& ReportServiceOptionNames();

// Writes the report without a window. Messages go to standard error. Returns the exit status:
// 0 written, 1 no result (the tables give none, or the file cannot be written), 2 a usage error;
// on failure no file is written or replaced.
int RunReportCommand(const ReportRequest& request);
