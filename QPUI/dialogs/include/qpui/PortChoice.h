// The port combo box of the transfer dialogs: the machine's ports by device path and the port
// the operator typed last, remembered for the next transfer.
#pragma once

#include "serlink/PortNames.h"

#include <QString>

#include <string>
#include <vector>

class QComboBox;

namespace qpui {

struct PortOffer {
    std::vector<serlink::PortInfo> ports;
    int chosen = -1; ///< the row of the choice in ports
};
/// The machine's ports, each path once, plus the choice when it names none of them (by path,
/// platform name or numbered name): USB adapters first, since that is what operators plug in,
/// then by path with numbers in numeric order.
PortOffer OfferPorts(std::vector<serlink::PortInfo> machine, const std::string& choice);

/// Offers the ports and selects the remembered choice.
void FillPortChoice(QComboBox& box);
/// The port to open: the text in the box without surrounding blanks.
QString ChosenPort(const QComboBox& box);
/// Remembers the choice as typed, and its number as well for a numbered COM name.
void StorePortChoice(const QString& port);

} // namespace qpui
