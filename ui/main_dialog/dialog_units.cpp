#include "main_dialog/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

int MulDivRounded(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

int AverageLetterWidth(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (width / 26 + 1) / 2;
}

DialogUnits::DialogUnits(const QFont& font)
    : m_baseX(AverageLetterWidth(font))
    , m_baseY(QFontMetrics(font).height())
{
}

int DialogUnits::X(int dlu) const
{
    return MulDivRounded(dlu, m_baseX, 4);
}

int DialogUnits::Y(int dlu) const
{
    return MulDivRounded(dlu, m_baseY, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    return QRect(X(x), Y(y), X(width), Y(height));
}

QFont DialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Source Han Sans SC"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("SimSun")});
    font.setPointSize(9);
    return font;
}
