// CListOptionsDialog: what a printed or exported channel list holds (which channels, which
// columns, the order, columns per page). The choice is remembered in the settings store for
// the next list.
#pragma once

#include "chanforge/listprint/ListOptions.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QCheckBox;
class QPushButton;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace chanforge::app {

enum class ListScope { All, Shown, Favorite };

struct ListChoice {
    listprint::ListOptions options;
    ListScope scope = ListScope::All;
    std::uint32_t group = 0; ///< 0-based favourite group, for ListScope::Favorite
};

/// The choice made last; the defaults before the first.
ListChoice LoadListChoice();
void SaveListChoice(const ListChoice& choice);

class CListOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    /// shown: the grids' filter in words; groups: the favourite group names in order.
    /// paged: for print and PDF, which know columns per page.
    CListOptionsDialog(const ListChoice& choice, const QString& shown, const QStringList& groups,
                       bool paged, QWidget* parent = nullptr);

    ListChoice Choice() const;

  private:
    void UpdateOk();

    QComboBox* scope_;
    QComboBox* group_;
    QComboBox* kinds_;
    std::vector<QCheckBox*> columns_; ///< in the order of kAllListColumns
    QRadioButton* byNumber_;
    QRadioButton* byName_;
    QSpinBox* pageColumns_;
    QPushButton* ok_ = nullptr;
};

} // namespace chanforge::app
