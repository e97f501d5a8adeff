#include "StatusLine.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace chanforge::app {

namespace {

constexpr int kMessageMs = 8000;

/// A passing message covers the normal labels (the filter) for a while; permanent ones stay.
QLabel* AddLabel(QStatusBar& bar, const char* name, bool permanent) {
    auto* label = new QLabel(&bar);
    label->setObjectName(QString::fromLatin1(name));
    if (permanent)
        bar.addPermanentWidget(label);
    else
        bar.addWidget(label, 1);
    return label;
}

} // namespace

CStatusLine::CStatusLine(QStatusBar& bar)
    : bar_(bar), filter_(AddLabel(bar, "statusFilter", false)),
      counts_(AddLabel(bar, "statusCounts", true)),
      document_(AddLabel(bar, "statusDocument", true)) {}

void CStatusLine::ShowFilter(const QString& text) {
    filter_->setText(text);
}

void CStatusLine::ShowCounts(int tvShown, int tvTotal, int radioShown, int radioTotal) {
    counts_->setText(
        QCoreApplication::translate("chanforge::app::CStatusLine", "TV %1 of %2 · Radio %3 of %4")
            .arg(tvShown)
            .arg(tvTotal)
            .arg(radioShown)
            .arg(radioTotal));
}

void CStatusLine::ShowDocument(const QString& file, const QString& model) {
    document_->setText(file.isEmpty() ? model : file + QStringLiteral(" \u00B7 ") + model);
}

void CStatusLine::Tell(const QString& message) {
    bar_.showMessage(message, kMessageMs);
}

} // namespace chanforge::app
