// The list built from a realistic database: what each column says, which channels are listed,
// and in which order.
#include "chanforge/listprint/ChannelList.h"

#include "SampleData.h"
#include "TestBuilders.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/TextOrder.h"

#include <gtest/gtest.h>

namespace chanforge::listprint {
namespace {

using editing::ChannelKind;

constexpr editing::Product kSatellite{7, 1};
constexpr editing::Product kCombination{8, 3};
constexpr editing::Product kCable{9, 4};

const ListOptions kEveryColumn{std::vector(std::begin(kAllListColumns), std::end(kAllListColumns)),
                               ListSort::Number, ListKinds::Both, 1};

class ChannelListTest : public ::testing::Test {
  protected:
    /// 20 TV and 6 radio channels of the shared sample database.
    void Fill(editing::Product product) { testkit::Populate(doc_, product, 20); }

    ChannelList Build(editing::Product product, const ListOptions& options,
                      const editing::ChannelFilter& filter = editing::ShowAll()) {
        return BuildChannelList(
            doc_.Store(), product, filter, options,
            {QStringLiteral("Model"), QStringLiteral("list.bin"), QStringLiteral("2024-05-01")});
    }

    void AddChannel(const char* name, std::uint16_t number, std::uint8_t satId, std::uint8_t tpId,
                    std::uint32_t favorites = 0) {
        Channel_Info_Tag ch = testkit::MakeChannel(name, number, attr::kTV, satId, tpId);
        ch.Favorite = favorites;
        AppendCopy(doc_.Store(), kChannelTable, ch);
    }

    static QStringList Column(const ListSection& section, std::size_t column) {
        QStringList out;
        for (const QStringList& row : section.rows)
            out << row[static_cast<qsizetype>(column)];
        return out;
    }

    document::Document doc_;
};

TEST_F(ChannelListTest, EveryColumnSaysWhatTheDatabaseHolds) {
    Fill(kSatellite);
    const ChannelList list = Build(kSatellite, kEveryColumn);
    ASSERT_EQ(list.sections.size(), 2u);
    EXPECT_EQ(list.sections[0].kind, ChannelKind::TV);
    EXPECT_EQ(list.sections[1].kind, ChannelKind::Radio);
    EXPECT_EQ(list.ChannelCount(), 26u);
    EXPECT_EQ(list.title, QStringLiteral("All channels"));
    const auto& tv = list.sections[0].rows;
    // Channel n: satellite 2 + n % 3, transponder 1 + n % 6, provider 1 + n % 4, group n % 8,
    // scrambled every 7th, locked every 11th.
    EXPECT_EQ(tv[0], (QStringList{"1", "Das Erste HD", "Hotbird 13E \u00b7 11,836 V", "ZDFvision",
                                  "N", "N", "N", "Sports"}));
    EXPECT_EQ(tv[6][4], QStringLiteral("Y"));
    EXPECT_EQ(tv[10][5], QStringLiteral("Y"));
    EXPECT_EQ(tv[7][7], QStringLiteral("News"));
}

TEST_F(ChannelListTest, DeliveryNamesTheMultiplexOnTerrestrialAndCableProducts) {
    Fill(kCombination);
    const ChannelList combo = Build(kCombination, {{ListColumn::Delivery}});
    const QString terrestrial = combo.sections[0].rows[4][0]; // channel 5: multiplex 22
    EXPECT_TRUE(terrestrial.startsWith(QStringLiteral("RF 22 ("))) << terrestrial.toStdString();
    EXPECT_TRUE(terrestrial.endsWith(QStringLiteral(" MHz)"))) << terrestrial.toStdString();
    EXPECT_TRUE(combo.sections[0].rows[0][0].startsWith(QStringLiteral("Hotbird 13E")));

    doc_.Store().ClearAll();
    auto mux = MakeRow<CableMux_Info_Tag>();
    mux->MuxID = 3;
    mux->Frequency = 346000;
    AppendRow(doc_.Store(), kCableMuxTable, std::move(mux));
    AddChannel("On cable", 1, 0, 3);
    AddChannel("Nowhere", 2, 0, 9);
    const ChannelList cable = Build(kCable, {{ListColumn::Delivery}});
    EXPECT_EQ(Column(cable.sections[0], 0), (QStringList{"346.000 MHz", ""}));
}

TEST_F(ChannelListTest, NamesAreTheReceiversBytesAsTheGridsShowThem) {
    AddChannel("Caf\xe9 \xc4rger", 1, 2, 1, 1u << 20 | 1u << 0);
    AddChannel("Sky; \"Cinema\", 1", 2, 2, 1);
    auto group = MakeRow<Favorite_Info_Tag>();
    testkit::SetName(group->Name, "M\xfcnchen");
    AppendRow(doc_.Store(), kFavoriteTable, std::move(group));
    const ChannelList list = Build(kSatellite, {{ListColumn::Name, ListColumn::Favorites}});
    // A group without its record is named by its number.
    EXPECT_EQ(list.sections[0].rows[0], (QStringList{QStringLiteral("Caf\u00e9 \u00c4rger"),
                                                     QStringLiteral("M\u00fcnchen, 21")}));
    EXPECT_EQ(list.sections[0].rows[1][0], QStringLiteral("Sky; \"Cinema\", 1"));
}

TEST_F(ChannelListTest, KindsSortAndFavouriteGroupChooseTheRows) {
    Fill(kSatellite);
    ListOptions options{
        {ListColumn::Number, ListColumn::Name}, ListSort::Number, ListKinds::Radio, 1};
    const ChannelList radio = Build(kSatellite, options);
    ASSERT_EQ(radio.sections.size(), 1u);
    EXPECT_EQ(radio.sections[0].kind, ChannelKind::Radio);
    EXPECT_EQ(Column(radio.sections[0], 0), (QStringList{"1", "2", "3", "4", "5", "6"}));

    options.kinds = ListKinds::TV;
    options.sort = ListSort::Name;
    const QStringList names = Column(Build(kSatellite, options).sections[0], 1);
    ASSERT_EQ(names.size(), 20);
    for (qsizetype i = 1; i < names.size(); ++i)
        EXPECT_FALSE(editing::NaturalLess(names[i].toStdString(), names[i - 1].toStdString()))
            << names[i - 1].toStdString() << " before " << names[i].toStdString();

    // Group 1 ("News") holds channels 8 and 16 (the order by position is the grid filter's).
    options = {{ListColumn::Number}, ListSort::Number, ListKinds::Both, 1};
    const editing::ChannelFilter news = editing::ShowFavorite(0, {}, kSatellite);
    const ChannelList byNumber = Build(kSatellite, options, news);
    EXPECT_EQ(byNumber.title, QStringLiteral("Favourite group News"));
    ASSERT_EQ(byNumber.sections.size(), 1u);
    EXPECT_EQ(Column(byNumber.sections[0], 0), (QStringList{"8", "16"}));

    EXPECT_EQ(Build(kSatellite, options, editing::ShowFavorite(20, {}, kSatellite)).ChannelCount(),
              0u);
}

TEST(ListOptions, ColumnListsParseAndPrint) {
    const auto parsed = ParseColumnList("name,number,favorites,name,");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, (std::vector{ListColumn::Name, ListColumn::Number, ListColumn::Favorites}));
    EXPECT_EQ(ColumnListText(*parsed), "name,number,favorites");
    for (const char* bad : {"", ",", "name,,number", "Name", "name,channel", "number name"})
        EXPECT_FALSE(ParseColumnList(bad)) << bad;
    for (ListColumn column : kAllListColumns)
        EXPECT_EQ(ColumnFromKey(ColumnKey(column)), column);
}

} // namespace
} // namespace chanforge::listprint
