#include "widgets/table_export.h"

#include <QAbstractItemModel>
#include <QSaveFile>

namespace {

QString CsvCell(QString cell)
{
    const bool quoted = cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"'))
        || cell.contains(QLatin1Char('\r')) || cell.contains(QLatin1Char('\n'));
    if (!quoted)
        return cell;
    cell.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

QString TsvCell(QString cell)
{
    for (const QChar c : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')})
        cell.replace(c, QLatin1Char(' '));
    return cell;
}

} // namespace

QString TabSeparatedText(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << TsvCell(cell);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString CsvText(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells << CsvCell(cell);
        text += cells.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text;
}

QList<QStringList> TableRows(const QAbstractItemModel& model)
{
    QList<QStringList> rows;
    QStringList header;
    for (int column = 0; column < model.columnCount(); ++column)
        header << model.headerData(column, Qt::Horizontal).toString();
    rows << header;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells;
    }
    return rows;
}

QString SaveText(const QString& text, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return {};
}
