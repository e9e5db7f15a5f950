// A plain Qt dialog with the main dialog's controls, captions, list entries and font, and nothing
// else: no engine, no handlers, no icon. scripts/measure-startup.sh compares the program with it.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSize(9);
    QApplication::setFont(font);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("bare"));
    const QFontMetrics metrics(font);
    const int baseX
        = (metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1)
        / 2;
    const int baseY = metrics.height();
    auto rect = [&](int x, int y, int w, int h) {
        return QRect((x * baseX + 2) / 4, (y * baseY + 4) / 8, (w * baseX + 2) / 4, (h * baseY + 4) / 8);
    };
    auto place = [](QWidget* widget, QRect r) {
        widget->setGeometry(r);
    };
    auto combo = [&](QRect r, const QStringList& items) {
        auto* created = new QComboBox(&dialog);
        created->setEditable(true);
        created->addItems(items);
        created->setCurrentIndex(-1);
        created->setGeometry(r.x(), r.y(), r.width(), created->sizeHint().height());
    };

    place(new QPushButton(QStringLiteral("退出"), &dialog), rect(346, 179, 50, 14));
    place(new QPushButton(QStringLiteral("计算"), &dialog), rect(23, 155, 50, 14));
    combo(rect(74, 31, 60, 112),
          {"<=3", ">3-6", ">6-10", ">10-18", ">18-30", ">30-50", ">50-80", ">80-120", ">120-180", ">180-250",
           ">250-315", ">315-400", ">400-500"});
    combo(rect(74, 56, 60, 173),
          {"IT01", "IT0", "IT1", "IT2", "IT3", "IT4", "IT5", "IT6", "IT7", "IT8", "IT9", "IT10", "IT11", "IT12"});
    place(new QLineEdit(&dialog), rect(75, 78, 58, 14));
    place(new QLabel(QStringLiteral("基本尺寸"), &dialog), rect(28, 34, 28, 8));
    place(new QLabel(QStringLiteral("标准公差"), &dialog), rect(27, 58, 28, 8));
    place(new QGroupBox(QStringLiteral("        公差选用"), &dialog), rect(13, 16, 135, 160));
    place(new QPushButton(QStringLiteral("清除"), &dialog), rect(91, 155, 50, 14));
    place(new QLabel(QStringLiteral("输入尺寸"), &dialog), rect(27, 83, 28, 8));
    place(new QLabel(QStringLiteral("求得公差"), &dialog), rect(27, 104, 28, 8));
    place(new QLineEdit(&dialog), rect(75, 103, 58, 14));
    place(new QGroupBox(QStringLiteral("    偏差选用"), &dialog), rect(173, 16, 129, 161));
    place(new QLabel(QStringLiteral("基制"), &dialog), rect(185, 33, 17, 13));
    place(new QLabel(QStringLiteral("上偏差"), &dialog), rect(184, 76, 22, 8));
    place(new QLabel(QStringLiteral("下偏差"), &dialog), rect(184, 98, 22, 8));
    place(new QLabel(QStringLiteral("基本偏差"), &dialog), rect(185, 55, 28, 8));
    place(new QLineEdit(&dialog), rect(223, 75, 61, 14));
    place(new QLineEdit(&dialog), rect(223, 98, 61, 14));
    combo(rect(223, 55, 61, 130), {});
    place(new QPushButton(QStringLiteral("计算"), &dialog), rect(183, 155, 50, 14));
    place(new QPushButton(QStringLiteral("清除"), &dialog), rect(245, 155, 50, 14));
    place(new QRadioButton(QStringLiteral("  轴"), &dialog), rect(257, 33, 27, 10));
    place(new QRadioButton(QStringLiteral("  孔"), &dialog), rect(222, 33, 27, 10));
    place(new QLabel(QStringLiteral("优先配合"), &dialog), rect(343, 90, 30, 14));
    combo(rect(322, 106, 65, 130), {});
    place(new QGroupBox(QStringLiteral("配合选用"), &dialog), rect(318, 20, 71, 156));
    place(new QRadioButton(QStringLiteral("间隙配合"), &dialog), rect(326, 33, 43, 10));
    place(new QRadioButton(QStringLiteral("过渡配合"), &dialog), rect(326, 51, 43, 10));
    place(new QRadioButton(QStringLiteral("过盈配合"), &dialog), rect(326, 69, 43, 10));
    place(new QPushButton(QStringLiteral("显示另一值"), &dialog), rect(330, 129, 50, 14));
    dialog.setFixedSize(rect(0, 0, 410, 200).size());
    dialog.exec();
    return 0;
}
