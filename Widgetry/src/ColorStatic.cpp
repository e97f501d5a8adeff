#include "widgetry/ColorStatic.h"

#include <QPalette>

namespace widgetry {

CColorStatic::CColorStatic(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x1F, 0x4E, 0x79));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
}

void CColorStatic::SetStripHeight(int pixels) {
    setFixedHeight(pixels);
}

} // namespace widgetry
