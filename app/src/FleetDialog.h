// CFleetDialog: "Send to several receivers": the machine's serial ports with a tick box each;
// Start sends the open database to every ticked port at once, each with its own state and bar,
// and a row per unit in the report below, which goes to the backup folder's log and may be saved
// as CSV. A port set to repeat serves the next receiver once one is done.
#pragma once

#include "chanforge/fleet/FleetSend.h"
#include "serlink/PortNames.h"

#include <QDialog>

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace chanforge::app {

class CFleetDialog : public QDialog {
    Q_OBJECT
  public:
    /// line: the settings and transfer values every port uses; logFolder: the backup folder.
    CFleetDialog(fleet::FleetJob job, transfer::TransferLine line, std::string logFolder,
                 std::vector<serlink::PortInfo> ports, QWidget* parent = nullptr);
    ~CFleetDialog() override;

    QTreeWidget& Ports() { return *ports_; }
    QTreeWidget& Report() { return *report_; }
    bool IsRunning() const { return fleet_ && fleet_->IsRunning(); }

    void Start();
    void Stop();
    /// Adds the typed port, ticked.
    void AddTypedPort();
    void SaveReport();

  protected:
    void reject() override;

  private:
    void AddPort(const QString& path, const QString& description, bool ticked);
    void ShowUnit(int index);
    void AddRow(const fleet::UnitRow& row);
    void ShowRunning(bool running);
    /// The port rows the fleet runs on, in its unit order.
    std::vector<QTreeWidgetItem*> TickedItems() const;

    fleet::FleetJob job_;
    transfer::TransferLine line_;
    std::string logFolder_;
    QTreeWidget* ports_ = nullptr;
    QTreeWidget* report_ = nullptr;
    QLineEdit* typed_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* note_ = nullptr;
    std::unique_ptr<fleet::CFleet> fleet_;
    std::vector<QTreeWidgetItem*> running_; ///< the port row of each unit
    std::vector<fleet::UnitRow> rows_;      ///< every unit's row since the dialog opened
};

} // namespace chanforge::app
