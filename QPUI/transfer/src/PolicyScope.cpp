#include "PolicyScope.h"

#include "policy/Presets.h"
#include "utils/Registry.h"
#include "utils/TempFiles.h"

#include <QFile>

namespace qpui {

PolicyScope::PolicyScope(const policy::ProductPreset* preset) {
    if (preset == nullptr) return;
    previous_ = utils::SettingsPath();
    copy_ = utils::CreateGuardedTempFile("chanforge-policy", ".ini");
    QFile copy(QString::fromStdString(copy_));
    if (copy_.empty() || !copy.open(QIODevice::WriteOnly)) return;
    QFile stored(QString::fromStdString(previous_));
    if (stored.open(QIODevice::ReadOnly)) copy.write(stored.readAll());
    copy.close();
    utils::SetSettingsPath(copy_);
    policy::WritePreset(*preset);
}

PolicyScope::~PolicyScope() {
    if (copy_.empty()) return;
    utils::SetSettingsPath(previous_);
    utils::RemoveGuardedTempFile(copy_);
}

} // namespace qpui
