#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Draws SVG through Qt's SVG image plugin, which Qt loads on first use: the program links no SVG
// library, so the main dialog's start-up never pays for it.

// The drawing at a size in pixels; a null image when the plugin is missing or the SVG is bad.
QImage RenderSvg(const QByteArray& svg, QSize pixelSize);
