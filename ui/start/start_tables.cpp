#include "start/start_tables.h"

#include "core/printable_text.h"
#include "core/table_folder.h"

#include <cstdio>

#include <QCoreApplication>
#include <QFile>

std::filesystem::path LocateStartTables(const QString& option)
{
    std::optional<std::filesystem::path> given;
    if (!option.isEmpty())
        given = std::filesystem::path(QFile::encodeName(option).toStdString());
    TableFolderClues clues
        = CluesOfThisProcess(given, QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    for (;;) {
        const auto located = LocateTables(clues);
        if (located)
            return located->folder;
        const bool fromOption = located.reason().source == TableFolderSource::Option;
        const QString message = QStringLiteral("%1 所指的 %2 不是文件夹，改按其余顺序查找偏差表。")
                                    .arg(fromOption ? QStringLiteral("--tables") : QStringLiteral("QUORLAN_TABLES"),
                                         QString::fromStdString(PathText(located.reason().folder)));
        std::fprintf(stderr, "%s: %s\n", QCoreApplication::applicationName().toUtf8().constData(),
                     message.toUtf8().constData());
        if (fromOption)
            clues.option.reset();
        else
            clues.environment.reset();
    }
}
