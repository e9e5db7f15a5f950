#pragma once

#include <QFont>
#include <QRect>

// The dialogs are laid out in dialog units, which follow the dialog font the way Windows scales
// them, so the layout keeps its proportions whatever font size or screen resolution is in use.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);

    int X(int dlu) const;
    int Y(int dlu) const;
    QRect Rect(int x, int y, int width, int height) const;

private:
    int m_baseX = 1;
    int m_baseY = 1;
};

// a * b / c rounded half away from zero, as Windows' MulDiv does (c > 0).
int MulDivRounded(int a, int b, int c);

// Base width of a font: the average width of the letters, rounded the way Windows rounds it.
// The font's own average character width is useless for CJK fonts, which report a full-width one.
int AverageLetterWidth(const QFont& font);

// 9 pt, a CJK font first so that the Chinese captions never fall back to empty boxes.
QFont DialogFont();
