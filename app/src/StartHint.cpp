#include "StartHint.h"

#include "chanforge/Records.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace chanforge::app {

CStartHint::CStartHint(QWidget* parent) : QWidget(parent) {
    setObjectName("startHint");
    auto* outer = new QVBoxLayout(this);
    auto* title = new QLabel(tr("No channel list is open"));
    title->setObjectName("startHintTitle");
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    auto* text = new QLabel(tr("Receive the list from the receiver over the serial cable, or open "
                               "a channel file or workbook you saved. The guide explains each "
                               "step."));
    text->setWordWrap(true);
    buttons_ = new QVBoxLayout;
    outer->addStretch(1);
    outer->addWidget(title, 0, Qt::AlignHCenter);
    outer->addWidget(text);
    outer->addLayout(buttons_);
    outer->addStretch(2);
    setContentsMargins(24, 0, 24, 0);
}

void CStartHint::UseActions(QAction* receive, QAction* open, QAction* guide) {
    AddButton("startReceive", tr("Receive from the receiver..."), receive);
    AddButton("startOpen", tr("Open a file..."), open);
    AddButton("startGuide", tr("Read the guide"), guide);
}

void CStartHint::AddButton(const char* name, const QString& text, QAction* action) {
    const QString key = action->shortcut().toString(QKeySequence::NativeText);
    auto* button =
        new QPushButton(key.isEmpty() ? text : QStringLiteral("%1  (%2)").arg(text, key));
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(action->icon());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    buttons_->addWidget(button, 0, Qt::AlignLeft);
}

bool HoldsNothing(const tabstore::CQoDB& db) {
    for (std::uint8_t table = 0; table < kTableCount; ++table)
        if (db.Size(table) > 0)
            return false;
    return true;
}

} // namespace chanforge::app
