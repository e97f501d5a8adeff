#include "ListOptionsDialog.h"

#include "chanforge/listprint/ChannelList.h"
#include "utils/Registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardItemModel>

#include <algorithm>
#include <iterator>

namespace chanforge::app {

using listprint::ListColumn;
using listprint::ListKinds;
using listprint::ListSort;

namespace {

/// The settings file the policy lives in, under a group of the list's own.
struct ListSettings {
    QSettings settings{QString::fromStdString(utils::SettingsPath()), QSettings::IniFormat};
    ListSettings() { settings.beginGroup(QStringLiteral("ChannelList")); }
};

constexpr const char* kScopeKeys[] = {"all", "shown", "favorite"};
constexpr const char* kKindKeys[] = {"both", "tv", "radio"};

template <class Enum, std::size_t N>
Enum FromKey(const QString& key, const char* const (&keys)[N], Enum fallback) {
    for (std::size_t i = 0; i < N; ++i)
        if (key == QLatin1String(keys[i]))
            return static_cast<Enum>(i);
    return fallback;
}

QString KeyText(ListColumn column) {
    const std::string_view key = listprint::ColumnKey(column);
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

ListChoice LoadListChoice() {
    ListSettings s;
    ListChoice choice;
    if (const auto columns = listprint::ParseColumnList(
            s.settings.value(QStringLiteral("columns")).toString().toStdString()))
        choice.options.columns = *columns;
    choice.options.sort = s.settings.value(QStringLiteral("sort")).toString() == u"name"
                              ? ListSort::Name
                              : ListSort::Number;
    choice.options.kinds =
        FromKey(s.settings.value(QStringLiteral("kinds")).toString(), kKindKeys, ListKinds::Both);
    choice.options.pageColumns = std::clamp(
        s.settings.value(QStringLiteral("pageColumns"), 1).toInt(), 1, listprint::kMaxPageColumns);
    choice.scope =
        FromKey(s.settings.value(QStringLiteral("scope")).toString(), kScopeKeys, ListScope::All);
    choice.group = s.settings.value(QStringLiteral("group"), 0).toUInt();
    return choice;
}

void SaveListChoice(const ListChoice& choice) {
    ListSettings s;
    s.settings.setValue(QStringLiteral("columns"),
                        QString::fromStdString(listprint::ColumnListText(choice.options.columns)));
    s.settings.setValue(QStringLiteral("sort"), choice.options.sort == ListSort::Name
                                                    ? QStringLiteral("name")
                                                    : QStringLiteral("number"));
    s.settings.setValue(QStringLiteral("kinds"),
                        QLatin1String(kKindKeys[static_cast<int>(choice.options.kinds)]));
    s.settings.setValue(QStringLiteral("pageColumns"), choice.options.pageColumns);
    s.settings.setValue(QStringLiteral("scope"),
                        QLatin1String(kScopeKeys[static_cast<int>(choice.scope)]));
    s.settings.setValue(QStringLiteral("group"), choice.group);
}

CListOptionsDialog::CListOptionsDialog(const ListChoice& choice, const QString& shown,
                                       const QStringList& groups, bool paged, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("listOptions"));
    setWindowTitle(tr("Channel list"));
    auto* form = new QFormLayout(this);

    scope_ = new QComboBox;
    scope_->setObjectName(QStringLiteral("listScope"));
    scope_->addItems({tr("All channels"), tr("Shown now: %1").arg(shown), tr("Favourite group")});
    group_ = new QComboBox;
    group_->setObjectName(QStringLiteral("listGroup"));
    for (qsizetype i = 0; i < groups.size(); ++i)
        group_->addItem(QStringLiteral("%1  %2").arg(i + 1).arg(groups[i]));
    ListScope scope = choice.scope;
    // Without groups there is none to choose.
    if (groups.isEmpty()) {
        if (auto* model = qobject_cast<QStandardItemModel*>(scope_->model()))
            model->item(static_cast<int>(ListScope::Favorite))->setEnabled(false);
        if (scope == ListScope::Favorite)
            scope = ListScope::All;
    }
    scope_->setCurrentIndex(static_cast<int>(scope));
    group_->setCurrentIndex(
        std::min(static_cast<int>(choice.group), static_cast<int>(groups.size()) - 1));
    group_->setEnabled(scope_->currentIndex() == static_cast<int>(ListScope::Favorite));
    connect(scope_, &QComboBox::currentIndexChanged, this, [this](int index) {
        group_->setEnabled(index == static_cast<int>(ListScope::Favorite));
    });
    auto* which = new QHBoxLayout;
    which->addWidget(scope_, 1);
    which->addWidget(group_, 1);
    auto* channels = new QLabel(tr("&Channels:"));
    channels->setBuddy(scope_);
    form->addRow(channels, which);

    kinds_ = new QComboBox;
    kinds_->setObjectName(QStringLiteral("listKinds"));
    kinds_->addItems({tr("TV and radio"), tr("TV only"), tr("Radio only")});
    kinds_->setCurrentIndex(static_cast<int>(choice.options.kinds));
    form->addRow(tr("&Kinds:"), kinds_);

    auto* grid = new QGridLayout;
    for (ListColumn column : listprint::kAllListColumns) {
        auto* box = new QCheckBox(listprint::ColumnTitle(column));
        box->setObjectName(QStringLiteral("column-") + KeyText(column));
        box->setChecked(std::find(choice.options.columns.begin(), choice.options.columns.end(),
                                  column) != choice.options.columns.end());
        connect(box, &QCheckBox::toggled, this, &CListOptionsDialog::UpdateOk);
        const int i = static_cast<int>(columns_.size());
        grid->addWidget(box, i / 2, i % 2);
        columns_.push_back(box);
    }
    form->addRow(tr("Columns:"), grid);

    byNumber_ = new QRadioButton(tr("By &number"));
    byName_ = new QRadioButton(tr("By n&ame"));
    (choice.options.sort == ListSort::Name ? byName_ : byNumber_)->setChecked(true);
    auto* order = new QHBoxLayout;
    order->addWidget(byNumber_);
    order->addWidget(byName_);
    order->addStretch(1);
    form->addRow(tr("Order:"), order);

    pageColumns_ = new QSpinBox;
    pageColumns_->setObjectName(QStringLiteral("listPageColumns"));
    pageColumns_->setRange(1, listprint::kMaxPageColumns);
    pageColumns_->setValue(choice.options.pageColumns);
    pageColumns_->setEnabled(paged);
    form->addRow(tr("Columns per &page:"), pageColumns_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    UpdateOk();
}

void CListOptionsDialog::UpdateOk() {
    // A list needs at least one column.
    ok_->setEnabled(std::any_of(columns_.begin(), columns_.end(),
                                [](const QCheckBox* box) { return box->isChecked(); }));
}

ListChoice CListOptionsDialog::Choice() const {
    ListChoice choice;
    choice.options.columns.clear();
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i]->isChecked())
            choice.options.columns.push_back(listprint::kAllListColumns[i]);
    choice.options.sort = byName_->isChecked() ? ListSort::Name : ListSort::Number;
    choice.options.kinds = static_cast<ListKinds>(kinds_->currentIndex());
    choice.options.pageColumns = pageColumns_->value();
    choice.scope = static_cast<ListScope>(scope_->currentIndex());
    choice.group = static_cast<std::uint32_t>(std::max(group_->currentIndex(), 0));
    return choice;
}

} // namespace chanforge::app
