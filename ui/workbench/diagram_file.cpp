#include "workbench/diagram_file.h"

#include "core/fit_diagram.h"
#include "widgets/svg_image.h"

#include <QImageWriter>
#include <QSaveFile>

QString SaveDiagram(const QByteArray& svg, const QString& path)
{
    // Written in full or not at all: an existing file is replaced only once the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        // Twice the drawing's size: sharp on a high-density screen or in print.
        const QImage image = RenderSvg(svg, QSize(2 * kFitDiagramWidthPx, 2 * kFitDiagramHeightPx));
        if (image.isNull())
            return QStringLiteral("缺少 Qt 的 SVG 图像插件");
        QImageWriter writer(&file, "png");
        if (!writer.write(image))
            return writer.errorString();
    } else if (file.write(svg) != svg.size()) {
        return file.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
