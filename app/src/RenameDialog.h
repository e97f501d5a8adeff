// CRenameDialog: rename the chosen channels by a pattern, every old name shown beside its new
// one, with the names the model's slot cannot keep (refused, or cut when the operator ticks
// "Cut names to fit") and those its code page cannot show marked. Each line has a tick box: a
// line left out keeps its name, and a refused one no longer holds back the rest.
#pragma once

#include "chanforge/editing/RenamePattern.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace chanforge::app {

class CTickBoxes;

class CRenameDialog : public QDialog {
    Q_OBJECT
  public:
    /// nameBytes: what the model's channel slot keeps of a name.
    CRenameDialog(tabstore::CQoDB& db, editing::RowIds keys, std::size_t nameBytes,
                  QWidget* parent = nullptr);

    /// What Rename applies: the preview shown, but the lines left out.
    const editing::RenamePreview& Preview() const { return preview_; }
    const editing::LeftOut& LeftOut() const { return leftOut_; }

  private:
    void ShowPreview();
    void Count();

    tabstore::CQoDB& db_;
    editing::RowIds keys_;
    std::size_t nameBytes_;
    editing::RenamePreview preview_;
    editing::LeftOut leftOut_;
    QLineEdit* find_ = nullptr;
    QLineEdit* replace_ = nullptr;
    QCheckBox* regex_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QComboBox* change_ = nullptr;
    QCheckBox* cutToFit_ = nullptr;
    QTableWidget* table_ = nullptr;
    CTickBoxes* ticks_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* rename_ = nullptr;
};

} // namespace chanforge::app
