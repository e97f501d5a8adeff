// Drop-downs whose entries carry a stored value: the text shown and the number kept in the
// record, as a fixed table per drop-down.
#pragma once

#include <cstdint>
#include <span>

class QComboBox;

namespace qpui {

/// Translation context of the table texts; mark a text with QT_TRANSLATE_NOOP("ComboValues", ...)
/// and the drop-down shows its translation.
inline constexpr char kComboValuesContext[] = "ComboValues";

struct _comboStrValue_ {
    char text[128];
    std::uint32_t value;
};

/// Replaces the drop-down's entries by the texts of the table, in order.
void FillComboValues(QComboBox* combo, std::span<const _comboStrValue_> values);
/// The value of the entry whose text is the drop-down's current text; 0 when none is.
std::uint32_t GetComboValue(const QComboBox* combo, std::span<const _comboStrValue_> values);
/// Selects the entry holding value; false, and the selection unchanged, when none does.
bool SetComboValue(QComboBox* combo, std::span<const _comboStrValue_> values, std::uint32_t value);

} // namespace qpui
