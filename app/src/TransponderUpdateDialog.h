// CTransponderUpdateDialog: a satellite of the list (or its cable or terrestrial multiplexes) and
// a transponder table (a file, or a scan table of the system for the same orbital position or
// kind of delivery) compared line by line, each line with a
// tick box, before the transponders are brought up to date.
#pragma once

#include "chanforge/editing/Product.h"
#include "chanforge/transponders/Update.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace chanforge::app {

class CTickBoxes;

class CTransponderUpdateDialog : public QDialog {
    Q_OBJECT
  public:
    CTransponderUpdateDialog(tabstore::CQoDB& db, editing::Product product,
                             QWidget* parent = nullptr);

    /// Offers the table at path first and compares with it.
    void UseFile(const QString& path);

    /// What Apply acts on: the lines listed, but those left out.
    const transponders::UpdatePlan& Plan() const { return plan_; }
    const editing::LeftOut& LeftOut() const { return leftOut_; }

  private:
    /// What the first box chose: a satellite, or the cable or terrestrial multiplexes.
    enum class Delivery { Satellite, Cable, Terrestrial };
    Delivery Chosen() const;
    /// The chosen satellite's orbital position; none for the multiplexes.
    std::optional<int> Position() const;
    void AddMultiplexes(const QString& text, Delivery delivery);
    void ChooseFile();
    void OfferScanTables();
    void Compare();
    void Fill();
    void Count();

    tabstore::CQoDB& db_;
    editing::Product product_;
    transponders::UpdatePlan plan_;
    editing::LeftOut leftOut_;
    QStringList files_; ///< tables the operator chose, offered before the system's
    QComboBox* satellites_ = nullptr;
    QComboBox* sources_ = nullptr;
    QTreeWidget* lines_ = nullptr;
    CTickBoxes* ticks_ = nullptr;
    QLabel* notes_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace chanforge::app
