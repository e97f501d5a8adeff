// CColorStatic: a static text on a coloured strip, used as the title of each pane.
#pragma once

#include <QLabel>

namespace widgetry {

class CColorStatic : public QLabel {
    Q_OBJECT
  public:
    explicit CColorStatic(const QString& text, QWidget* parent = nullptr);

    /// Fixes the strip's height in pixels.
    void SetStripHeight(int pixels);
};

} // namespace widgetry
