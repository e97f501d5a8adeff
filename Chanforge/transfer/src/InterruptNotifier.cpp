#include "chanforge/transfer/InterruptNotifier.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace chanforge::transfer {

namespace {

int wakePipe[2] = {-1, -1};
/// Ctrl+C, a kill and a closed terminal all cancel: the transfer ends and tidies up.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previous[3]{};

void OnSignal(int) {
    // Only async-signal-safe work here: one byte through the pipe wakes the event loop.
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
}

} // namespace

InterruptNotifier::InterruptNotifier(std::function<void()> onInterrupt)
    : onInterrupt_(std::move(onInterrupt)) {
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(wakePipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char drain[16];
        while (::read(wakePipe[0], drain, sizeof drain) > 0) {
        }
        onInterrupt_();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

InterruptNotifier::~InterruptNotifier() {
    if (!notifier_)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    notifier_.reset();
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}

} // namespace chanforge::transfer
