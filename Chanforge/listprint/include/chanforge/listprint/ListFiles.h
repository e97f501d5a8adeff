// Writes a channel list to a file as PDF, CSV or HTML, through the one file layer: an existing
// file is replaced only once the new one is complete.
#pragma once

#include "chanforge/listprint/ChannelList.h"
#include "utils/Translatable.h"

#include <optional>
#include <string>
#include <string_view>

namespace chanforge::listprint {

enum class ListFormat { Pdf, Csv, Html };

/// "pdf", "csv" or "html".
std::optional<ListFormat> FormatFromKey(std::string_view key);

inline constexpr const char* kListWriteFailed =
    CF_TR_NOOP("ListPrint", "Cannot write the channel list");

struct [[nodiscard]] ListFileResult {
    bool ok = true;
    std::string message; ///< kListWriteFailed when not ok; translated where it is shown
    std::string detail;  ///< the file and the cause
    int pages = 0;       ///< PDF only: the pages written
};

/// The list in the format; pageColumns matters for PDF only.
QByteArray ListBytes(const ChannelList& list, ListFormat format, int pageColumns,
                     int* pages = nullptr);

ListFileResult WriteChannelList(const ChannelList& list, ListFormat format, int pageColumns,
                                const std::string& path);

} // namespace chanforge::listprint
