// The hint a transfer dialog adds after 10 s in which nothing moved: the operator most often
// waits on a receiver that is off, not in its download menu, or on another port. The transfer
// goes on waiting; the hint goes as soon as something moves.
#pragma once

#include <QObject>
#include <QTimer>

#include "qpui/TransferDialog.h"

class QLabel;

namespace qpui {

inline constexpr int kSilenceHintMs = 10000;

class CSilenceHint : public QObject {
    Q_OBJECT
  public:
    /// Shows the hint in label; the label is hidden while there is nothing to say.
    explicit CSilenceHint(QLabel& label, int silenceMs = kSilenceHintMs);

    /// Starts watching a transfer: every status or progress change is a sign of life.
    void Watch(transfer::CTransfer& transfer);
    /// Something moved: the hint goes and the silence is counted afresh.
    void Alive();
    /// The transfer ended: no hint any more.
    void Stop();

  private:
    QLabel& label_;
    QTimer timer_;
};

} // namespace qpui
