// What the several-receivers send says of each port; the window and the command line show the
// same texts.
#pragma once

#include "utils/Translatable.h"

namespace chanforge::fleet::texts {

inline constexpr const char* kWaiting = CF_TR_NOOP("Fleet", "waiting for the receiver");
inline constexpr const char* kSendingBlock = CF_TR_NOOP("Fleet", "sending block %1 of %2");
inline constexpr const char* kVerifying = CF_TR_NOOP("Fleet", "verifying");
inline constexpr const char* kDone = CF_TR_NOOP("Fleet", "done");
inline constexpr const char* kFailed = CF_TR_NOOP("Fleet", "failed: %1");
inline constexpr const char* kStopped = CF_TR_NOOP("Fleet", "Stopped");
inline constexpr const char* kHoldsOther =
    CF_TR_NOOP("Fleet", "The receiver holds a database that differs from the one sent");

// The report's result column.
inline constexpr const char* kVerified = CF_TR_NOOP("Fleet", "verified");
inline constexpr const char* kSent = CF_TR_NOOP("Fleet", "sent");
inline constexpr const char* kFailedResult = CF_TR_NOOP("Fleet", "failed");
inline constexpr const char* kStoppedResult = CF_TR_NOOP("Fleet", "stopped");

} // namespace chanforge::fleet::texts
