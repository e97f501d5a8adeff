// The written files as real readers see them: Python's csv module and html.parser read back
// exactly the rows of the list, and pdftotext finds every name and the page numbers in the PDF.
#include "chanforge/listprint/ListFiles.h"

#include "SampleData.h"
#include "TestBuilders.h"

#include "chanforge/TableAccess.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace chanforge::listprint {
namespace {

constexpr editing::Product kSatellite{7, 1};

/// Names a CSV or HTML writer can get wrong, as the receiver's bytes.
constexpr const char* kAwkwardNames[] = {"Sky; Cinema",
                                         "A, B",
                                         "Say \"Hi\"",
                                         "Caf\xe9 \xc4rger \xdf",
                                         " blank at both ends ",
                                         "Line\r\nBreak",
                                         "\x86"
                                         "Emphasis\x87",
                                         "<b>&amp;</b>",
                                         "=cmd|' /C calc'!A0",
                                         "+1+2",
                                         "-3+4",
                                         "@SUM(A1:A9)",
                                         "\tTab"};
/// Those of them a PDF shows as they are (control bytes draw nothing).
constexpr const char* kPrintableNames[] = {"Sky; Cinema", "A, B", "Say \"Hi\"",
                                           "Caf\u00e9 \u00c4rger \u00df", "<b>&amp;</b>"};

constexpr const char* kReadCsv = R"(
import csv, json, sys
with open(sys.argv[1], newline='', encoding='utf-8') as f:
    print(json.dumps(list(csv.reader(f))))
)";

constexpr const char* kReadHtml = R"(
import json, sys
from html.parser import HTMLParser
class Rows(HTMLParser):
    def __init__(self):
        super().__init__()
        self.rows, self.body, self.cell = [], False, None
    def handle_starttag(self, tag, attrs):
        if tag == 'tbody': self.body = True
        elif tag == 'tr' and self.body: self.rows.append([])
        elif tag == 'td': self.cell = ''
    def handle_endtag(self, tag):
        if tag == 'tbody': self.body = False
        elif tag == 'td': self.rows[-1].append(self.cell); self.cell = None
    def handle_data(self, data):
        if self.cell is not None: self.cell += data
parser = Rows()
parser.feed(open(sys.argv[1], newline='', encoding='utf-8').read())
parser.close()
print(json.dumps(parser.rows))
)";

class ListReadersTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 3;
        static char name[] = "ListReadersTest";
        static char option[] = "-platform";
        static char platform[] = "offscreen";
        static char* argv[] = {name, option, platform, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { app_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        testkit::Populate(doc_, kSatellite, 20);
        std::uint16_t number = 21;
        for (const char* name : kAwkwardNames)
            AppendCopy(doc_.Store(), kChannelTable,
                       testkit::MakeChannel(name, number++, attr::kTV | attr::kScrambled));
    }

    ChannelList Build(std::vector<ListColumn> columns) {
        return BuildChannelList(doc_.Store(), kSatellite, editing::ShowAll(),
                                {std::move(columns), ListSort::Number, ListKinds::Both, 1},
                                {QStringLiteral("Model D"), QStringLiteral("sample.bin"),
                                 QStringLiteral("2024-05-01")});
    }

    /// Writes the list and hands back the file's path.
    QString Write(const ChannelList& list, ListFormat format, int pageColumns = 1,
                  int* pages = nullptr) {
        const QString path = dir_.filePath(QStringLiteral("list"));
        const ListFileResult written =
            WriteChannelList(list, format, pageColumns, path.toStdString());
        EXPECT_TRUE(written.ok) << written.detail;
        if (pages != nullptr)
            *pages = written.pages;
        return path;
    }

    /// What a program prints; the test fails when it does not end well.
    static QString Output(const QString& program, const QStringList& args) {
        QProcess process;
        process.start(program, args);
        EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    /// The rows a Python script read, as JSON text, so a failure shows them.
    static std::string PythonRead(const char* script, const QString& path) {
        return Json(
            QJsonDocument::fromJson(Output(QStringLiteral("/usr/bin/python3"),
                                           {QStringLiteral("-c"), QString::fromUtf8(script), path})
                                        .toUtf8())
                .array());
    }

    static std::string Json(const QJsonArray& rows) {
        return QJsonDocument(rows).toJson(QJsonDocument::Compact).toStdString();
    }

    static QJsonArray Rows(const ChannelList& list, bool withKind) {
        QJsonArray rows;
        for (const ListSection& section : list.sections)
            for (const QStringList& row : section.rows)
                rows.append(QJsonArray::fromStringList(
                    withKind ? QStringList{KindText(section.kind)} + row : row));
        return rows;
    }

    static inline std::unique_ptr<QGuiApplication> app_;
    QTemporaryDir dir_;
    document::Document doc_;
};

TEST_F(ListReadersTest, PythonsCsvModuleReadsBackEveryRowWithFormulasAsText) {
    const ChannelList list = Build({ListColumn::Number, ListColumn::Name, ListColumn::Scrambled,
                                    ListColumn::Provider, ListColumn::Favorites});
    QJsonArray expected{QJsonArray{"Type", "No.", "Name", "Scrambled", "Provider", "Favourites"}};
    for (QJsonValue row : Rows(list, true)) {
        QJsonArray cells = row.toArray();
        // A name a spreadsheet would run as a formula is text; the number stays a number.
        if (const QString name = cells[2].toString(); QStringLiteral("=+-@\t").contains(name[0]))
            cells[2] = u'\'' + name;
        expected.append(cells);
    }
    const std::string read = PythonRead(kReadCsv, Write(list, ListFormat::Csv));
    EXPECT_EQ(read, Json(expected));
    EXPECT_NE(read.find(R"(["TV","29","'=cmd|' /C calc'!A0")"), std::string::npos) << read;
}

TEST_F(ListReadersTest, PythonsHtmlParserFindsOneRowPerChannel) {
    const ChannelList list = Build({ListColumn::Number, ListColumn::Name, ListColumn::Delivery});
    const std::string rows = PythonRead(kReadHtml, Write(list, ListFormat::Html));
    EXPECT_EQ(rows, Json(Rows(list, false)));
}

TEST_F(ListReadersTest, PdfTextHoldsEveryNameAndThePageNumbers) {
    for (int columns : {1, 3}) {
        const ChannelList list = Build({ListColumn::Number, ListColumn::Name});
        int pages = 0;
        const QString text =
            Output(QStringLiteral("pdftotext"),
                   {Write(list, ListFormat::Pdf, columns, &pages), QStringLiteral("-")});
        ASSERT_GE(pages, 1);
        EXPECT_EQ(text.count(u'\f'), pages) << "pages the reader found";
        EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of %1").arg(pages)));
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
        for (const QString& header :
             {QStringLiteral("Model D"), QStringLiteral("sample.bin"), QStringLiteral("2024-05-01"),
              QStringLiteral("TV channels"), QStringLiteral("Radio channels")})
            EXPECT_TRUE(text.contains(header)) << header.toStdString();
        for (const ListSection& section : list.sections)
            for (const QStringList& row : section.rows) {
                const QString name = row[1];
                if (name.front().isPrint() && name.back().isPrint() && !name.contains(u'\r')) {
                    EXPECT_TRUE(text.contains(name.trimmed())) << name.toStdString();
                }
            }
        for (const char* name : kPrintableNames)
            EXPECT_TRUE(text.contains(QString::fromUtf8(name))) << name;
    }
}

TEST_F(ListReadersTest, ANameWiderThanItsColumnPrintsWhole) {
    AppendCopy(doc_.Store(), kChannelTable,
               testkit::MakeChannel(std::string(28, 'Q'), 40, attr::kTV));
    const std::vector<ListColumn> all(std::begin(kAllListColumns), std::end(kAllListColumns));
    for (int pageColumns : {1, 4}) {
        const QString text =
            Output(QStringLiteral("pdftotext"),
                   {Write(Build(all), ListFormat::Pdf, pageColumns), QStringLiteral("-")});
        EXPECT_EQ(text.count(u'Q'), 28) << pageColumns << " columns:\n" << text.toStdString();
        EXPECT_FALSE(text.contains(u'\u2026')) << pageColumns;
    }
}

TEST_F(ListReadersTest, AFileThatCannotBeWrittenIsReportedAndLeftAlone) {
    const QString folder = dir_.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const ListFileResult result =
        WriteChannelList(Build({ListColumn::Name}), ListFormat::Csv, 1, folder.toStdString());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, kListWriteFailed);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
} // namespace chanforge::listprint
