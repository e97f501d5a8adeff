#include "PolicyScope.h"

#include "policy/Presets.h"
#include "utils/Registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace qpui {

PolicyScope::PolicyScope(const policy::ProductPreset* preset) {
    if (preset == nullptr) return;
    m_previous = utils::SettingsPath();
    QTemporaryFile copy(QStringLiteral("%1/chanforge-policy-XXXXXX.ini").arg(QDir::tempPath()));
    copy.setAutoRemove(false);
    if (!copy.open()) return;
    m_copy = copy.fileName().toStdString();
    QFile stored(QString::fromStdString(m_previous));
    if (stored.open(QIODevice::ReadOnly)) copy.write(stored.readAll());
    copy.close();
    utils::SetSettingsPath(m_copy);
    policy::WritePreset(*preset);
}

PolicyScope::~PolicyScope() {
    if (m_copy.empty()) return;
    utils::SetSettingsPath(m_previous);
    QFile::remove(QString::fromStdString(m_copy));
}

} // namespace qpui
