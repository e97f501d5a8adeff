#include "qpui/NumberEdits.h"

#include "qpui/MessageBox.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace qpui {

namespace {

constexpr std::uint32_t kMaxTenths = 1800;

struct Leading {
    bool negative = false;
    std::uint64_t whole = 0; ///< saturates far above any field's range
    int tenth = 0;           ///< first digit after the point
};

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

/// The leading decimal number of text: [-]digits[.digit...]; 0 when there is none.
Leading ParseLeading(const QString& text) {
    const QString t = text.trimmed();
    Leading out;
    qsizetype at = 0;
    if (t.size() > 1 && t[0] == QLatin1Char('-') && (IsDigit(t[1]) || t[1] == QLatin1Char('.'))) {
        out.negative = true;
        at = 1;
    }
    for (; at < t.size() && IsDigit(t[at]); ++at)
        out.whole = std::min<std::uint64_t>(
            out.whole * 10 + static_cast<unsigned>(t[at].digitValue()), std::uint64_t{1} << 40);
    if (at + 1 < t.size() && t[at] == QLatin1Char('.') && IsDigit(t[at + 1]))
        out.tenth = t[at + 1].digitValue();
    // "-0" and "-0.0" are zero, not a negative number.
    if (out.whole == 0 && out.tenth == 0)
        out.negative = false;
    return out;
}

void TellRange(QWidget* parent, const QString& field, const QString& low, const QString& high) {
    ShowError(parent,
              QCoreApplication::translate("qpui::NumberEdits", "%1 must be a number from %2 to %3.")
                  .arg(field, low, high));
}

} // namespace

std::optional<std::uint32_t> ReadNumberEdit(QWidget* parent, const QLineEdit* edit,
                                            const QString& field, std::uint32_t max) {
    const Leading n = ParseLeading(edit->text());
    if (n.negative || n.whole > max) {
        TellRange(parent, field, QStringLiteral("0"), QString::number(max));
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(n.whole);
}

std::optional<std::uint16_t> ReadDegreeEdit(QWidget* parent, const QLineEdit* edit) {
    const Leading n = ParseLeading(edit->text());
    const std::uint64_t tenths = n.whole * 10 + static_cast<unsigned>(n.tenth);
    if (n.negative || tenths > kMaxTenths) {
        TellRange(parent, QCoreApplication::translate("qpui::NumberEdits", "Degree"),
                  QStringLiteral("0.0"), QStringLiteral("180.0"));
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(tenths);
}

} // namespace qpui
