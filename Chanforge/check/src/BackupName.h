// The file names of kept images, which carry what the Restore list shows without reading them:
// MODEL_TIME_CHECKSUM_KIND_TVtv-RADIOradio.bin, -N before ".bin" when that name was taken.
// Names kept before kinds and counts were (MODEL_TIME_CHECKSUM.bin) still parse.
#pragma once

#include "chanforge/check/Backups.h"

#include <QString>

#include <optional>

namespace chanforge::check {

struct BackupName {
    std::string model; ///< file-name safe, as SafeModel gives it
    std::int64_t msecsSinceEpoch = 0;
    std::string checksum;
    BackupKind kind = BackupKind::Unknown;
    std::optional<ChannelCounts> channels;
};

/// Model names become file-name safe; the underscore is kept for the name's own separators.
QString SafeModel(std::string_view model);
/// The name without the clash suffix and ".bin".
QString BackupBaseName(const BackupName& name);
/// None for a name this program does not give.
std::optional<BackupName> ParseBackupName(const QString& fileName);

} // namespace chanforge::check
