#include "qpui/NameEdits.h"

#include "qpui/MessageBox.h"

#include <QLineEdit>

namespace qpui {

void LimitNameEdit(QLineEdit& edit, int maxChars) {
    // A name the record already holds stays whole, even a longer one: OK then says why it
    // cannot stay, rather than the edit cutting it unseen.
    edit.setMaxLength(edit.text().size() <= maxChars ? maxChars : 32767);
}

bool NameFits(QWidget* parent, const QByteArray& name, int maxChars) {
    if (name.size() <= maxChars)
        return true;
    ShowError(
        parent,
        QStringLiteral("Name string length is too long! (at most %1 characters)").arg(maxChars));
    return false;
}

} // namespace qpui
