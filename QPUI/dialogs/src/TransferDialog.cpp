#include "qpui/TransferDialog.h"

#include "SilenceHint.h"
#include "chanforge/transfer/SerialSettings.h"
#include "chanforge/transfer/Transfer.h"
#include "chanforge/transfer/TransferTexts.h"
#include "qpui/MessageBox.h"
#include "qpui/PortChoice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace qpui {

namespace {
constexpr int kFullProgress = 10000; ///< hundredths of a percent
} // namespace

CTransferDialog::CTransferDialog(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("PORT :")), 0, 0);
    port_ = new QComboBox;
    port_->setObjectName("port");
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    port_->setMinimumContentsLength(22);
    grid->addWidget(port_, 0, 1);
    connect_ = new QPushButton(tr("Connect"));
    connect_->setObjectName("connect");
    cancel_ = new QPushButton(tr("Cancel"));
    cancel_->setObjectName("cancel");
    for (QPushButton* button : {connect_, cancel_}) {
        button->setAutoDefault(false); // Enter must not press them
        button->setDefault(false);
    }
    grid->addWidget(connect_, 0, 2);
    grid->addWidget(cancel_, 1, 2);
    status_ = new QLabel;
    status_->setObjectName("status");
    status_->setMinimumWidth(320);
    grid->addWidget(status_, 2, 0, 1, 3);
    progress_ = new QProgressBar;
    progress_->setObjectName("progress");
    progress_->setRange(0, kFullProgress);
    progress_->setValue(0);
    progress_->setTextVisible(false); // the status text carries the figure
    grid->addWidget(progress_, 3, 0, 1, 2);
    blocks_ = new QLabel;
    blocks_->setObjectName("blocks");
    // As wide as the longest count it will show, so the bar does not move while it counts.
    blocks_->setMinimumWidth(blocks_->fontMetrics().horizontalAdvance(BlocksText(9999, 9999)));
    grid->addWidget(blocks_, 3, 2);
    auto* hint = new QLabel;
    grid->addWidget(hint, 4, 0, 1, 3);
    silence_ = new CSilenceHint(*hint);
    connect(connect_, &QPushButton::clicked, this, &CTransferDialog::Connect);
    connect(cancel_, &QPushButton::clicked, this, &CTransferDialog::reject);
    FillPortChoice(*port_);
}

CTransferDialog::~CTransferDialog() = default;

void CTransferDialog::Initialize(const std::string& path) {
    path_ = path;
}

void CTransferDialog::Attach(transfer::CTransfer& transfer) {
    transfer_ = &transfer;
    silence_->Watch(transfer);
    connect(&transfer, &transfer::CTransfer::statusChanged, status_, &QLabel::setText);
    connect(&transfer, &transfer::CTransfer::progressChanged, progress_, &QProgressBar::setValue);
    connect(&transfer, &transfer::CTransfer::blocksChanged, blocks_, [this](int done, int total) {
        blocks_->setText(total > 0 ? BlocksText(done, total) : QString());
    });
    connect(&transfer, &transfer::CTransfer::finished, this,
            [this](transfer::CTransfer::Outcome outcome, const QString& message,
                   transfer::TransferFailure failure) {
                if (outcome == transfer::CTransfer::Outcome::Succeeded)
                    Succeeded();
                else if (outcome == transfer::CTransfer::Outcome::Failed)
                    Failed(failure, message);
            });
}

QString CTransferDialog::BlocksText(int done, int total) {
    return tr("block %1 of %2").arg(done).arg(total);
}

bool CTransferDialog::FailureIsFinal(transfer::TransferFailure) const {
    return false;
}

void CTransferDialog::Connect() {
    if (finished_) {
        accept();
        return;
    }
    const QString port = ChosenPort(*port_);
    StorePortChoice(port);
    transfer::TransferLine line;
    line.port = port.toLocal8Bit().toStdString();
    line.settings = transfer::ReadSerialSettings();
    line.idleTimeoutMs = transfer::kDefaultIdleMs;
    line.policy = values_;
    // Nothing of the last attempt stays on screen: its failure is not this one's.
    progress_->setValue(0);
    status_->clear();
    blocks_->clear();
    if (StartTransfer(line, path_) && !transfer_->IsFinished()) {
        connect_->setEnabled(false);
        port_->setEnabled(false);
    }
}

void CTransferDialog::Succeeded() {
    finished_ = true;
    succeeded_ = true;
    connect_->setText(transfer::texts::Shown(transfer::texts::kComplete));
    connect_->setEnabled(true);
}

void CTransferDialog::Failed(transfer::TransferFailure failure, const QString& message) {
    if (FailureIsFinal(failure)) {
        finished_ = true;
        connect_->setText(tr("OK"));
        connect_->setEnabled(true);
        return;
    }
    // The bar and the blocks keep how far it got; the operator may check the line and
    // connect again.
    connect_->setEnabled(true);
    port_->setEnabled(true);
    if (failure == transfer::TransferFailure::CannotPrepare)
        ShowError(this, message);
    else
        status_->setText(message);
}

void CTransferDialog::reject() {
    if (transfer_ != nullptr && transfer_->IsConnected() &&
        ShowMessage(this, MessageKind::QuestionOkCancel,
                    transfer::texts::Shown(transfer::texts::kCloseQuestion)) != QMessageBox::Ok)
        return;
    if (transfer_ != nullptr)
        transfer_->Cancel();
    QDialog::reject();
}

void CTransferDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace qpui
