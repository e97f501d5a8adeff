// Writes the workbooks the interop checks feed to other programs, and shows what we read.
//
//   samples DIR      every kind of workbook we write, each with a JSON dump of what we read back
//   export FILE N    exports N sample channels
//   import FILE      imports the sheet "Channel" and prints the channels as JSON
//   expected N       prints N sample channels as import would
#include "chanforge/TableAccess.h"
#include "chanforge/xls/ChannelWorkbook.h"
#include "chanforge/xls/Workbook.h"

#include "../../src/SheetColumns.h"
#include "../ChannelSamples.h"

#include <climits>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

using chanforge::Channel_Info_Tag;
using namespace chanforge::xls;

std::string JsonString(std::u16string_view text) {
    std::string out = "\"";
    char buf[8];
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return out + "\"";
}

std::string JsonString(std::string_view bytes) {
    std::u16string wide;
    for (char c : bytes)
        wide.push_back(static_cast<unsigned char>(c)); // 8-bit cells are Latin-1 units
    return JsonString(wide);
}

/// What our reader finds in a workbook file: sheets in order with every non-empty cell.
bool DumpWorkbook(const std::string& path, std::ostream& out) {
    Workbook book;
    if (book.Load(path) != XlsResult::Ok)
        return false;
    out << "{\"sheets\": [";
    for (std::size_t i = 0; i < book.SheetCount(); ++i) {
        const Worksheet& s = book.Sheet(i);
        out << (i ? ",\n" : "")
            << "{\"name\": " << (s.HasWideName() ? JsonString(s.WideName()) : JsonString(s.Name()))
            << ", \"cells\": [";
        bool first = true;
        for (std::uint32_t r = 0; r < s.Rows().size(); ++r)
            for (const Cell& c : s.Rows()[r]) {
                if (c.kind == CellKind::Empty)
                    continue;
                out << (first ? "" : ",") << "[" << r << "," << int(c.column) << ",";
                first = false;
                char num[32];
                switch (c.kind) {
                case CellKind::Integer:
                    out << c.integer;
                    break;
                case CellKind::Float:
                    std::snprintf(num, sizeof num, "%.17g", c.number);
                    out << num;
                    break;
                case CellKind::Text:
                    out << JsonString(*s.GetText(r, c.column));
                    break;
                default:
                    out << JsonString(*s.GetWideText(r, c.column));
                    break;
                }
                out << "]";
            }
        out << "]}";
    }
    out << "]}\n";
    return true;
}

void PrintChannels(tabstore::CQoDB& db) {
    std::cout << "[";
    bool first = true;
    chanforge::ForEachRow<Channel_Info_Tag>(
        db, chanforge::kChannelTable, [&](const Channel_Info_Tag& ch) {
            std::cout << (first ? "" : ",\n") << "[";
            first = false;
            const auto& columns = channel::Columns();
            for (std::uint32_t col = 0; col < channel::kColumnCount; ++col) {
                if (col)
                    std::cout << ",";
                if (col == channel::kNameColumn) {
                    std::cout << "[";
                    for (std::size_t k = 0; k < sizeof ch.Name && ch.Name[k]; ++k)
                        std::cout << (k ? "," : "") << int(static_cast<unsigned char>(ch.Name[k]));
                    std::cout << "]";
                } else {
                    // Unsigned field values, as the receiver holds them.
                    std::cout << static_cast<std::uint32_t>(channel::ReadField(ch, columns[col]));
                }
            }
            std::cout << "]";
        });
    std::cout << "]\n";
}

bool Save(Workbook& book, const std::string& path) {
    return book.SaveAs(path) == XlsResult::Ok;
}

/// Every kind of workbook we write.
bool WriteSamples(const std::string& dir) {
    bool ok = true;
    tabstore::CQoDB db;
    ok &= ExportChannelWorkbook(db, dir + "/channels-empty.xls") == WorkbookResult::Ok;
    test::FillChannels(db, 500);
    ok &= ExportChannelWorkbook(db, dir + "/channels.xls") == WorkbookResult::Ok;

    Workbook existing;
    existing.AddWorksheet("A")->SetFloat(0, 0, 2.5);
    existing.AddWorksheet("Channel")->SetText(0, 0, "old");
    existing.AddWorksheet("B")->SetText(3, 3, "kept");
    ok &= Save(existing, dir + "/channels-into-existing.xls");
    ok &= ExportChannelWorkbook(db, dir + "/channels-into-existing.xls") == WorkbookResult::Ok;

    Workbook mixed = Workbook::New(1);
    Worksheet& s = mixed.Sheet(0);
    const std::int32_t ints[] = {0,         -1,         536870911, -536870912,
                                 536870912, -536870913, INT32_MIN, INT32_MAX};
    for (std::uint32_t i = 0; i < std::size(ints); ++i)
        s.SetInteger(i, 0, ints[i]);
    const double floats[] = {0.5, 12.34, -0.01, 1.0 / 3, 1e-300, 5e9};
    for (std::uint32_t i = 0; i < std::size(floats); ++i)
        s.SetFloat(i, 1, floats[i]);
    s.SetText(0, 2, "Caf\xE9");
    s.SetWideText(1, 2, u"\u03A9\u0416 wide");
    s.SetWideText(2, 2, std::u16string(20000, u'\u0416')); // spans CONTINUE records
    for (std::uint32_t r = 0; r < 2000; ++r)
        s.SetText(r, 3, "string " + std::to_string(r));
    s.SetInteger(65535, 255, 7);
    mixed.AddWorksheet(std::u16string_view(u"\u041B\u0438\u0441\u0442"));
    mixed.AddNumberedWorksheet()->SetInteger(1, 1, 1);
    ok &= Save(mixed, dir + "/mixed.xls");

    tabstore::CQoDB full;
    test::FillChannels(full, kMaxWorkbookChannels); // large enough for the DIFAT
    ok &= ExportChannelWorkbook(full, dir + "/channels-max.xls") == WorkbookResult::Ok;

    for (const char* name :
         {"channels-empty", "channels", "channels-into-existing", "mixed", "channels-max"}) {
        std::ofstream json(dir + "/" + name + ".json");
        ok &= DumpWorkbook(dir + "/" + name + ".xls", json);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "samples" && argc == 3)
        return WriteSamples(argv[2]) ? 0 : 1;
    if (command == "export" && argc == 4) {
        tabstore::CQoDB db;
        test::FillChannels(db, static_cast<std::uint32_t>(std::stoul(argv[3])));
        const WorkbookResult r = ExportChannelWorkbook(db, argv[2]);
        if (r != WorkbookResult::Ok)
            std::cerr << WorkbookMessage(r) << "\n";
        return r == WorkbookResult::Ok ? 0 : 1;
    }
    if (command == "import" && argc == 3) {
        tabstore::CQoDB db;
        RefusedCell refused;
        const WorkbookResult r = ImportChannelWorkbook(argv[2], db, nullptr, &refused);
        if (r != WorkbookResult::Ok) {
            std::cerr << (r == WorkbookResult::CellRefused ? RefusedCellText(refused).English()
                                                           : WorkbookMessage(r))
                      << "\n";
            return 1;
        }
        PrintChannels(db);
        return 0;
    }
    if (command == "expected" && argc == 3) {
        tabstore::CQoDB db;
        test::FillChannels(db, static_cast<std::uint32_t>(std::stoul(argv[2])));
        PrintChannels(db);
        return 0;
    }
    std::cerr << "usage: xls_interop_tool samples DIR | export FILE N | import FILE | expected N\n";
    return 2;
}
