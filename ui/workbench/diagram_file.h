#pragma once

#include <QByteArray>
#include <QString>

// Writes a drawing given as SVG to a file: a name ending in .png (any case) gets a PNG picture at
// twice the drawing's own size, any other name the SVG itself. Returns what went wrong, or nothing.
QString SaveDiagram(const QByteArray& svg, const QString& path);
