#include "start_options.h"

#include <QCommandLineParser>

StartOptions ParseStartOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ISO 286 公差与配合计算器"));
    parser.addHelpOption();
    const QCommandLineOption fit(QStringLiteral("fit"),
                                 QStringLiteral("启动时打开配合分析窗口，显示该配合（如 H7/g6）。"),
                                 QStringLiteral("孔/轴"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("启动时打开配合分析窗口，基本尺寸取该值（mm，大于 0 且不大于 500）。"),
                                  QStringLiteral("mm"));
    const QCommandLineOption tables(QStringLiteral("tables"),
                                    QStringLiteral("从该文件夹读取偏差表文件（默认：当前文件夹）。"),
                                    QStringLiteral("文件夹"));
    parser.addOptions({fit, size, tables});
    parser.process(arguments);

    StartOptions options;
    options.tablesFolder = parser.value(tables);
    if (parser.isSet(fit) || parser.isSet(size)) {
        FitStart start;
        if (parser.isSet(fit))
            start.designation = parser.value(fit).toStdString();
        if (parser.isSet(size))
            start.sizeText = parser.value(size).toStdString();
        options.fitWindow = start;
    }
    return options;
}
