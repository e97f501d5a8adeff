#include "widgetry/ColorStatic.h"

#include <QPalette>

namespace widgetry {

CColorStatic::CColorStatic(const QString& text, QWidget* parent)
    : QLabel(text, parent), background_(0x1F, 0x4E, 0x79), text_(Qt::white) {
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Apply();
}

void CColorStatic::SetColors(const QColor& background, const QColor& text) {
    background_ = background;
    text_ = text;
    Apply();
}

void CColorStatic::SetStripHeight(int pixels) { setFixedHeight(pixels); }

void CColorStatic::Apply() {
    QPalette p = palette();
    p.setColor(QPalette::Window, background_);
    p.setColor(QPalette::WindowText, text_);
    setPalette(p);
}

} // namespace widgetry
