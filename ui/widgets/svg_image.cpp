#include "widgets/svg_image.h"

#include <QBuffer>
#include <QImageReader>

QImage RenderSvg(const QByteArray& svg, QSize pixelSize)
{
    if (svg.isEmpty() || pixelSize.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(svg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    // Drawn at the size asked for, not scaled from a picture: sharp at any size.
    reader.setScaledSize(pixelSize);
    return reader.read();
}
