#include "workbench/analysis/fit_diagram_view.h"

#include "core/fit_diagram.h"
#include "widgets/svg_image.h"

#include <QPainter>

DiagramPalette DiagramPaletteFor(const QWidget& widget)
{
    return widget.palette().color(QPalette::Window).lightness() < 128 ? DiagramPalette::Dark : DiagramPalette::Light;
}

FitDiagramView::FitDiagramView(QWidget* parent)
    : FitDiagramView(QSize(kFitDiagramWidthPx, kFitDiagramHeightPx), parent)
{
}

FitDiagramView::FitDiagramView(QSize naturalSize, QWidget* parent)
    : QWidget(parent)
    , m_naturalSize(naturalSize)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FitDiagramView::SetSvg(const QByteArray& svg)
{
    if (svg == m_svg)
        return;
    m_svg = svg;
    m_image = QImage();
    update();
}

void FitDiagramView::SetNaturalSize(QSize naturalSize)
{
    if (naturalSize == m_naturalSize)
        return;
    m_naturalSize = naturalSize;
    m_image = QImage();
    updateGeometry();
    update();
}

QSize FitDiagramView::sizeHint() const
{
    return m_naturalSize;
}

QSize FitDiagramView::minimumSizeHint() const
{
    // Below its own size the drawing's texts would shrink under a readable size.
    return m_naturalSize;
}

QRect FitDiagramView::DrawingRect() const
{
    const QSize scaled = m_naturalSize.scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2), scaled);
}

void FitDiagramView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const std::string_view background = FitDiagramBackground(DiagramPaletteFor(*this));
    painter.fillRect(rect(), QColor(QString::fromLatin1(background.data(), qsizetype(background.size()))));
    if (m_svg.isEmpty())
        return;
    const QRect target = DrawingRect();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (m_image.size() != pixels) {
        m_image = RenderSvg(m_svg, pixels);
        m_image.setDevicePixelRatio(ratio);
    }
    if (m_image.isNull()) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("无法显示配合图：缺少 Qt 的 SVG 图像插件（Debian 软件包 libqt6svg6）。"));
        return;
    }
    painter.drawImage(target.topLeft(), m_image);
}
