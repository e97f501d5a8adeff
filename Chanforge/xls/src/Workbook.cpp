#include "chanforge/xls/Workbook.h"

#include "chanforge/xls/CompoundFile.h"
#include "utils/Files.h"

#include "BiffFormat.h"
#include "LittleEndian.h"

#include <algorithm>

namespace chanforge::xls {

namespace {

constexpr std::u16string_view kWorkbookStream = u"Workbook";
/// The stream's name before Excel 97; some writers still use it for BIFF8 records.
constexpr std::u16string_view kOlderStream = u"Book";

/// True when the stream opens with the BOF of BIFF8, the only record version we read.
bool OpensAsBiff8(std::span<const std::uint8_t> stream) {
    return stream.size() >= biff::kRecordHeader + 2 && le::U16(stream.data()) == biff::kBof &&
           le::U16(stream.data() + biff::kRecordHeader) == biff::kBiff8Version;
}

/// The workbook stream of a compound file: "Workbook", else a "Book" stream of BIFF8 records.
CfbResult ReadWorkbookStream(std::span<const std::uint8_t> image,
                             std::vector<std::uint8_t>& stream) {
    CompoundFileReader reader;
    if (CfbResult r = reader.Open(image); r != CfbResult::Ok)
        return r;
    CfbResult r = reader.ReadStream(kWorkbookStream, stream);
    if (r != CfbResult::NoSuchStream)
        return r;
    r = reader.ReadStream(kOlderStream, stream);
    return r == CfbResult::Ok && !OpensAsBiff8(stream) ? CfbResult::NoSuchStream : r;
}

XlsResult FromCfb(CfbResult r) {
    switch (r) {
    case CfbResult::Ok:
        return XlsResult::Ok;
    case CfbResult::NotCompoundFile:
        return XlsResult::NotCompoundFile;
    case CfbResult::NoSuchStream:
        return XlsResult::NoWorkbookStream;
    case CfbResult::Corrupt:
        break;
    }
    return XlsResult::Corrupt;
}

XlsResult FromFile(const utils::FileResult& r) {
    switch (r.status) {
    case utils::FileStatus::Ok:
        return XlsResult::Ok;
    case utils::FileStatus::CannotRead:
        return XlsResult::CannotOpen;
    case utils::FileStatus::NotRegularFile:
        return XlsResult::NotRegularFile;
    case utils::FileStatus::TooLarge:
        return XlsResult::TooLarge;
    case utils::FileStatus::ReadOnly:
    case utils::FileStatus::Exists:
    case utils::FileStatus::CannotWrite:
        break;
    }
    return XlsResult::CannotWrite;
}

bool ValidName(std::size_t length) {
    return length > 0 && length <= kMaxSheetName;
}

} // namespace

Workbook::Workbook() : pool_(std::make_shared<TextPool>()) {}

Workbook Workbook::New(int sheets) {
    Workbook book;
    for (int i = 0; i < sheets; ++i)
        book.AddNumberedWorksheet();
    return book;
}

XlsResult Workbook::Load(const std::string& path) {
    std::vector<std::uint8_t> image;
    if (const utils::FileResult r = utils::ReadWholeFile(path, image); !r.ok()) {
        *this = Workbook();
        return FromFile(r);
    }
    return LoadImage(image);
}

XlsResult Workbook::LoadImage(std::span<const std::uint8_t> image) {
    std::vector<std::uint8_t> stream;
    if (CfbResult r = ReadWorkbookStream(image, stream); r != CfbResult::Ok) {
        *this = Workbook();
        return FromCfb(r);
    }
    return LoadStream(stream);
}

std::vector<std::uint8_t> Workbook::SaveImage() const {
    CompoundFileWriter writer;
    writer.MakeStream(kWorkbookStream);
    writer.WriteStream(kWorkbookStream, SaveStream());
    return writer.Image();
}

XlsResult Workbook::SaveAs(const std::string& path) const {
    const std::vector<std::uint8_t> image = SaveImage();
    return FromFile(utils::ReplaceFile(path, image));
}

Worksheet* Workbook::GetWorksheet(std::string_view name) {
    for (auto& sheet : sheets_)
        if (!sheet->HasWideName() && sheet->Name() == name)
            return sheet.get();
    return nullptr;
}

bool Workbook::WideNameTaken(std::u16string_view name) const {
    return std::any_of(sheets_.begin(), sheets_.end(), [&](const auto& sheet) {
        return sheet->HasWideName() && sheet->WideName() == name;
    });
}

Worksheet* Workbook::Insert(std::unique_ptr<Worksheet> sheet, int position) {
    const std::size_t at =
        position < 0 ? sheets_.size()
                     : std::min<std::size_t>(static_cast<std::size_t>(position), sheets_.size());
    return sheets_.insert(sheets_.begin() + static_cast<std::ptrdiff_t>(at), std::move(sheet))
        ->get();
}

Worksheet* Workbook::AddWorksheet(std::string_view name, int position) {
    if (!ValidName(name.size()) || GetWorksheet(name) != nullptr)
        return nullptr;
    return Insert(std::make_unique<Worksheet>(std::string(name), pool_), position);
}

Worksheet* Workbook::AddWorksheet(std::u16string_view name, int position) {
    if (!ValidName(name.size()) || WideNameTaken(name))
        return nullptr;
    return Insert(std::make_unique<Worksheet>(std::u16string(name), pool_), position);
}

Worksheet* Workbook::AddNumberedWorksheet(int position) {
    for (std::size_t n = sheets_.size() + 1;; ++n) {
        const std::string name = "Sheet" + std::to_string(n);
        if (GetWorksheet(name) == nullptr)
            return AddWorksheet(name, position);
    }
}

bool Workbook::DeleteWorksheet(std::string_view name) {
    const auto it = std::find_if(sheets_.begin(), sheets_.end(), [&](const auto& sheet) {
        return !sheet->HasWideName() && sheet->Name() == name;
    });
    if (it == sheets_.end())
        return false;
    sheets_.erase(it);
    return true;
}

bool Workbook::RenameWorksheet(std::string_view oldName, std::string_view newName) {
    Worksheet* sheet = GetWorksheet(oldName);
    if (sheet == nullptr || !ValidName(newName.size()))
        return false;
    if (oldName != newName && GetWorksheet(newName) != nullptr)
        return false;
    sheet->SetName(std::string(newName));
    return true;
}

} // namespace chanforge::xls
