// CDlgConfiguration: chooses the receiver model and the column mode; OK stores the model's
// policy in place of everything stored before.
#pragma once

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace qpui {

class CDlgConfiguration : public QDialog {
    Q_OBJECT
  public:
    explicit CDlgConfiguration(QWidget* parent = nullptr);

    void Prepare();
    int DoModal();
    void accept() override;

  private:
    QComboBox* product_ = nullptr;
    QRadioButton* simple_ = nullptr;
    QRadioButton* detail_ = nullptr;
};

} // namespace qpui
