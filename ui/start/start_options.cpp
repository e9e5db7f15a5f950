#include "start/start_options.h"

#include <cstdio>
#include <cstdlib>

#include <QCommandLineParser>
#include <QLocale>

namespace {

constexpr int kExitUsage = 2;

} // namespace

StartOptions ParseStartOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ISO 286 公差与配合计算器"));
    parser.addHelpOption();
    const QCommandLineOption fit(QStringLiteral("fit"),
                                 QStringLiteral("启动时打开配合分析窗口，显示该配合（如 H7/g6）。"),
                                 QStringLiteral("孔/轴"));
    const QCommandLineOption size(
        QStringLiteral("size"), QStringLiteral("启动时打开配合分析窗口，基本尺寸取该值（mm，大于 0 且不大于 3150）。"),
        QStringLiteral("mm"));
    const QCommandLineOption tables(
        QStringLiteral("tables"),
        QStringLiteral("从该文件夹读取偏差表文件（默认：环境变量 QUORLAN_TABLES 所指的文件夹，"
                       "其次是含有偏差表的当前文件夹，最后是安装的偏差表）。"),
        QStringLiteral("文件夹"));
    const QCommandLineOption report(
        QStringLiteral("report"), QStringLiteral("不显示窗口，把 --fit 与 --size 所给配合的报告写成 PDF 文件后退出。"),
        QStringLiteral("FILE.pdf"));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("配合分析窗口与报告的语言：zh（中文）或 en（英文）；默认随系统。"),
                                      QStringLiteral("zh|en"));
    const QCommandLineOption workbench(QStringLiteral("workbench"),
                                       QStringLiteral("只打开配合分析窗口（不打开主对话框）。"));
    const QCommandLineOption bearingSeat(
        QStringLiteral("bearing-seat"),
        QStringLiteral("报告轴承配合：轴承座的公差带，轴（如 k5）配内圈，孔（如 H7）配外圈；直径取 --size。"),
        QStringLiteral("公差带"));
    const QCommandLineOption bearingClass(QStringLiteral("bearing-class"),
                                          QStringLiteral("轴承公差等级：normal（普通级，默认）、6 或 5。"),
                                          QStringLiteral("normal|6|5"));
    const QCommandLineOption generalClass(QStringLiteral("general-class"),
                                          QStringLiteral("报告一般公差表：标题栏的公差等级，如 m、K 或 mK。"),
                                          QStringLiteral("等级"));
    const QCommandLineOption standard(
        QStringLiteral("standard"),
        QStringLiteral("一般公差表的标准：iso（ISO 2768，默认）或 gb（GB/T 1804、GB/T 1184）。"),
        QStringLiteral("iso|gb"));
    const QCommandLineOption thread(QStringLiteral("thread"),
                                    QStringLiteral("报告普通螺纹：螺纹标记，内螺纹公差带在前，如 M10-6H/6g。"),
                                    QStringLiteral("螺纹标记"));
    const QCommandLineOption chain(QStringLiteral("chain"),
                                   QStringLiteral("尺寸链：CSV 文件，与 quorlan-cli stack 所读相同"
                                                  "（name,direction,nominal_mm,tolerance[,distribution]）；"
                                                  "与 --report 写成报告，与 --workbench 在尺寸链页打开。"),
                                   QStringLiteral("CHAIN.csv"));
    // --require takes two values, MIN MAX, which may be negative: taken out before the parser sees them.
    const QCommandLineOption require(QStringLiteral("require"),
                                     QStringLiteral("尺寸链封闭环的最小值与最大值（mm），写作 --require MIN MAX。"));
    const QCommandLineOption samples(QStringLiteral("samples"),
                                     QStringLiteral("尺寸链蒙特卡洛的样本数，1000 至 10000000（默认 1000000）。"),
                                     QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("尺寸链蒙特卡洛的随机种子，0 至 2^53-1（默认 286）。"),
                                  QStringLiteral("S"));
    parser.addOptions({fit, size, tables, report, language, workbench, bearingSeat, bearingClass, generalClass,
                       standard, thread, chain, require, samples, seed});
    // The press-fit options of `quorlan-cli service`, for the report.
    std::vector<QCommandLineOption> serviceOptions;
    for (const QString& name : ReportServiceOptionNames()) {
        serviceOptions.emplace_back(name, QStringLiteral("报告中的过盈连接：同 quorlan-cli service --%1。").arg(name),
                                    QStringLiteral("值"));
        parser.addOption(serviceOptions.back());
    }

    const auto usageError = [](const QString& message) {
        std::fprintf(stderr, "quorlan: %s\n(quorlan --help explains the options)\n", message.toUtf8().constData());
        std::exit(kExitUsage);
    };
    QStringList parsed;
    QStringList requireValues;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        parsed << arguments[i];
        if (i > 0 && arguments[i] == QLatin1String("--require")) {
            if (i + 2 >= arguments.size())
                usageError(QStringLiteral("--require takes two values: MIN MAX (mm)"));
            requireValues = {arguments[i + 1], arguments[i + 2]};
            i += 2;
        }
    }
    if (!parser.parse(parsed))
        usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty())
        usageError(QStringLiteral("unexpected argument: ") + parser.positionalArguments().constFirst());

    StartOptions options;
    options.tablesFolder = parser.value(tables);
    const QString lang = parser.value(language);
    if (parser.isSet(language) && lang != QLatin1String("zh") && lang != QLatin1String("en"))
        usageError(QStringLiteral("--lang takes zh or en, not ") + lang);
    options.language = lang;
    options.workbench = parser.isSet(workbench);

    if (parser.isSet(report)) {
        ReportRequest request;
        request.path = parser.value(report);
        request.fit = parser.value(fit);
        request.size = parser.value(size);
        request.tablesFolder = options.tablesFolder;
        request.bearingSeat = parser.value(bearingSeat);
        request.bearingClass = parser.value(bearingClass);
        request.generalClass = parser.value(generalClass);
        request.standard = parser.value(standard);
        request.thread = parser.value(thread);
        request.chain = parser.value(chain);
        request.require = requireValues;
        request.samples = parser.value(samples);
        request.seed = parser.value(seed);
        if (parser.isSet(chain) && request.chain.isEmpty())
            usageError(QStringLiteral("--chain needs a file"));
        // Without --lang, the language of the system: Chinese for zh_*, English otherwise.
        request.english = parser.isSet(language) ? lang == QLatin1String("en")
                                                 : !QLocale::system().name().startsWith(QLatin1String("zh"));
        for (const QCommandLineOption& option : serviceOptions)
            if (parser.isSet(option))
                request.serviceOptions.emplace_back(option.names().constFirst(), parser.value(option));
        options.report = request;
        return options;
    }
    for (const QCommandLineOption& option : serviceOptions)
        if (parser.isSet(option))
            usageError(QStringLiteral("--%1 belongs to --report").arg(option.names().constFirst()));
    for (const QCommandLineOption* option :
         {&bearingSeat, &bearingClass, &generalClass, &standard, &thread, &require, &samples, &seed})
        if (parser.isSet(*option))
            usageError(QStringLiteral("--%1 belongs to --report").arg(option->names().constFirst()));
    if (parser.isSet(chain)) {
        if (!options.workbench)
            usageError(QStringLiteral("--chain belongs to --report or --workbench"));
        options.chainFile = parser.value(chain);
        if (options.chainFile.isEmpty())
            usageError(QStringLiteral("--chain needs a file"));
    }

    if (parser.isSet(fit) || parser.isSet(size)) {
        FitStart start;
        if (parser.isSet(fit))
            start.designation = parser.value(fit).toStdString();
        if (parser.isSet(size))
            start.sizeText = parser.value(size).toStdString();
        options.workbenchStart = start;
    }
    return options;
}
