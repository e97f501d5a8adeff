// CRightView: the right-hand pane with the TV and the radio channel grids side by side.
#pragma once

#include "ChannelGrid.h"
#include "FilterBar.h"
#include "StartHint.h"

#include <QWidget>

class QComboBox;

namespace chanforge::app {

class CRightView : public QWidget {
    Q_OBJECT
  public:
    explicit CRightView(CEditContext& context, QWidget* parent = nullptr);

    CChannelGrid& TV() { return *tv_; }
    /// The grid that had the focus last (the TV grid before any had it): where menu commands go.
    CChannelGrid& ActiveGrid() { return *active_; }
    CChannelGrid& Radio() { return *radio_; }
    CChannelGrid* Grid(DragCode dragCode);
    CFilterBar& FilterBar() { return *filterBar_; }
    /// Takes the place of the filter bar and the grids while no database is open.
    CStartHint& StartHint() { return *startHint_; }
    /// The filter bar's lists follow the database's satellites, carriers, providers and groups.
    void ReloadFilterChoices();

    // Filter operations, applied to both grids.
    void ShowAll();
    void ShowSatellite(std::uint32_t satelliteRow);
    void ShowTransponder(std::uint32_t key);
    void ShowTerrestrialMux(std::uint32_t key);
    void ShowProvider(std::uint32_t providerRow);
    void ShowFavorite(std::uint32_t groupIndex);
    void ShowGenre(std::uint32_t genre);
    /// Both grids refill after a re-keying edit and select keys.
    void RefillBoth(const editing::RowIds& keys);
    /// Selects the channels whose name contains text in both grids; says so when there is none.
    void SearchBoth(const QString& text);
    /// Asks what to search for, offering the text searched last, and searches both grids.
    void AskSearch();
    /// F3, Shift+F3: the next or previous channel named as searched last, in the grid that has
    /// the focus, else in the other one.
    void FindNext(bool forward);

  signals:
    void ChannelsChanged(const editing::RowIds& select);
    void DragStarted(DragCode code);
    void Dropped(DragCode targetCode, std::uint32_t key);

  private:
    void SetBoth(const editing::ChannelFilter& filter);
    /// Both grids show only the rows the filter bar's query fits.
    void Narrow();
    void ApplyLayout(int choice);
    void ShowStartHintWhenEmpty();

    CEditContext& context_;
    CChannelGrid* tv_ = nullptr;
    CChannelGrid* radio_ = nullptr;
    CChannelGrid* active_ = nullptr;
    QComboBox* show_ = nullptr;
    QString lastSearch_;
    CFilterBar* filterBar_ = nullptr;
    QWidget* channels_ = nullptr; ///< the filter bar and the grids
    CStartHint* startHint_ = nullptr;
};

} // namespace chanforge::app
