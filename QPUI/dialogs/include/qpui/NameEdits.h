// Name edits of the record editors: they stop at what the record holds, and a longer name
// (one the record already carried) is refused with the limit named.
#pragma once

#include <QByteArray>

class QLineEdit;
class QWidget;

namespace qpui {

/// Lets the edit take at most maxChars characters; call after the record's name went in.
void LimitNameEdit(QLineEdit& edit, int maxChars);

/// True when name fits maxChars; otherwise tells the operator
/// "Name string length is too long! (at most N characters)".
bool NameFits(QWidget* parent, const QByteArray& name, int maxChars);

} // namespace qpui
