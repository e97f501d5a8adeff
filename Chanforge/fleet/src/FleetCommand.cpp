#include "chanforge/fleet/FleetCommand.h"

#include "chanforge/fleet/UnitReport.h"
#include "chanforge/transfer/InterruptNotifier.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <unistd.h>

namespace chanforge::fleet {

namespace {

const char* StateWord(UnitState state) {
    switch (state) {
    case UnitState::Idle:
        return "idle";
    case UnitState::Waiting:
        return "waiting";
    case UnitState::Sending:
        return "sending";
    case UnitState::Verifying:
        return "verifying";
    case UnitState::Done:
        return "done";
    case UnitState::Failed:
        return "failed";
    }
    return "failed";
}

void PrintJson(std::ostream& out, const QJsonObject& object) {
    out << QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() << '\n';
    out.flush();
}

QJsonObject StateJson(CUnit& unit) {
    QJsonObject object{{"port", QString::fromStdString(unit.Port())},
                       {"state", StateWord(unit.State())},
                       {"text", unit.StateText()}};
    if (unit.BlocksTotal() > 0) {
        object["block"] = unit.BlocksDone();
        object["blocks"] = unit.BlocksTotal();
    }
    return object;
}

QJsonObject RowJson(const UnitRow& row) {
    return {{"port", QString::fromStdString(row.port)},
            {"result", ResultWord(row.result)},
            {"time", row.ended.toString(Qt::ISODate)},
            {"version", row.version},
            {"blocks", row.blocks},
            {"seconds", row.durationMs / 1000.0},
            {"reason", row.reason},
            {"differences", QJsonArray::fromStringList(row.differences)}};
}

void PrintRow(std::ostream& out, const UnitRow& row) {
    out << row.port << ": " << ResultWord(row.result);
    if (!row.reason.isEmpty())
        out << ": " << row.reason.toStdString();
    out << " (" << row.blocks << " blocks, "
        << QString::number(row.durationMs / 1000.0, 'f', 1).toStdString() << " s";
    if (!row.version.isEmpty())
        out << ", " << row.version.toStdString();
    out << ")\n";
    for (const QString& difference : row.differences)
        out << "  " << difference.toStdString() << '\n';
    out.flush();
}

/// A line per port on standard error: redrawn in place on a terminal; otherwise a line when a
/// port's state changes, a sending port every tenth of its blocks.
class PortLines {
  public:
    PortLines(CFleet& fleet, bool terminal) : fleet_(fleet), terminal_(terminal) {
        shown_.resize(static_cast<std::size_t>(fleet.UnitCount()));
    }

    void Update(int index) {
        CUnit& unit = fleet_.Unit(index);
        if (terminal_) {
            Redraw();
            return;
        }
        const int step = unit.BlocksTotal() > 0 ? unit.BlocksDone() * 10 / unit.BlocksTotal() : 0;
        const auto shown = std::make_pair(unit.State(), step);
        if (shown == shown_[static_cast<std::size_t>(index)] || unit.State() == UnitState::Idle)
            return;
        shown_[static_cast<std::size_t>(index)] = shown;
        std::fprintf(stderr, "%s: %s\n", unit.Port().c_str(),
                     unit.StateText().toUtf8().constData());
    }

    /// Leaves the lines where they are before other output follows.
    void Close() { drawn_ = false; }

  private:
    void Redraw() {
        if (drawn_)
            std::fprintf(stderr, "\x1b[%dA", fleet_.UnitCount());
        for (int i = 0; i < fleet_.UnitCount(); ++i) {
            CUnit& unit = fleet_.Unit(i);
            const QString line =
                QStringLiteral("%1: %2").arg(QString::fromStdString(unit.Port()), unit.StateText());
            std::fprintf(stderr, "\r%-100s\n", line.left(100).toUtf8().constData());
        }
        std::fflush(stderr);
        drawn_ = true;
    }

    CFleet& fleet_;
    bool terminal_;
    bool drawn_ = false;
    std::vector<std::pair<UnitState, int>> shown_;
};

} // namespace

int RunFleetSend(const FleetCommandOptions& options, std::ostream& out) {
    const auto application = transfer::EnsureApplication();
    std::vector<transfer::TransferLine> lines;
    for (const transfer::LineOptions& option : options.lines) {
        const auto line = transfer::LineFrom(option);
        if (!line)
            return 2;
        lines.push_back(*line);
    }
    CFleet fleet(options.job, lines);
    for (int i = 0; i < fleet.UnitCount(); ++i)
        fleet.Unit(i).SetRepeat(options.repeat);
    PortLines progress(fleet, !options.json && ::isatty(STDERR_FILENO) == 1);
    QEventLoop loop;
    bool reportWritten = true;
    QObject::connect(&fleet, &CFleet::unitChanged, &loop, [&](int index) {
        if (options.json)
            PrintJson(out, StateJson(fleet.Unit(index)));
        else
            progress.Update(index);
    });
    QObject::connect(&fleet, &CFleet::unitEnded, &loop, [&](int, const UnitRow& row) {
        if (options.json) {
            PrintJson(out, RowJson(row));
        } else {
            progress.Close();
            PrintRow(out, row);
        }
        if (options.report.empty())
            return;
        if (const utils::FileResult written = WriteReport(options.report, fleet.Rows());
            !written.ok()) {
            std::fprintf(stderr, "%s: %s\n", written.message.c_str(), options.report.c_str());
            reportWritten = false;
        }
    });
    QObject::connect(&fleet, &CFleet::allEnded, &loop, &QEventLoop::quit);
    transfer::InterruptNotifier interrupt([&] { fleet.Stop(); });
    fleet.Start();
    if (fleet.IsRunning())
        loop.exec();
    const auto& rows = fleet.Rows();
    const bool allGood = !rows.empty() && std::all_of(rows.begin(), rows.end(), [&](const auto& r) {
        return Succeeded(r, options.job.verify);
    });
    return allGood && reportWritten ? 0 : 1;
}

} // namespace chanforge::fleet
