#include "chanforge/fleet/FleetSend.h"

#include "chanforge/check/ImageDiff.h"
#include "chanforge/fleet/FleetTexts.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <filesystem>

namespace chanforge::fleet {

namespace {

QString Shown(const char* text) {
    return QCoreApplication::translate("Fleet", text);
}

QString English(const utils::Phrase& phrase) {
    return QString::fromStdString(phrase.EnglishUtf8());
}

/// A verify that finds more than this many changes lists these and says how many there were.
constexpr int kListedDifferences = 20;

} // namespace

CUnit::CUnit(const FleetJob& job, transfer::TransferLine line, int index, QObject* parent)
    : QObject(parent), job_(job), line_(std::move(line)), index_(index) {}

CUnit::~CUnit() = default;

template <typename Transfer> void CUnit::Retire(std::unique_ptr<Transfer>& transfer) {
    if (!transfer)
        return;
    transfer->disconnect(this);
    transfer.release()->deleteLater();
}

void CUnit::Start() {
    // A fresh controller per turn: the last turn's figures and parser go with it. The last
    // ones may be the very ones whose end led here, so they go once it is told.
    Retire(send_);
    Retire(back_);
    send_ = std::make_unique<transfer::CSendTransfer>(job_.family);
    connect(send_.get(), &transfer::CTransfer::blocksChanged, this, &CUnit::OnBlocks);
    connect(send_.get(), &transfer::CTransfer::finished, this, &CUnit::OnSent);
    blocks_ = {0, 0};
    blocksSent_ = 0;
    reason_.clear();
    differences_.clear();
    startedMs_ = QDateTime::currentMSecsSinceEpoch();
    SetState(UnitState::Waiting);
    send_->Start({line_, job_.file}); // a port that does not open ends the turn inside
}

void CUnit::Stop() {
    repeat_ = false;
    if (!IsRunning())
        return;
    if (state_ == UnitState::Waiting && turnsEnded_) {
        // Waiting for a next receiver that never came: no turn to report.
        send_->disconnect(this);
        send_->Cancel();
        SetState(UnitState::Idle);
        return;
    }
    reason_ = Shown(texts::kStopped);
    if (back_)
        back_->Cancel();
    else
        send_->Cancel();
}

QString CUnit::StateText() const {
    switch (state_) {
    case UnitState::Idle:
        return {};
    case UnitState::Waiting:
        return Shown(texts::kWaiting);
    case UnitState::Sending:
        return Shown(texts::kSendingBlock).arg(blocks_.first).arg(blocks_.second);
    case UnitState::Verifying:
        return Shown(texts::kVerifying);
    case UnitState::Done:
        return Shown(texts::kDone);
    case UnitState::Failed:
        return Shown(texts::kFailed).arg(reason_);
    }
    return {};
}

void CUnit::OnBlocks(int done, int total) {
    blocks_ = {done, total};
    if (total > 0 && state_ == UnitState::Waiting) {
        startedMs_ = QDateTime::currentMSecsSinceEpoch(); // the receiver answered
        SetState(UnitState::Sending);
        return;
    }
    emit changed(index_);
}

void CUnit::OnSent(transfer::CTransfer::Outcome outcome, const QString& message,
                   transfer::TransferFailure failure) {
    blocksSent_ = send_->Stats().blocksDone;
    if (outcome == transfer::CTransfer::Outcome::Succeeded) {
        if (job_.verify)
            StartReadBack();
        else
            End(UnitResult::Sent, {}, repeat_);
        return;
    }
    if (state_ == UnitState::Waiting && repeat_ && failure == transfer::TransferFailure::NoReply) {
        Start(); // the next receiver is not switched on yet: keep knocking
        return;
    }
    const bool stopped = outcome == transfer::CTransfer::Outcome::Cancelled;
    End(stopped ? UnitResult::Stopped : UnitResult::Failed, stopped ? reason_ : message,
        RepeatsAfter(failure));
}

void CUnit::StartReadBack() {
    back_ = std::make_unique<transfer::CReceiveTransfer>(transfer::ParserFamily::Qvr);
    connect(back_.get(), &transfer::CTransfer::blocksChanged, this, &CUnit::OnBlocks);
    connect(back_.get(), &transfer::CTransfer::finished, this, &CUnit::OnReadBack);
    const std::string target = QDir(QString::fromStdString(job_.scratch))
                                   .filePath(QStringLiteral("unit-%1.verify").arg(index_))
                                   .toStdString();
    back_->SetReceivedCheck([this](const std::string& back) { return CompareReadBack(back); });
    blocks_ = {0, 0};
    SetState(UnitState::Verifying);
    back_->Start({line_, target, true});
}

QString CUnit::CompareReadBack(const std::string& back) {
    const check::ImageDiff diff = check::DiffFiles(job_.file, back, job_.layout);
    std::error_code ignored;
    std::filesystem::remove(back, ignored);
    const auto say = job_.say ? job_.say : English;
    if (!diff.ok)
        return QString::fromStdString(diff.detail);
    if (!diff.changes.empty()) {
        for (const check::Change& change : diff.changes) {
            if (differences_.size() == kListedDifferences) {
                differences_ << QStringLiteral("… (%1)").arg(diff.changes.size());
                break;
            }
            differences_ << say(change.message);
        }
        return Shown(texts::kHoldsOther);
    }
    return diff.bytes.empty() ? QString() : say(check::HeldBytesPhrase(diff.bytes));
}

void CUnit::OnReadBack(transfer::CTransfer::Outcome outcome, const QString& message) {
    switch (outcome) {
    case transfer::CTransfer::Outcome::Succeeded:
        End(UnitResult::Verified, {}, repeat_);
        break;
    case transfer::CTransfer::Outcome::Cancelled:
        End(UnitResult::Stopped, reason_, false);
        break;
    case transfer::CTransfer::Outcome::Failed:
        End(UnitResult::Failed, message, repeat_);
        break;
    }
}

bool CUnit::RepeatsAfter(transfer::TransferFailure failure) const {
    // A port that does not open would fail again at once, for ever.
    return repeat_ && failure != transfer::TransferFailure::PortError &&
           failure != transfer::TransferFailure::CannotPrepare;
}

void CUnit::End(UnitResult result, const QString& reason, bool next) {
    UnitRow row;
    row.ended = QDateTime::currentDateTimeUtc();
    row.port = line_.port;
    row.version = back_ ? back_->ReceiverVersion() : QString();
    row.blocks = blocksSent_;
    row.durationMs = QDateTime::currentMSecsSinceEpoch() - startedMs_;
    row.result = result;
    row.reason = reason;
    row.differences = differences_;
    reason_ = reason;
    turnsEnded_ = true;
    SetState(result == UnitResult::Verified || result == UnitResult::Sent ? UnitState::Done
                                                                          : UnitState::Failed);
    // The next turn is under way before this one is told, so nobody takes the port for idle.
    if (next)
        Start();
    emit ended(index_, row);
}

void CUnit::SetState(UnitState state) {
    state_ = state;
    emit changed(index_);
}

CFleet::CFleet(FleetJob job, const std::vector<transfer::TransferLine>& lines, QObject* parent)
    : QObject(parent), job_(std::move(job)) {
    qRegisterMetaType<UnitRow>();
    for (const transfer::TransferLine& line : lines) {
        const int index = static_cast<int>(units_.size());
        units_.push_back(std::make_unique<CUnit>(job_, line, index));
        connect(units_.back().get(), &CUnit::changed, this, &CFleet::unitChanged);
        connect(units_.back().get(), &CUnit::ended, this, &CFleet::OnUnitEnded);
    }
}

CFleet::~CFleet() {
    for (auto& unit : units_)
        unit->disconnect(this);
}

void CFleet::Start() {
    running_ = true;
    for (auto& unit : units_)
        if (!unit->IsRunning())
            unit->Start();
    TellWhenEnded(); // every port refused at once
}

void CFleet::Stop() {
    for (auto& unit : units_)
        unit->Stop();
    TellWhenEnded();
}

void CFleet::TellWhenEnded() {
    if (!running_ || IsRunning())
        return;
    running_ = false;
    emit allEnded();
}

bool CFleet::IsRunning() const {
    return std::any_of(units_.begin(), units_.end(),
                       [](const auto& unit) { return unit->IsRunning(); });
}

void CFleet::OnUnitEnded(int index, const UnitRow& row) {
    rows_.push_back(row);
    emit unitEnded(index, row);
    TellWhenEnded();
}

bool Succeeded(const UnitRow& row, bool verify) {
    return row.result == (verify ? UnitResult::Verified : UnitResult::Sent);
}

} // namespace chanforge::fleet
