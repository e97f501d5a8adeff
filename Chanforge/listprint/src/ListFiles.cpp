#include "chanforge/listprint/ListFiles.h"

#include "chanforge/listprint/ListPages.h"
#include "chanforge/listprint/ListText.h"
#include "utils/Files.h"

#include <span>

namespace chanforge::listprint {

std::optional<ListFormat> FormatFromKey(std::string_view key) {
    if (key == "pdf")
        return ListFormat::Pdf;
    if (key == "csv")
        return ListFormat::Csv;
    if (key == "html")
        return ListFormat::Html;
    return std::nullopt;
}

QByteArray ListBytes(const ChannelList& list, ListFormat format, int pageColumns, int* pages) {
    switch (format) {
    case ListFormat::Pdf:
        return PdfBytes(list, pageColumns, pages);
    case ListFormat::Csv:
        return CsvBytes(list);
    case ListFormat::Html:
        return HtmlBytes(list);
    }
    return {};
}

ListFileResult WriteChannelList(const ChannelList& list, ListFormat format, int pageColumns,
                                const std::string& path) {
    ListFileResult result;
    const QByteArray bytes = ListBytes(list, format, pageColumns, &result.pages);
    const utils::FileResult written =
        utils::ReplaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                           static_cast<std::size_t>(bytes.size())));
    if (!written.ok()) {
        result.ok = false;
        result.message = kListWriteFailed;
        result.detail = written.message;
    }
    return result;
}

} // namespace chanforge::listprint
