#include "PortChoice.h"

#include "chanforge/transfer/SerialSettings.h"
#include "serlink/PortNames.h"
#include "utils/Registry.h"

#include <QComboBox>
#include <QRegularExpression>

namespace qpui {

namespace {

/// A port path does not fit the numbered setting, so the full choice is kept beside it.
constexpr const char* kPortNameValue = "COM Port Name";

QString StoredChoice() {
    if (HasRegistryValue(kChanforgeKey, kPortNameValue) == 1) {
        char name[kRegistryStringSize] = {};
        if (GetRegistry(kChanforgeKey, kPortNameValue, name, "") == 1 && name[0] != '\0')
            return QString::fromLocal8Bit(name);
    }
    // First use: the numbered port, as the device it stands for on this machine.
    const std::string numbered =
        "COM" + std::to_string(chanforge::transfer::ReadSerialSettings().port);
    return QString::fromStdString(serlink::ResolvePortName(numbered));
}

} // namespace

void FillPortChoice(QComboBox& box) {
    box.clear();
    for (const serlink::PortInfo& port : serlink::EnumeratePorts()) {
        box.addItem(QString::fromStdString(port.location));
        QString tip = QString::fromStdString(port.name);
        if (!port.description.empty())
            tip += QStringLiteral(" - ") + QString::fromStdString(port.description);
        box.setItemData(box.count() - 1, tip, Qt::ToolTipRole);
    }
    const QString stored = StoredChoice();
    const int row = box.findText(stored);
    if (row >= 0)
        box.setCurrentIndex(row);
    else
        box.setEditText(stored);
}

QString ChosenPort(const QComboBox& box) {
    return box.currentText().trimmed();
}

void StorePortChoice(const QString& port) {
    SetRegistry(kChanforgeKey, kPortNameValue, port.toLocal8Bit().constData());
    static const QRegularExpression numbered(QStringLiteral(R"(^(?:\\\\\.\\)?COM(\d{1,3})$)"));
    const QRegularExpressionMatch match = numbered.match(port);
    if (!match.hasMatch())
        return;
    const int number = match.captured(1).toInt();
    if (number >= 1 && number <= 255)
        chanforge::transfer::StoreSerialPort(static_cast<std::uint8_t>(number));
}

} // namespace qpui
