// Reading numbers out of the record editors' edits. A number that does not fit its field is
// refused with a message naming the field and its range, never cut to the field's width.
#pragma once

#include <cstdint>
#include <optional>

class QLineEdit;
class QString;
class QWidget;

namespace qpui {

/// The edit's leading decimal number (0 when the text does not start with one) if it lies in
/// 0..max; otherwise tells the operator "<field> must be a number from 0 to <max>.".
std::optional<std::uint32_t> ReadNumberEdit(QWidget* parent, const QLineEdit* edit,
                                            const QString& field, std::uint32_t max);

/// An orbital position "19.2" in tenths of a degree (further digits cut), 0.0 to 180.0.
std::optional<std::uint16_t> ReadDegreeEdit(QWidget* parent, const QLineEdit* edit);

} // namespace qpui
