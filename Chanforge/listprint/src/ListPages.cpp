#include "chanforge/listprint/ListPages.h"

#include "ColumnFit.h"
#include "PagePlan.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace chanforge::listprint {

namespace {

constexpr double kBodyPoints = 9;
constexpr double kTitlePoints = 12;
constexpr double kGutterMm = 6;
constexpr double kPaddingMm = 1.5;
constexpr double kMarginMm = 12;
/// A text that does not fit its cell shrinks to this share of the body font on one line, then
/// wraps onto two lines down to the smallest share.
constexpr double kOneLineScale = 0.6;
constexpr double kSmallestScale = 0.25;
const QColor kShade(236, 236, 236);
const QColor kRule(120, 120, 120);

QFont MakeFont(double points, bool bold) {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

Qt::Alignment AlignmentOf(ListColumn column) {
    switch (column) {
    case ListColumn::Number:
        return Qt::AlignRight;
    case ListColumn::Scrambled:
    case ListColumn::Locked:
    case ListColumn::Skipped:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

/// Paints pages of one list on one device; every measure is in device pixels.
class PageWriter {
  public:
    PageWriter(QPainter& painter, QPagedPaintDevice& device, const ChannelList& list,
               int pageColumns)
        : painter_(painter), device_(device), list_(list), body_(MakeFont(kBodyPoints, false)),
          bold_(MakeFont(kBodyPoints, true)), title_(MakeFont(kTitlePoints, true)),
          bodyMetrics_(body_, &device), boldMetrics_(bold_, &device),
          titleMetrics_(title_, &device) {
        const double mm = device.logicalDpiX() / 25.4;
        padding_ = kPaddingMm * mm;
        line_ = std::ceil(bodyMetrics_.lineSpacing() * 1.2);
        const double gutter = kGutterMm * mm;
        columns_ = std::clamp(pageColumns, 1, kMaxPageColumns);
        columnWidth_ = (device.width() - gutter * (columns_ - 1)) / columns_;
        columnStep_ = columnWidth_ + gutter;
        bodyTop_ = titleMetrics_.lineSpacing() + line_ * 1.5;
        bodyBottom_ = device.height() - line_ * 1.5;
        widths_ = FitWidths(list.columns, NaturalWidths(), columnWidth_);
    }

    int Paint() {
        const int lines = static_cast<int>((bodyBottom_ - bodyTop_) / line_) - 1;
        const std::vector<PlannedPage> pages = PlanPages(list_, lines, columns_);
        const int count = static_cast<int>(pages.size());
        for (int page = 0; page < count; ++page) {
            if (page > 0)
                device_.newPage();
            PaintHeader();
            PaintFooter(page + 1, count);
            const PlannedPage& planned = pages[static_cast<std::size_t>(page)];
            for (std::size_t column = 0; column < planned.size(); ++column)
                PaintColumn(planned[column], static_cast<double>(column) * columnStep_);
            if (list_.sections.empty()) {
                painter_.setFont(body_);
                painter_.drawText(QPointF(0, bodyTop_ + bodyMetrics_.ascent()), NoChannelsText());
            }
        }
        return count;
    }

  private:
    std::vector<double> NaturalWidths() const {
        std::vector<double> widths;
        for (std::size_t i = 0; i < list_.columns.size(); ++i) {
            double widest = boldMetrics_.horizontalAdvance(ColumnTitle(list_.columns[i]));
            for (const ListSection& section : list_.sections)
                for (const QStringList& row : section.rows)
                    widest = std::max(
                        widest, bodyMetrics_.horizontalAdvance(row[static_cast<qsizetype>(i)]));
            widths.push_back(widest + 2 * padding_);
        }
        return widths;
    }

    void PaintHeader() {
        const double width = device_.width();
        painter_.setPen(Qt::black);
        painter_.setFont(title_);
        const double titleBase = titleMetrics_.ascent();
        painter_.drawText(QPointF(0, titleBase), list_.heading.model);
        painter_.setFont(body_);
        DrawRight(list_.heading.date, width, titleBase);
        const double base = titleMetrics_.lineSpacing() + bodyMetrics_.ascent();
        painter_.drawText(QPointF(0, base), list_.title);
        DrawRight(list_.heading.file, width, base);
        Rule(base + bodyMetrics_.descent() + line_ * 0.2, width);
    }

    void PaintFooter(int page, int pages) {
        const double width = device_.width();
        Rule(bodyBottom_ + line_ * 0.2, width);
        painter_.setFont(body_);
        const QString text = PageText(page, pages);
        painter_.drawText(QPointF((width - bodyMetrics_.horizontalAdvance(text)) / 2,
                                  device_.height() - bodyMetrics_.descent()),
                          text);
    }

    void PaintColumn(const PlannedColumn& lines, double left) {
        double top = bodyTop_;
        painter_.setFont(bold_);
        for (std::size_t i = 0; i < list_.columns.size(); ++i)
            DrawCell(ColumnTitle(list_.columns[i]), i, left, top, bold_, boldMetrics_);
        Rule(top + line_, left + columnWidth_, left);
        int shade = 0;
        for (const PlannedLine& line : lines) {
            top += line_;
            const ListSection& section = list_.sections[line.section];
            if (line.row == kHeadingRow) {
                painter_.setFont(bold_);
                painter_.drawText(QPointF(left + padding_, top + Baseline(boldMetrics_)),
                                  SectionTitle(section.kind));
                shade = 0;
                continue;
            }
            if (shade++ % 2 == 1)
                painter_.fillRect(QRectF(left, top, columnWidth_, line_), kShade);
            painter_.setFont(body_);
            const QStringList& row = section.rows[static_cast<std::size_t>(line.row)];
            for (std::size_t i = 0; i < list_.columns.size(); ++i)
                DrawCell(row[static_cast<qsizetype>(i)], i, left, top, body_, bodyMetrics_);
        }
    }

    void DrawCell(const QString& text, std::size_t column, double left, double top,
                  const QFont& font, const QFontMetricsF& metrics) {
        for (std::size_t i = 0; i < column; ++i)
            left += widths_[i];
        // A column squeezed below its padding gives the padding up before its text.
        const double padding = std::min(padding_, widths_[column] / 4);
        const double room = widths_[column] - 2 * padding;
        const double advance = metrics.horizontalAdvance(text);
        if (advance > room) {
            DrawSmaller(text, font, QRectF(left + padding, top, room, line_));
            return;
        }
        double x = left + padding;
        const Qt::Alignment align = AlignmentOf(list_.columns[column]);
        if (align == Qt::AlignRight)
            x += room - advance;
        else if (align == Qt::AlignHCenter)
            x += (room - advance) / 2;
        painter_.drawText(QPointF(x, top + Baseline(metrics)), text);
    }

    /// A text wider than its cell is printed whole, never cut: in a smaller font on one line
    /// while that stays readable, else wrapped onto two lines of the row, smaller still.
    void DrawSmaller(const QString& text, QFont font, const QRectF& box) {
        painter_.save();
        const double points = font.pointSizeF();
        int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        for (double scale = 0.95; scale > kSmallestScale; scale -= 0.05) {
            font.setPointSizeF(points * scale);
            const bool oneLine = scale >= kOneLineScale;
            flags = Qt::AlignLeft | Qt::AlignVCenter |
                    (oneLine ? Qt::TextSingleLine : Qt::TextWrapAnywhere);
            const QRectF needed =
                QFontMetricsF(font, &device_)
                    .boundingRect(QRectF(0, 0, box.width(), 4 * box.height()), flags, text);
            if (needed.width() <= box.width() && needed.height() <= box.height())
                break;
        }
        painter_.setFont(font);
        painter_.drawText(box, flags, text);
        painter_.restore();
    }

    /// Baseline of a text centred in a line.
    double Baseline(const QFontMetricsF& metrics) const {
        return (line_ - metrics.height()) / 2 + metrics.ascent();
    }

    void DrawRight(const QString& text, double right, double baseline) {
        painter_.drawText(QPointF(right - bodyMetrics_.horizontalAdvance(text), baseline), text);
    }

    void Rule(double y, double right, double left = 0) {
        painter_.save();
        painter_.setPen(QPen(kRule, 0));
        painter_.drawLine(QPointF(left, y), QPointF(right, y));
        painter_.restore();
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const ChannelList& list_;
    QFont body_, bold_, title_;
    QFontMetricsF bodyMetrics_, boldMetrics_, titleMetrics_;
    double padding_ = 0;
    double line_ = 0;
    int columns_ = 1;
    double columnWidth_ = 0;
    double columnStep_ = 0;
    double bodyTop_ = 0;
    double bodyBottom_ = 0;
    std::vector<double> widths_;
};

} // namespace

QPageLayout ListPageLayout() {
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

int PaintChannelList(QPainter& painter, QPagedPaintDevice& device, const ChannelList& list,
                     int pageColumns) {
    return PageWriter(painter, device, list, pageColumns).Paint();
}

QByteArray PdfBytes(const ChannelList& list, int pageColumns, int* pages) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(ListPageLayout());
        writer.setTitle(list.title);
        writer.setCreator(QCoreApplication::applicationName());
        QPainter painter(&writer);
        const int painted = PaintChannelList(painter, writer, list, pageColumns);
        if (pages != nullptr)
            *pages = painted;
    }
    return bytes;
}

} // namespace chanforge::listprint
