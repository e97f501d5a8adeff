// The port combo box of the transfer dialogs: the machine's ports by device path, or any path
// the operator types, remembered for the next transfer.
#pragma once

#include <QString>

class QComboBox;

namespace qpui {

/// Lists the machine's ports and shows the remembered choice (selected, or typed in when the
/// machine does not list it).
void FillPortChoice(QComboBox& box);
/// The port to open: the text in the box without surrounding blanks.
QString ChosenPort(const QComboBox& box);
/// Remembers the choice: "COM Port Name", and "COM Port Number" for a numbered COM name.
void StorePortChoice(const QString& port);

} // namespace qpui
