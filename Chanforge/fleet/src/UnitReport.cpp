#include "chanforge/fleet/UnitReport.h"

#include "chanforge/csv/Csv.h"
#include "chanforge/fleet/FleetTexts.h"

#include <QDir>

#include <array>
#include <filesystem>

namespace chanforge::fleet {

namespace {

constexpr char kSeparator = ',';

const std::array<std::string, 8> kHeader = {"Time",    "Port",   "Receiver version", "Blocks",
                                            "Seconds", "Result", "Reason",           "Differences"};

std::string Utf8(const QString& text) {
    return text.toStdString();
}

void AppendRow(std::string& out, const UnitRow& row) {
    const std::array<std::string, 8> fields = {
        Utf8(row.ended.toUTC().toString(Qt::ISODate)),
        row.port,
        Utf8(row.version),
        std::to_string(row.blocks),
        Utf8(QString::number(row.durationMs / 1000.0, 'f', 1)),
        ResultWord(row.result),
        Utf8(row.reason),
        Utf8(row.differences.join(QStringLiteral("; "))),
    };
    csv::AppendRecord(out, fields, kSeparator);
}

std::string Records(std::span<const UnitRow> rows) {
    std::string out;
    for (const UnitRow& row : rows)
        AppendRow(out, row);
    return out;
}

std::string Header() {
    std::string out;
    csv::AppendRecord(out, kHeader, kSeparator);
    return out;
}

utils::FileResult Replace(const std::string& path, const std::string& text) {
    const auto* begin = reinterpret_cast<const std::uint8_t*>(text.data());
    return utils::ReplaceFile(path, {begin, text.size()});
}

} // namespace

const char* ResultWord(UnitResult result) {
    switch (result) {
    case UnitResult::Verified:
        return texts::kVerified;
    case UnitResult::Sent:
        return texts::kSent;
    case UnitResult::Failed:
        return texts::kFailedResult;
    case UnitResult::Stopped:
        return texts::kStoppedResult;
    }
    return texts::kFailedResult;
}

std::string ReportCsv(std::span<const UnitRow> rows) {
    return Header() + Records(rows);
}

utils::FileResult WriteReport(const std::string& path, std::span<const UnitRow> rows) {
    return Replace(path, ReportCsv(rows));
}

utils::FileResult AppendToLog(const std::string& folder, std::span<const UnitRow> rows) {
    if (!QDir().mkpath(QString::fromStdString(folder)))
        return {utils::FileStatus::CannotWrite, "cannot create " + folder};
    const std::string path = (std::filesystem::path(folder) / kLogName).string();
    std::vector<std::uint8_t> kept;
    std::error_code missing;
    if (std::filesystem::exists(path, missing)) {
        if (utils::FileResult read = utils::ReadWholeFile(path, kept); !read.ok())
            return read;
    }
    const std::string before = kept.empty() ? Header() : std::string(kept.begin(), kept.end());
    return Replace(path, before + Records(rows));
}

} // namespace chanforge::fleet
