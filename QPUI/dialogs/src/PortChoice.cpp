#include "qpui/PortChoice.h"

#include "chanforge/transfer/SerialSettings.h"

#include <QComboBox>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace qpui {

namespace {

std::string StoredChoice() {
    const std::string typed = chanforge::transfer::ReadTypedPort();
    if (!typed.empty())
        return typed;
    // Nothing typed yet: the numbered port, as the device it stands for on this machine.
    const std::string numbered =
        "COM" + std::to_string(chanforge::transfer::ReadSerialSettings().port);
    return serlink::ResolvePortName(numbered);
}

bool IsUsbAdapter(const serlink::PortInfo& port) {
    const QString location = QString::fromStdString(port.location);
    return location.contains(QLatin1String("usb"), Qt::CaseInsensitive) ||
           location.contains(QLatin1String("ttyACM"));
}

/// Splits off the trailing number, so that "ttyS2" sorts before "ttyS10".
std::pair<std::string, std::string> StemAndNumber(const std::string& location) {
    const std::size_t digits = location.find_last_not_of("0123456789") + 1;
    std::string number = location.substr(digits);
    number.erase(0, std::min(number.find_first_not_of('0'), number.size()));
    return {location.substr(0, digits), number};
}

bool ComesBefore(const serlink::PortInfo& a, const serlink::PortInfo& b) {
    if (IsUsbAdapter(a) != IsUsbAdapter(b))
        return IsUsbAdapter(a);
    const auto [aStem, aNumber] = StemAndNumber(a.location);
    const auto [bStem, bNumber] = StemAndNumber(b.location);
    if (aStem != bStem)
        return aStem < bStem;
    if (aNumber.size() != bNumber.size())
        return aNumber.size() < bNumber.size();
    if (aNumber != bNumber)
        return aNumber < bNumber;
    return a.location < b.location;
}

int RowOf(const std::vector<serlink::PortInfo>& ports, const std::string& location) {
    const auto found = std::find_if(ports.begin(), ports.end(),
                                    [&](const auto& port) { return port.location == location; });
    return found == ports.end() ? -1 : static_cast<int>(found - ports.begin());
}

/// The machine's path for a choice that names one of its ports; the choice as it is otherwise.
std::string MachineLocation(const std::vector<serlink::PortInfo>& machine,
                            const std::string& choice) {
    const std::string device = serlink::ResolvePortName(choice);
    for (const serlink::PortInfo& port : machine)
        if (port.location == choice || port.location == device || port.name == choice)
            return port.location;
    return choice;
}

QString ToolTip(const serlink::PortInfo& port) {
    QString tip = QString::fromStdString(port.name);
    if (!port.description.empty())
        tip += QStringLiteral(" - ") + QString::fromStdString(port.description);
    return tip;
}

} // namespace

PortOffer OfferPorts(std::vector<serlink::PortInfo> machine, const std::string& choice) {
    const std::string chosen = MachineLocation(machine, choice);
    PortOffer offer;
    for (serlink::PortInfo& port : machine)
        if (RowOf(offer.ports, port.location) < 0)
            offer.ports.push_back(std::move(port));
    if (!chosen.empty() && RowOf(offer.ports, chosen) < 0)
        offer.ports.push_back({{}, chosen, {}});
    std::stable_sort(offer.ports.begin(), offer.ports.end(), ComesBefore);
    offer.chosen = RowOf(offer.ports, chosen);
    return offer;
}

void FillPortChoice(QComboBox& box) {
    box.clear();
    const PortOffer offer = OfferPorts(serlink::EnumeratePorts(), StoredChoice());
    for (const serlink::PortInfo& port : offer.ports) {
        box.addItem(QString::fromStdString(port.location));
        if (!port.name.empty())
            box.setItemData(box.count() - 1, ToolTip(port), Qt::ToolTipRole);
    }
    box.setCurrentIndex(offer.chosen);
}

QString ChosenPort(const QComboBox& box) {
    return box.currentText().trimmed();
}

void StorePortChoice(const QString& port) {
    chanforge::transfer::StoreTypedPort(port.toStdString());
    static const QRegularExpression numbered(QStringLiteral(R"(^(?:\\\\\.\\)?COM(\d{1,3})$)"));
    const QRegularExpressionMatch match = numbered.match(port);
    if (!match.hasMatch())
        return;
    const int number = match.captured(1).toInt();
    if (number >= 1 && number <= 255)
        chanforge::transfer::StoreSerialPort(static_cast<std::uint8_t>(number));
}

} // namespace qpui
