// Turns Ctrl+C, a kill (SIGTERM) and a closed terminal into a call on the event loop's thread,
// where a transfer may be cancelled.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace chanforge::transfer {

class InterruptNotifier {
  public:
    /// Installs the handler for SIGINT until destruction; onInterrupt runs on this thread.
    explicit InterruptNotifier(std::function<void()> onInterrupt);
    ~InterruptNotifier();
    InterruptNotifier(const InterruptNotifier&) = delete;
    InterruptNotifier& operator=(const InterruptNotifier&) = delete;

  private:
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onInterrupt_;
};

} // namespace chanforge::transfer
