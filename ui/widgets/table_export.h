#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

// Result tables out of the window: as tab-separated text for the clipboard (a spreadsheet pastes
// it into cells) and as CSV files. Plain functions on rows of cells, the header row first.

// One line per row, cells split by tabs, "\n" after each line; a tab or line break inside a cell
// becomes a space, since TSV has no quoting.
QString TabSeparatedText(const QList<QStringList>& rows);

// CSV as RFC 4180 writes it: a cell holding a comma, a double quote, a CR or an LF is put in
// double quotes, its double quotes doubled; lines end in CRLF.
QString CsvText(const QList<QStringList>& rows);

// The header and the rows of a table model as shown (the view's sort order is the model's).
QList<QStringList> TableRows(const QAbstractItemModel& model);

// The text written to a file in full or not at all, as UTF-8; the reason on failure, else empty.
QString SaveText(const QString& text, const QString& path);
