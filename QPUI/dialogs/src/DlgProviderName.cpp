#include "qpui/DlgProviderName.h"

#include <QLineEdit>

namespace qpui {

CDlgProviderName::CDlgProviderName(ProviderNameMode mode, QWidget* parent)
    : CDlgSearchName(parent) {
    SetTitle(mode == ProviderNameMode::New ? tr("New") : tr("Update"));
    if (auto* edit = findChild<QLineEdit*>(tr("name")))
        edit->setMaxLength(kMaxLength);
}

} // namespace qpui
