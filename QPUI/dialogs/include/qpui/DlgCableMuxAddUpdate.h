// CDlgCableMuxAddUpdate: creates or changes one cable multiplex ("Mux").
#pragma once

#include "chanforge/Records.h"
#include "chanforge/editing/Product.h"
#include "qpui/ShownControls.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace qpui {

class CDlgCableMuxAddUpdate : public QDialog {
    Q_OBJECT
  public:
    CDlgCableMuxAddUpdate(QWidget* parent, chanforge::editing::Product product);

    /// A record whose RowID is 0 is new: the edits show "0", the first constellation is chosen.
    void SetCableInfo(const chanforge::CableMux_Info_Tag* mux);
    chanforge::CableMux_Info_Tag GetCableInfo() const { return mux_; }

    void Prepare();
    int DoModal();
    void accept() override;

  private:
    chanforge::editing::Product product_;
    chanforge::CableMux_Info_Tag mux_{};
    QLineEdit* frequency_ = nullptr;
    QLineEdit* symbolRate_ = nullptr;
    QComboBox* constellation_ = nullptr;
    CShownControls shown_;
};

} // namespace qpui
