#include "FilterBar.h"

#include "PhraseText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace chanforge::app {

using namespace editing;

namespace {

// Item data of the favourite list beside the group numbers.
constexpr int kAnyGroup = -1;
constexpr int kSomeGroup = -2;
constexpr int kNoGroup = -3;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

/// The chosen entry's value; none while the list is still empty.
int ValueOf(const QComboBox* box, int none) {
    const QVariant data = box->currentData();
    return data.isValid() ? data.toInt() : none;
}

Want WantAt(const QComboBox* box) {
    return box->currentIndex() == 1 ? Want::Yes : box->currentIndex() == 2 ? Want::No : Want::Any;
}

/// Refills box with a first "any" entry and the choices, keeping the chosen value if present.
void Refill(QComboBox* box, const QString& any, const std::vector<Choice>& choices, int anyValue) {
    const QVariant chosen = box->currentData();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(any, anyValue);
    for (const Choice& c : choices)
        box->addItem(Latin1(c.label), static_cast<int>(c.value));
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
}

} // namespace

CFilterBar::CFilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName("filterBar");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* line = new QHBoxLayout;
    text_ = new QLineEdit;
    text_->setObjectName("filterText");
    text_->setPlaceholderText(tr("Filter channels by name"));
    text_->setClearButtonEnabled(true);
    text_->setAccessibleName(tr("Filter channels by name"));
    regex_ = new QCheckBox(tr("Regular expression"));
    regex_->setObjectName("filterRegex");
    more_ = new QToolButton;
    more_->setObjectName("filterMore");
    more_->setText(tr("More"));
    more_->setCheckable(true);
    auto* selectAll = new QPushButton(tr("Select all shown"));
    selectAll->setObjectName("selectAllShown");
    auto* clear = new QToolButton;
    clear->setText(tr("Clear"));
    clear->setObjectName("filterClear");
    line->addWidget(text_, 1);
    line->addWidget(regex_);
    line->addWidget(more_);
    line->addWidget(clear);
    line->addWidget(selectAll);
    layout->addLayout(line);
    problem_ = new QLabel;
    problem_->setObjectName("filterProblem");
    problem_->setStyleSheet(QStringLiteral("color: #b00020;"));
    problem_->hide();
    layout->addWidget(problem_);

    extra_ = new QWidget;
    auto* grid = new QGridLayout(extra_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    satellite_ = AddCombo("filterSatellite", tr("Satellite"));
    carrier_ = AddCombo("filterCarrier", tr("Transponder or multiplex"));
    provider_ = AddCombo("filterProvider", tr("Provider"));
    group_ = AddCombo("filterGroup", tr("Favourite group"));
    kind_ = AddCombo("filterKind", tr("TV or radio"));
    kind_->addItems({tr("TV and radio"), tr("TV only"), tr("Radio only")});
    scrambled_ = AddCombo("filterScrambled", tr("Scrambled or free"));
    scrambled_->addItems(
        {tr("Scrambled or free"), tr("Scrambled"),
         //: Filter choice: free-to-air channels (not scrambled), not free of charge.
         tr("Free")});
    locked_ = AddCombo("filterLocked", tr("Locked"));
    locked_->addItems({tr("Locked or not"), tr("Locked"), tr("Not locked")});
    skipped_ = AddCombo("filterSkipped", tr("Skipped"));
    skipped_->addItems({tr("Skipped or not"), tr("Skipped"), tr("Not skipped")});
    const QComboBox* order[] = {satellite_, carrier_,   provider_, group_,
                                kind_,      scrambled_, locked_,   skipped_};
    for (int i = 0; i < 8; ++i)
        grid->addWidget(const_cast<QComboBox*>(order[i]), i / 4, i % 4);
    extra_->hide();
    layout->addWidget(extra_);
    SetChoices({});

    connect(text_, &QLineEdit::textChanged, this, &CFilterBar::Rebuild);
    connect(regex_, &QCheckBox::toggled, this, &CFilterBar::Rebuild);
    connect(more_, &QToolButton::toggled, extra_, &QWidget::setVisible);
    for (QComboBox* box : {carrier_, provider_, group_, kind_, scrambled_, locked_, skipped_})
        connect(box, &QComboBox::currentIndexChanged, this, &CFilterBar::Rebuild);
    connect(satellite_, &QComboBox::currentIndexChanged, this, &CFilterBar::ShowCarriers);
    connect(clear, &QToolButton::clicked, this, &CFilterBar::Clear);
    connect(selectAll, &QPushButton::clicked, this, &CFilterBar::SelectAllShown);
}

QComboBox* CFilterBar::AddCombo(const char* name, const QString& tip) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    box->setAccessibleName(tip);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(6);
    return box;
}

void CFilterBar::SetChoices(const FilterChoices& choices) {
    choices_ = choices;
    Refill(satellite_, tr("Any satellite"), choices_.satellites, 0);
    Refill(provider_, tr("Any provider"), choices_.providers, -1);
    const QVariant group = group_->currentData();
    {
        const QSignalBlocker quiet(group_);
        Refill(group_, tr("In a group or not"), choices_.groups, kAnyGroup);
        group_->insertItem(1, tr("In a favourite group"), kSomeGroup);
        group_->insertItem(2, tr("In no favourite group"), kNoGroup);
        group_->setCurrentIndex(std::max(0, group_->findData(group)));
    }
    ShowCarriers();
}

/// The carriers of the chosen satellite (multiplexes have none), or all of them.
void CFilterBar::ShowCarriers() {
    const QVariant chosen = carrier_->currentData();
    const int satellite = ValueOf(satellite_, 0);
    {
        const QSignalBlocker quiet(carrier_);
        carrier_->clear();
        // Short: four boxes share the channel pane's width, and the tooltip says what it is.
        carrier_->addItem(tr("Any frequency"), -1);
        for (std::size_t i = 0; i < choices_.carriers.size(); ++i) {
            const CarrierChoice& c = choices_.carriers[i];
            if (satellite == 0 || c.carrier.satId == satellite)
                carrier_->addItem(Translated(c.label), static_cast<int>(i));
        }
        carrier_->setCurrentIndex(std::max(0, carrier_->findData(chosen)));
    }
    Rebuild();
}

void CFilterBar::Clear() {
    for (QComboBox* box :
         {satellite_, carrier_, provider_, group_, kind_, scrambled_, locked_, skipped_}) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(0);
    }
    const QSignalBlocker quiet(text_);
    text_->clear();
    ShowCarriers();
}

void CFilterBar::Rebuild() {
    ChannelQuery q;
    q.text = text_->text().toStdString();
    q.regex = regex_->isChecked();
    q.satellite = static_cast<std::uint32_t>(ValueOf(satellite_, 0));
    if (const int carrier = ValueOf(carrier_, -1); carrier >= 0)
        q.carrier = choices_.carriers.at(static_cast<std::size_t>(carrier)).carrier;
    if (const int provider = ValueOf(provider_, -1); provider >= 0)
        q.provider = static_cast<std::uint16_t>(provider);
    q.kind = kind_->currentIndex() == 1   ? KindWant::TV
             : kind_->currentIndex() == 2 ? KindWant::Radio
                                          : KindWant::Any;
    q.scrambled = WantAt(scrambled_);
    q.locked = WantAt(locked_);
    q.skipped = WantAt(skipped_);
    const int group = ValueOf(group_, kAnyGroup);
    q.group = group == kSomeGroup ? GroupWant::AnyGroup
              : group == kNoGroup ? GroupWant::NoGroup
              : group > 0         ? GroupWant::Group
                                  : GroupWant::Any;
    q.favorite = group > 0 ? static_cast<std::uint32_t>(group) : 0;
    // Lists refilled after an edit ask the same: the grids must not refill for that.
    if (q == asked_) {
        problem_->hide();
        return;
    }
    CompiledQuery compiled = Compile(q);
    // A half-typed expression keeps the rows the last whole one showed.
    problem_->setVisible(!compiled.ok());
    problem_->setText(
        tr("Not a regular expression: %1").arg(QString::fromStdString(compiled.Error())));
    if (!compiled.ok())
        return;
    query_ = std::move(compiled);
    asked_ = q;
    narrows_ = !q.Empty();
    const int extras = (q.satellite != 0) + q.carrier.has_value() + q.provider.has_value() +
                       (q.kind != KindWant::Any) + (q.scrambled != Want::Any) +
                       (q.locked != Want::Any) + (q.skipped != Want::Any) +
                       (q.group != GroupWant::Any);
    more_->setText(extras == 0 ? tr("More") : tr("More (%1)").arg(extras));
    emit QueryChanged();
}

} // namespace chanforge::app
