// The BIFF8 record reader over arbitrary "Workbook" streams; whatever loads must save and load
// again with the same sheets.
#include "chanforge/xls/Workbook.h"

#include <cstdlib>

namespace xls = chanforge::xls;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    xls::Workbook book;
    if (book.LoadStream(std::span<const std::uint8_t>(data, size)) != xls::XlsResult::Ok)
        return 0;
    const std::vector<std::uint8_t> saved = book.SaveStream();
    xls::Workbook again;
    if (again.LoadStream(saved) != xls::XlsResult::Ok || again.SheetCount() != book.SheetCount())
        std::abort();
    return 0;
}
