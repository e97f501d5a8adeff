#include "SilenceHint.h"

#include "chanforge/transfer/Transfer.h"

#include <QLabel>

namespace qpui {

CSilenceHint::CSilenceHint(QLabel& label, int silenceMs) : QObject(&label), label_(label) {
    label_.setObjectName(QStringLiteral("silenceHint"));
    label_.setWordWrap(true);
    label_.setText(
        tr("Still waiting. Check that the receiver is switched on, shows its download menu and is "
           "connected to the chosen port."));
    label_.hide();
    timer_.setSingleShot(true);
    timer_.setInterval(silenceMs);
    connect(&timer_, &QTimer::timeout, &label_, &QLabel::show);
}

void CSilenceHint::Watch(transfer::CTransfer& transfer) {
    connect(&transfer, &transfer::CTransfer::statusChanged, this, &CSilenceHint::Alive);
    connect(&transfer, &transfer::CTransfer::progressChanged, this, &CSilenceHint::Alive);
    connect(&transfer, &transfer::CTransfer::finished, this, &CSilenceHint::Stop);
}

void CSilenceHint::Alive() {
    label_.hide();
    timer_.start();
}

void CSilenceHint::Stop() {
    timer_.stop();
    label_.hide();
}

} // namespace qpui
