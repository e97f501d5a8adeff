#include "qpui/DlgProviderName.h"

#include <QLineEdit>

namespace qpui {

CDlgProviderName::CDlgProviderName(ProviderNameMode mode, QWidget* parent)
    : CDlgSearchName(parent) {
    SetTitle(mode == ProviderNameMode::New ? QStringLiteral("New") : QStringLiteral("Update"));
    if (auto* edit = findChild<QLineEdit*>(QStringLiteral("name")))
        edit->setMaxLength(kMaxLength);
}

} // namespace qpui
