// The status bar: what the grids' filter shows, in words; how many TV and radio channels are
// shown of how many; the file and the receiver model; and, for a while, what a gesture did.
#pragma once

#include <QString>

class QLabel;
class QStatusBar;

namespace chanforge::app {

class CStatusLine {
  public:
    explicit CStatusLine(QStatusBar& bar);

    void ShowFilter(const QString& text);
    void ShowCounts(int tvShown, int tvTotal, int radioShown, int radioTotal);
    void ShowDocument(const QString& file, const QString& model);
    /// A passing message ("2 channels added to Sports").
    void Tell(const QString& message);

  private:
    QStatusBar& bar_;
    QLabel* filter_;
    QLabel* counts_;
    QLabel* document_;
};

} // namespace chanforge::app
