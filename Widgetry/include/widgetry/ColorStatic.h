// CColorStatic: a static text on a coloured strip, used as the title of each pane.
#pragma once

#include <QColor>
#include <QLabel>

namespace widgetry {

class CColorStatic : public QLabel {
    Q_OBJECT
  public:
    explicit CColorStatic(const QString& text, QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    QColor Background() const { return background_; }
    QColor TextColor() const { return text_; }
    /// Fixes the strip's height in pixels.
    void SetStripHeight(int pixels);

  private:
    void Apply();

    QColor background_;
    QColor text_;
};

} // namespace widgetry
