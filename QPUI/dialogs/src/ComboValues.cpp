#include "qpui/ComboValues.h"

#include <QComboBox>
#include <QCoreApplication>

#include <cstring>
#include <string>

namespace qpui {

namespace {

/// The entry as shown: its text translated when the table marked it for translation.
QString TextOf(const _comboStrValue_& entry) {
    const std::string text(entry.text, strnlen(entry.text, sizeof entry.text));
    return QCoreApplication::translate(kComboValuesContext, text.c_str());
}

} // namespace

void FillComboValues(QComboBox* combo, std::span<const _comboStrValue_> values) {
    combo->clear();
    for (const _comboStrValue_& entry : values)
        combo->addItem(TextOf(entry));
}

std::uint32_t GetComboValue(const QComboBox* combo, std::span<const _comboStrValue_> values) {
    const QString current = combo->currentText();
    for (const _comboStrValue_& entry : values)
        if (TextOf(entry) == current)
            return entry.value;
    return 0;
}

bool SetComboValue(QComboBox* combo, std::span<const _comboStrValue_> values, std::uint32_t value) {
    for (const _comboStrValue_& entry : values) {
        if (entry.value != value)
            continue;
        const int at = combo->findText(TextOf(entry));
        if (at < 0)
            return false;
        combo->setCurrentIndex(at);
        return true;
    }
    return false;
}

} // namespace qpui
