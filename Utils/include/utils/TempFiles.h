// Temporary files (work files, settings copies) that never outlive their process: a signal that
// ends the process removes them first, and a later start removes those of processes that died
// without the chance (killed, crashed, power lost).
#pragma once

#include "utils/Files.h"

#include <string>

namespace utils {

/// Creates an empty file in the temporary directory named <prefix>-<process id>-XXXXXX<suffix>
/// and guards it; on failure the result names the folder and the cause.
FileResult CreateGuardedTempFile(const std::string& prefix, const std::string& suffix,
                                 std::string& path);
/// Removes a file made by CreateGuardedTempFile and stops guarding it.
void RemoveGuardedTempFile(const std::string& path);

/// Guards a file its writer names itself: a signal that ends the process removes it, until
/// UnguardPath once it was renamed or removed.
void GuardPath(const std::string& path);
void UnguardPath(const std::string& path);

/// Guards a temporary named .NAME.<process id>-<n>.tmp beside a target and writes its path down
/// in the temporary folder, so that a start after this process was killed outright removes it
/// too; UnguardBeside once it was renamed or removed.
void GuardBeside(const std::string& temp);
void UnguardBeside(const std::string& temp);

/// At start: removes guarded files left by processes that are gone (in the temporary folder, and
/// the temporaries beside targets they wrote down), and makes SIGINT, SIGTERM and SIGHUP remove
/// this process's guarded files before they end it. Returns how many stale files were removed.
int TidyTempFiles();

} // namespace utils
