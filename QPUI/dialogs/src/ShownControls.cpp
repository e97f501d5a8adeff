#include "qpui/ShownControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace qpui {

QVariant CShownControls::Shown(const QWidget* control) {
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentIndex();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->isChecked();
    return {};
}

void CShownControls::Remember(const QWidget& dialog) {
    shown_.clear();
    for (const QWidget* control : dialog.findChildren<QWidget*>())
        if (const QVariant value = Shown(control); value.isValid())
            shown_.insert(control, value);
}

bool CShownControls::Changed(const QWidget* control) const {
    const auto it = shown_.constFind(control);
    return it == shown_.constEnd() || *it != Shown(control);
}

bool CShownControls::AnyChanged(std::initializer_list<const QWidget*> controls) const {
    return std::any_of(controls.begin(), controls.end(),
                       [this](const QWidget* control) { return Changed(control); });
}

} // namespace qpui
