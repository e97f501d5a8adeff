// The channel list on paper: the same pages for the printer, the print preview and PDF files.
// Each page carries a header (model, file, date, which channels) and "Page n of m" at its foot.
#pragma once

#include "chanforge/listprint/ChannelList.h"

#include <QByteArray>

class QPainter;
class QPagedPaintDevice;

namespace chanforge::listprint {

/// Paints the list with painter, which is active on device, starting on the device's current
/// page and adding pages as needed. Returns the number of pages painted.
int PaintChannelList(QPainter& painter, QPagedPaintDevice& device, const ChannelList& list,
                     int pageColumns);

/// The list as a PDF document with its text as text; pages, when given, receives the page count.
QByteArray PdfBytes(const ChannelList& list, int pageColumns, int* pages = nullptr);

} // namespace chanforge::listprint
