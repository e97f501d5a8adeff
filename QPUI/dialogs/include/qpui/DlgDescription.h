// CDlgDescription: a read-only summary of a channel and the records it hangs on.
#pragma once

#include "chanforge/Records.h"
#include "policy/ProductKind.h"
#include "qpui/ChannelSlot.h"

#include <QDialog>

#include <optional>

class QTabWidget;

namespace qpui {

class CDlgDescription : public QDialog {
    Q_OBJECT
  public:
    explicit CDlgDescription(QWidget* parent = nullptr, ChannelSlot slot = ChannelSlot::Stored());

    // Each copies the record; null means none.
    void SetSatelliteInfo(const chanforge::Satellite_Info_Tag* satellite);
    void SetTransponderInfo(const chanforge::Transponder_Info_Tag* transponder);
    void SetBroadcastInfo(const chanforge::Broadcast_Info_Tag* provider);
    void SetChannelInfo(const chanforge::Channel_Info_Tag* channel);

    /// Builds the tabs for what was given.
    void Prepare();
    int DoModal();
    /// The tab titles, in order (for tests and the window's own use).
    QStringList TabTitles() const;
    /// The text shown on a tab.
    QString PageText(int tab) const;

  private:
    void AddPage(const QString& title, const QString& text);

    ChannelSlot slot_;
    policy::ProductKind product_;
    std::optional<chanforge::Satellite_Info_Tag> satellite_;
    std::optional<chanforge::Transponder_Info_Tag> transponder_;
    std::optional<chanforge::Broadcast_Info_Tag> provider_;
    std::optional<chanforge::Channel_Info_Tag> channel_;
    QTabWidget* tabs_ = nullptr;
};

} // namespace qpui
