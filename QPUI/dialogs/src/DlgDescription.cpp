#include "qpui/DlgDescription.h"

#include "policy/Policy.h"
#include "qpui/DescriptionText.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qpui {

using namespace chanforge;

namespace {

QString Join(const Lines& lines) {
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
    return out.join('\n');
}

template <class T> std::optional<T> CopyOf(const T* record) {
    return record != nullptr ? std::optional<T>(*record) : std::nullopt;
}

} // namespace

CDlgDescription::CDlgDescription(QWidget* parent, ChannelSlot slot)
    : QDialog(parent), slot_(slot), product_(slot.product) {
    setWindowTitle(tr("Description"));
    resize(520, 380);
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget;
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void CDlgDescription::SetSatelliteInfo(const Satellite_Info_Tag* s) {
    satellite_ = CopyOf(s);
}
void CDlgDescription::SetTransponderInfo(const Transponder_Info_Tag* t) {
    transponder_ = CopyOf(t);
}
void CDlgDescription::SetBroadcastInfo(const Broadcast_Info_Tag* p) {
    provider_ = CopyOf(p);
}
void CDlgDescription::SetChannelInfo(const Channel_Info_Tag* c) {
    channel_ = CopyOf(c);
}

void CDlgDescription::AddPage(const QString& title, const QString& text) {
    auto* page = new QPlainTextEdit(text);
    page->setReadOnly(true);
    page->setTabStopDistance(page->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 4);
    tabs_->addTab(page, title);
}

void CDlgDescription::Prepare() {
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        delete page;
    }
    QString channelText;
    if (channel_) {
        channelText = Join(ChannelLines(*channel_, product_, slot_.TunerStored()));
        if (provider_)
            channelText += "\n\n" + Join(ProviderLines(*provider_));
    }
    const bool terrestrialSide = product_.Combination() && satellite_ && satellite_->SatID == 1;
    if (terrestrialSide) {
        if (transponder_)
            //: Tab title: the multiplex (carrier) the channel is on, a noun.
            AddPage(tr("Mux"), Join(MuxLines(*transponder_)));
        else
            //: Tab title: the multiplex (carrier) the channel is on, a noun.
            AddPage(tr("Mux"), QString());
    } else {
        if (satellite_)
            AddPage(tr("Satellite"), Join(SatelliteLines(*satellite_, product_)));
        if (transponder_)
            AddPage(tr("Transponder"), Join(TransponderLines(*transponder_, product_)));
    }
    if (channel_)
        AddPage(tr("Channel"), channelText);
}

int CDlgDescription::DoModal() {
    Prepare();
    return exec();
}

QStringList CDlgDescription::TabTitles() const {
    QStringList titles;
    for (int i = 0; i < tabs_->count(); ++i)
        titles << tabs_->tabText(i);
    return titles;
}

QString CDlgDescription::PageText(int tab) const {
    const auto* page = qobject_cast<QPlainTextEdit*>(tabs_->widget(tab));
    return page != nullptr ? page->toPlainText() : QString();
}

} // namespace qpui
