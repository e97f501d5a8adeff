// CEnglishCounts: the English of the counted texts ("%n channel(s)"), for the window in English,
// where no catalogue stands between the sources and the screen.
#pragma once

#include <QTranslator>

namespace chanforge::app {

class CEnglishCounts : public QTranslator {
  public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

} // namespace chanforge::app
