// CDlgProviderName: the name dialog of the provider list, titled "New" or "Update"; a
// provider name holds at most 16 characters.
#pragma once

#include "qpui/DlgSearchName.h"

namespace qpui {

enum class ProviderNameMode { New, Update };

class CDlgProviderName : public CDlgSearchName {
    Q_OBJECT
  public:
    static constexpr int kMaxLength = 16;

    explicit CDlgProviderName(ProviderNameMode mode, QWidget* parent = nullptr);

    /// The entered name in the receiver's 8-bit code, at most kMaxLength characters.
    QByteArray Name() const { return Text().toLatin1().left(kMaxLength); }
};

} // namespace qpui
