// The settings store: numbers (REG_DWORD) and strings (REG_SZ) under SOFTWARE\Rixatel\ST and
// its sub-keys. Every call opens and closes the store; nothing is cached. Reading a missing value
// stores its default (unless the store is read-only). Results: 1 success, 0 failure (the failure
// is also reported).
//
// Location: the file named by SetSettingsPath, else by the environment variable
// CHANFORGE_SETTINGS, else the platform's per-user settings location.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int kRegistryStringSize = 256; ///< result buffers of the string getter

/// Sub-key of all the system's settings.
inline constexpr const char* kChanforgeKey = "Chanforge";

int GetRegistry(const char* subKey, const char* valueName, std::uint32_t* result,
                std::uint32_t defaultValue);
/// result must hold kRegistryStringSize bytes; longer stored strings are cut there.
int GetRegistry(const char* subKey, const char* valueName, char* result, const char* defaultValue);
int SetRegistry(const char* subKey, const char* valueName, std::uint32_t value);
int SetRegistry(const char* subKey, const char* valueName, const char* value);
/// Removes a sub-key with all its values; 1 on success (also when it did not exist).
int DeleteRegistryKey(const char* subKey);
/// 1 when the value exists (of any type), else 0; never creates it.
int HasRegistryValue(const char* subKey, const char* valueName);

namespace utils {
/// Points the store at a file (empty: back to CHANFORGE_SETTINGS or the platform default).
void SetSettingsPath(const std::string& path);
/// The file the store uses now.
std::string SettingsPath();
/// Why that file cannot be the store; empty when it can, is empty or does not exist yet. A store
/// is a regular file of INI lines ([section], key=value, ; or # comment) whose every section and
/// key lies under SOFTWARE\Rixatel\ST; a note, another program's settings or an image is none,
/// and a FIFO is refused unopened. Every call on a refused store fails without touching the file.
std::string SettingsStoreProblem();
/// While set, a missing value reads as its default without being stored and writes fail, so the
/// store's bytes stay as they are.
void SetSettingsReadOnly(bool readOnly);
/// How many writes (a value set, a default stored, a key removed) have failed in this process so
/// far: a command that saw this grow did not store what it meant to.
unsigned FailedSettingsWrites();
} // namespace utils
