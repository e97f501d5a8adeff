// The channel list on paper: the same pages for the printer, the print preview and PDF files.
// Each page carries a header (model, file, date, which channels) and "Page n of m" at its foot.
#pragma once

#include "chanforge/listprint/ChannelList.h"

#include <QByteArray>
#include <QPageLayout>

class QPainter;
class QPagedPaintDevice;

namespace chanforge::listprint {

/// Paints the list with painter, which is active on device, starting on the device's current
/// page and adding pages as needed. Returns the number of pages painted.
int PaintChannelList(QPainter& painter, QPagedPaintDevice& device, const ChannelList& list,
                     int pageColumns);

/// The paper and margins of every list: the printer and its preview take them too, so they
/// show the pages a PDF of the same choice has.
QPageLayout ListPageLayout();

/// The list as a PDF document with its text as text; pages, when given, receives the page count.
QByteArray PdfBytes(const ChannelList& list, int pageColumns, int* pages = nullptr);

} // namespace chanforge::listprint
