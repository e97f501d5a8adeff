// The names of the backups this program wrote, oldest first, one a line in a file of the
// backup folder. Only what it names is ever pruned: a file the program did not write stays.
#pragma once

#include <QDir>
#include <QStringList>

namespace chanforge::check {

inline constexpr const char* kBackupOrderFile = "written-order.txt";

/// Names of regular files still in the folder, oldest first; false when the record exists but
/// cannot be read (nothing may then be pruned).
bool ReadWrittenOrder(const QDir& dir, QStringList& names);
bool WriteWrittenOrder(const QDir& dir, const QStringList& names);

/// A regular file, not a link, FIFO, device or folder.
bool IsRegularFile(const QString& path);

} // namespace chanforge::check
