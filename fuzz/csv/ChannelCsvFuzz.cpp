// The channel sheet's CSV reader over arbitrary bytes: whatever it refuses it names, and whatever
// it reads must write and read back to the same channels.
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/xls/ChannelCsv.h"
#include "utils/CodeTable.h"
#include "utils/Registry.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

namespace xls = chanforge::xls;

namespace {

std::vector<std::string> Rows(tabstore::CQoDB& db) {
    std::vector<std::string> rows;
    chanforge::ForEachRow<chanforge::Channel_Info_Tag>(
        db, chanforge::kChannelTable, [&](const chanforge::Channel_Info_Tag& ch) {
            rows.emplace_back(reinterpret_cast<const char*>(&ch), sizeof ch);
        });
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The workbook code page is a setting: keep the fuzzer away from the user's.
    utils::SetSettingsPath(
        (std::filesystem::temp_directory_path() / "chanforge-csv-fuzz.ini").string());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    xls::NameImport names{[](std::string_view text, std::uint8_t codeTable) -> xls::ImportedName {
                              utils::EncodedName name = utils::NameFromUtf8(text, codeTable, false);
                              if (!name.Encoded() || name.bytes.size() > 20)
                                  return {std::nullopt, utils::Phrase::Text(std::string(text))};
                              return {std::move(name.bytes), {}};
                          },
                          {}};
    tabstore::CQoDB db;
    xls::RefusedCell refused;
    const xls::WorkbookResult result =
        xls::ReadChannelCsv(std::span<const std::uint8_t>(data, size), db, &names, &refused);
    if (result == xls::WorkbookResult::CellRefused || result == xls::WorkbookResult::CsvMalformed ||
        result == xls::WorkbookResult::NamesRefused) {
        if (xls::RefusedCellText(refused).English().empty())
            std::abort();
        return 0;
    }
    if (result != xls::WorkbookResult::Ok)
        return 0;
    const std::string text = xls::ChannelCsvText(db, ';');
    tabstore::CQoDB again;
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    if (xls::ReadChannelCsv(bytes, again) != xls::WorkbookResult::Ok || Rows(again) != Rows(db))
        std::abort();
    return 0;
}
