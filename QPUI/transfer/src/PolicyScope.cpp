#include "PolicyScope.h"

#include "policy/Presets.h"
#include "utils/Registry.h"
#include "utils/TempFiles.h"

#include <QFile>

namespace qpui {

PolicyScope::PolicyScope(const policy::ProductPreset* preset) {
    if (preset == nullptr) return;
    m_previous = utils::SettingsPath();
    m_copy = utils::CreateGuardedTempFile("chanforge-policy", ".ini");
    QFile copy(QString::fromStdString(m_copy));
    if (m_copy.empty() || !copy.open(QIODevice::WriteOnly)) return;
    QFile stored(QString::fromStdString(m_previous));
    if (stored.open(QIODevice::ReadOnly)) copy.write(stored.readAll());
    copy.close();
    utils::SetSettingsPath(m_copy);
    policy::WritePreset(*preset);
}

PolicyScope::~PolicyScope() {
    if (m_copy.empty()) return;
    utils::SetSettingsPath(m_previous);
    utils::RemoveGuardedTempFile(m_copy);
}

} // namespace qpui
