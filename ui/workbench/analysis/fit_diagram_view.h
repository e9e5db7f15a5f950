#pragma once

#include <QByteArray>
#include <QImage>
#include <QWidget>

enum class DiagramPalette;

// The drawing's colours for a widget: dark where the widget's window colour is dark.
DiagramPalette DiagramPaletteFor(const QWidget& widget);

// Shows a drawing given as SVG, as large as the widget allows at the drawing's proportions, drawn
// afresh for each size so that it stays sharp. The natural size is the drawing's own (its viewBox):
// the fit diagram's unless given.
class FitDiagramView : public QWidget
{
    Q_OBJECT

public:
    explicit FitDiagramView(QWidget* parent = nullptr);
    FitDiagramView(QSize naturalSize, QWidget* parent);

    // Empty: nothing to show.
    void SetSvg(const QByteArray& svg);
    // For a drawing whose height follows its content.
    void SetNaturalSize(QSize naturalSize);
    const QByteArray& Svg() const { return m_svg; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where the drawing stands in the widget.
    QRect DrawingRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize m_naturalSize;
    QByteArray m_svg;
    QImage m_image; // m_svg drawn for the last size shown
};
