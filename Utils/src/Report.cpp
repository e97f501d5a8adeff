#include "utils/Report.h"

#include <iostream>
#include <mutex>

namespace utils {

namespace {
std::mutex hookMutex;
ReportHook& CurrentHook() {
    static ReportHook hook;
    return hook;
}
} // namespace

ReportHook SetReportHook(ReportHook hook) {
    std::lock_guard guard(hookMutex);
    ReportHook old = std::move(CurrentHook());
    CurrentHook() = std::move(hook);
    return old;
}

void Report(ReportLevel level, const std::string& message) {
    ReportHook hook;
    {
        std::lock_guard guard(hookMutex);
        hook = CurrentHook();
    }
    if (hook) {
        hook(level, message);
        return;
    }
    std::cerr << message << '\n';
}

} // namespace utils
