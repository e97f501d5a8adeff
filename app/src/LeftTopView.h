// CLeftTopView: the upper left pane with satellites and transponders, terrestrial and cable
// multiplexes, and the "Satellite" / "Terrestrial" tabs.
#pragma once

#include "ListCommands.h"
#include "RecordList.h"

#include <QWidget>

class QSplitter;
class QTabBar;

namespace chanforge::app {

class CLeftTopView : public QWidget {
    Q_OBJECT
  public:
    explicit CLeftTopView(CEditContext& context, QWidget* parent = nullptr);

    /// Reloads every list from the tables.
    void Reload();
    /// Refills the transponder list for a satellite row (0: all transponders).
    void ShowTransponders(std::uint32_t satelliteRow);
    /// Refills every list from the tables, keeping the transponder list's satellite.
    void Refill();
    /// Selects the satellite row and announces it, as a click on it does.
    void ShowSatellite(std::uint32_t satelliteRow);
    /// Shows the lists of the document's model (satellite and terrestrial tabs on combos).
    void FollowModel();
    CRecordList& Satellites() { return *satellites_; }
    CRecordList& Transponders() { return *transponders_; }
    CRecordList& Muxes() { return *muxes_; }
    CRecordList& Cables() { return *cables_; }

  signals:
    void SatelliteSelected(std::uint32_t satelliteRow);
    void TransponderSelected(std::uint32_t key);
    void TerrestrialSelected(std::uint32_t key);
    void Dropped(DragCode targetCode, std::uint32_t key);
    void DragStarted(DragCode code);
    void NetworkEdited(editing::ListKind kind, ListEdit edit);

  private:
    void ApplyLayout();
    void TabChanged(int tab);

    CEditContext& context_;
    QTabBar* tabs_ = nullptr;
    QSplitter* satelliteSide_ = nullptr;
    CRecordList* satellites_ = nullptr;
    CRecordList* transponders_ = nullptr;
    CRecordList* muxes_ = nullptr;
    CRecordList* cables_ = nullptr;
};

} // namespace chanforge::app
