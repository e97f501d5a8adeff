// One line of transfer progress on standard error: redrawn in place on a terminal, a line per
// status change otherwise (logs stay readable).
#pragma once

#include "chanforge/transfer/Transfer.h"

#include <QString>

namespace chanforge::transfer {

class ProgressLine {
  public:
    explicit ProgressLine(bool terminal) : terminal_(terminal) {}
    void Update(const QString& status, int hundredths, const TransferStats& stats);
    /// Ends the line before other output follows.
    void Close();

  private:
    bool terminal_;
    bool drawn_ = false;
    QString lastStatus_;
    int lastStep_ = -1;
};

} // namespace chanforge::transfer
