#pragma once

#include "report/report_content.h"

class QPagedPaintDevice;

// Lays a report out on A4 or any other page of a paged device (a PDF writer, a printer) and paints
// it: a title with the fit, the inputs, both parts' limits, the fit, its tolerance-zone diagram as
// vector graphics, the press fit where there is one, and on every page the program's version, the
// date and the page number. The device's whole page is used: the report keeps its own margins.
// False if the device cannot be painted on.
bool PaintReport(const ReportContent& content, QPagedPaintDevice& device);
