// CFilterBar: the filter bar over the channel grids. The operator types part of a name (or a
// regular expression) and, under "More", picks a satellite, transponder or multiplex, provider,
// kind, flags and favourite group; the grids then show only the rows that fit.
#pragma once

#include "chanforge/editing/ChannelQuery.h"
#include "chanforge/editing/FilterChoices.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace chanforge::app {

class CFilterBar : public QWidget {
    Q_OBJECT
  public:
    explicit CFilterBar(QWidget* parent = nullptr);

    /// The question the grids narrow by; it lets everything through until the operator asks.
    const editing::CompiledQuery& Query() const { return query_; }
    bool Narrows() const { return narrows_; }
    /// Fills the lists from the database, keeping what is chosen where it still exists.
    void SetChoices(const editing::FilterChoices& choices);
    /// Asks for nothing any more.
    void Clear();
    QLineEdit& TextField() { return *text_; }

  signals:
    void QueryChanged();
    void SelectAllShown();

  private:
    QComboBox* AddCombo(const char* name, const QString& tip);
    void ShowCarriers();
    void Rebuild();

    editing::FilterChoices choices_;
    editing::ChannelQuery asked_;
    editing::CompiledQuery query_;
    bool narrows_ = false;
    QLineEdit* text_ = nullptr;
    QCheckBox* regex_ = nullptr;
    QToolButton* more_ = nullptr;
    QWidget* extra_ = nullptr;
    QLabel* problem_ = nullptr;
    QComboBox *satellite_ = nullptr, *carrier_ = nullptr, *provider_ = nullptr, *kind_ = nullptr,
              *scrambled_ = nullptr, *locked_ = nullptr, *skipped_ = nullptr, *group_ = nullptr;
};

} // namespace chanforge::app
