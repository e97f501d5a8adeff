// chanforge-cli run in the test's own process on the generated samples: exit statuses, what it
// prints and what it writes. What needs a real process (FIFOs, signals, permissions, the
// virtual receiver, a PDF's painting) stays in the shell scripts.
#include "Cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::string;
using Args = std::vector<std::string>;
using Json = nlohmann::ordered_json;

#define EXPECT_HAS(text, part) EXPECT_PRED_FORMAT2(testing::IsSubstring, part, text)

std::string Sample(const std::string& model) {
    return std::string(CHANFORGE_SAMPLES) + "/model-" + model + ".bin";
}

Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Outcome {
    int status;
    std::string out, err;
};

class CliTest : public testing::Test {
  protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("chanforge-cli-" + std::to_string(::getpid()) + "-" + test->name());
        fs::create_directories(dir_);
        ::setenv("CHANFORGE_SETTINGS", Path("settings.ini").c_str(), 1);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    /// Runs the command line and expects its exit status.
    Outcome Expect(int status, Args args) {
        args.insert(args.begin(), "chanforge-cli");
        std::ostringstream out, err;
        Outcome run{cli::RunCli(args, out, err), out.str(), err.str()};
        EXPECT_EQ(run.status, status) << testing::PrintToString(args) << "\n" << run.err;
        return run;
    }
    /// The same with --model.
    Outcome On(const std::string& model, int status, Args args) {
        args.insert(args.begin(), {"--model", model});
        return Expect(status, std::move(args));
    }
    /// The channel table of a model D file as dump --json lists it.
    Json Channels(const std::string& file) {
        return Json::parse(On("D", 0, {"dump", "--json", file}).out)["tables"]["channels"];
    }

    fs::path dir_;
};

TEST_F(CliTest, RefusesUsageErrorsWithStatusTwoAndWritesNothing) {
    const std::string d = Sample("D"), out = " -o " + Path("out.csv");
    const std::string exportCsv = "--model D export " + d + out + " --format csv ";
    for (const std::string& line :
         Args{"",
              "dump",
              "--model Z models",
              "frobnicate",
              "policy",
              "diff " + d,
              "convert " + d + out + " --to-model Z",
              "--model D export " + d + out,
              "dedupe " + d + out,
              "dedupe " + d + out + " --keep newest",
              "apply-reference " + d + " " + d + out + " --unmatched drop",
              "--model D apply-reference " + d + " " + d + out + " --except 99999",
              "--model D dedupe " + d + out + " --keep lowest --except x",
              exportCsv + "--columns number,channel",
              exportCsv + "--columns ,",
              exportCsv + "--format doc",
              exportCsv + "--group 0",
              exportCsv + "--group 33",
              exportCsv + "--sort size",
              exportCsv + "--page-columns 5"}) {
        std::istringstream words(line);
        Expect(2, {std::istream_iterator<std::string>(words), {}});
    }
    // Said by the command, not the parser: a workbook cannot take another model's layout.
    EXPECT_HAS(On("D", 2, {"convert", d, "-o", Path("x.xls"), "--to-model", "A"}).err,
               "names a workbook");
    EXPECT_TRUE(fs::is_empty(dir_));
    EXPECT_HAS(Expect(0, {"--help"}).out, "Subcommands:");
    EXPECT_HAS(Expect(0, {"--version"}).out, "chanforge-cli ");
}

TEST_F(CliTest, ListsModelsAndDumpsEverySampleAndBlankImage) {
    const Outcome models = Expect(0, {"models"});
    EXPECT_HAS(models.out, "Model E Combo(Satellite+Terrestrial)");
    for (const std::string m : {"A", "B", "C", "D", "E", "default"}) {
        EXPECT_HAS(models.out, m + " ");
        EXPECT_HAS(On(m, 0, {"dump", Sample(m)}).out, "Das Erste");
        On(m, 0, {"new", "-o", Path("blank.bin")});
        EXPECT_HAS(On(m, 0, {"dump", Path("blank.bin")}).out, "Channels: 0");
        EXPECT_EQ(On(m, 0, {"check", Sample(m)}).out, "") << "sample " << m << " is not clean";
    }
    EXPECT_HAS(On("B", 0, {"dump", Sample("B")}).out, "terrestrial multiplex, RF channel 23");
}

// Another model's file is refused in every command that reads one, naming the model and the
// option that opens it; identify ranks what each model makes of a file, in text and JSON.
TEST_F(CliTest, AnotherModelsFileIsRefusedAndIdentified) {
    const std::string d = Sample("D"), a = Sample("A");
    Write(Path("out.bin"), "keep");
    for (const Args& command :
         {Args{"dump", d}, Args{"check", d}, Args{"convert", d, "-o", Path("out.bin")},
          Args{"apply-reference", a, d, "-o", Path("out.bin")}}) {
        const Outcome refused = On("A", command[0] == "check" ? 2 : 1, command);
        EXPECT_HAS(refused.err, "This file looks like a model D database, not model A: ");
        EXPECT_HAS(refused.err, "Open it with --model D.");
    }
    EXPECT_EQ(Read(Path("out.bin")), "keep");
    // A reference of another model: the option that opens it is --ref-model.
    const Outcome reference =
        On("D", 1, {"apply-reference", a, d, "-o", Path("out.bin"), "--dry-run"});
    EXPECT_HAS(reference.err, "Open it with --ref-model A.");

    const Outcome text = Expect(0, {"identify", d, Sample("default")});
    EXPECT_EQ(text.out.rfind(d + ":\n  D ", 0), 0u) << text.out;
    EXPECT_HAS(text.out, Sample("default") + ":\n  default ");
    EXPECT_HAS(text.out, "does not decode");
    const Json json = Json::parse(Expect(0, {"identify", "--json", Sample("B")}).out);
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["likely"], "A") << "A and B read the sample alike; A comes first";
    EXPECT_EQ(json[0]["models"][0]["counts"]["tv_channels"].get<int>() +
                  json[0]["models"][0]["counts"]["radio_channels"].get<int>(),
              32);
    Write(Path("zeros.bin"), Bytes(1000, '\0'));
    const Json none = Json::parse(Expect(1, {"identify", "--json", Path("zeros.bin")}).out);
    EXPECT_TRUE(none[0]["likely"].is_null());
}

TEST_F(CliTest, DumpsJsonInTheRecordsOrder) {
    const Json doc = Json::parse(On("B", 0, {"dump", "--json", Sample("B")}).out);
    const auto keys = [](const Json& o) {
        Args names;
        for (const auto& item : o.items())
            names.push_back(item.key());
        return names;
    };
    EXPECT_EQ(keys(doc), (Args{"policy", "header", "document", "tables"}));
    const Json& t = doc["tables"];
    EXPECT_EQ(keys(t), (Args{"satellites", "terrestrial_muxes", "cable_muxes", "providers",
                             "transponders", "channels", "favorites"}));
    EXPECT_EQ(doc["policy"]["ProductList"], 4);
    EXPECT_EQ(doc["header"]["info"].get<std::string>().size(), 160u);
    EXPECT_EQ(t["satellites"][0]["Name"], "Terrestrial");
    EXPECT_EQ(t["satellites"][1]["Tuner"][1]["LowFrequency"], 9750);
    const Json& ch = t["channels"][0];
    EXPECT_EQ(ch["FavoriteSlot"].size(), 32u);
    // The sample's first service as broadcast: each number under its own key.
    EXPECT_EQ((std::vector<int>{ch["ServiceID"], ch["VideoPID"], ch["AudioPID"], ch["PCRPID"]}),
              (std::vector<int>{28106, 101, 102, 101}));
    const auto mux = std::find_if(t["transponders"].begin(), t["transponders"].end(),
                                  [](const Json& tp) { return tp["SatID"] == 1; });
    ASSERT_NE(mux, t["transponders"].end());
    EXPECT_EQ(keys(*mux), (Args{"RowID", "MuxParams", "Word1", "Byte6", "MuxNameIndex", "Byte12",
                                "Byte13", "SatID", "TPID"}));
    EXPECT_TRUE(
        std::is_sorted(t["channels"].begin(), t["channels"].end(),
                       [](const Json& a, const Json& b) { return a["RowID"] < b["RowID"]; }));
}

TEST_F(CliTest, ConvertsThroughFilesAndWorkbooksWithoutChangingAByte) {
    for (const std::string file : {"default-version", "default"}) {
        On("default", 0, {"convert", Sample(file), "-o", Path("copy.bin")});
        EXPECT_EQ(Read(Path("copy.bin")), Read(Sample(file)));
    }
    // Workbooks named by relative paths, as the window's file dialog names them.
    const std::string d = Sample("D"), book = Path("d.xls");
    const fs::path was = fs::current_path();
    fs::current_path(dir_);
    for (const std::string name : {"d.xls", "dd.xls"}) {
        On("D", 0, {"convert", d, "-o", name});
        EXPECT_EQ(Read(name).substr(0, 4), "\xd0\xcf\x11\xe0") << name << " is no workbook";
        On("D", 0, {"convert", d, name, "-o", "back.bin"});
        EXPECT_EQ(Read("back.bin"), Read(d));
    }
    // The channel sheet as CSV, with each separator, for this model and one with two tuners.
    for (const std::string model : {"D", "B"})
        for (const auto& [separator, text] : {std::pair{",", ","}, {";", ";"}, {"tab", "\t"}}) {
            On(model, 0, {"convert", Sample(model), "-o", "d.csv", "--separator", separator});
            EXPECT_EQ(Read("d.csv").substr(0, 14), std::string("\xEF\xBB\xBFProgramNum") + text);
            On(model, 0, {"convert", Sample(model), "d.csv", "-o", "back.bin"});
            EXPECT_EQ(Read("back.bin"), Read(Sample(model))) << model << " " << separator;
        }
    fs::current_path(was);
    EXPECT_HAS(On("D", 0, {"dump", book}).out, "Channels: 27");
    // A workbook alone names satellites, transponders and providers that are not there.
    EXPECT_HAS(On("D", 1, {"convert", book, "-o", Path("alone.bin")}).err,
               "The satellite, transponder or provider of 27 channels is not in this database: "
               "open the receiver's channel file first.");
    EXPECT_FALSE(fs::exists(Path("alone.bin")));
    On("D", 0, {"--yes", "convert", book, "-o", Path("alone.bin")});
    On("D", 0, {"convert", d, "-o", Path("d.csv")});
    EXPECT_HAS(On("D", 1, {"convert", Path("d.csv"), "-o", Path("alone.bin")}).err,
               "of 27 channels is not in this database");
    On("D", 0, {"--yes", "convert", Path("d.csv"), "-o", Path("alone-csv.bin")});
    EXPECT_EQ(Read(Path("alone-csv.bin")), Read(Path("alone.bin")));
    // So does every other command that writes one; those that only read say it.
    const std::string unresolved = "of 27 channels is not in this database";
    Write(Path("ref.txt"), "1;Das Erste;0-0-28106\n");
    for (const Args& writes :
         {Args{"dedupe", book, "-o", Path("dd.bin"), "--keep", "lowest"},
          Args{"apply-reference", Path("ref.txt"), book, "-o", Path("dd.bin")}}) {
        EXPECT_HAS(On("D", 1, writes).err, unresolved);
        EXPECT_FALSE(fs::exists(Path("dd.bin")));
        Args withYes = writes;
        withYes.insert(withYes.begin(), "--yes");
        On("D", 0, withYes);
        EXPECT_TRUE(fs::remove(Path("dd.bin")));
    }
    for (const Args& reads :
         {Args{"dump", book}, Args{"export", book, "-o", Path("l.csv"), "--format", "csv"}})
        EXPECT_HAS(On("D", 0, reads).err, unresolved);
    EXPECT_HAS(On("D", 1, {"check", book}).err, unresolved);
    On("D", 0, {"export-c", d, "-o", Path("table.h")});
    EXPECT_HAS(Read(Path("table.h")), "////Total Svc Channel Count = 27");

    // Another model's layout: refused with each loss named, unless the extra is dropped.
    const std::string lost =
        On("B", 1, {"convert", Sample("B"), "-o", Path("BD.bin"), "--to-model", "D"}).err;
    EXPECT_HAS(lost, "would lose: channels: 5 channels on terrestrial carriers cannot be written: "
                     "the other model has no terrestrial tuner\n  TV 21 \"Das Erste\"\n");
    EXPECT_HAS(lost, "  Radio 8 \"Bayern 3\"\n");
    EXPECT_HAS(lost, "second-tuner settings the other model, with one tuner, cannot keep\n"
                     "  \"Astra 19.2E\"\n");
    EXPECT_FALSE(fs::exists(Path("BD.bin")));
    EXPECT_HAS(On("B", 0,
                  {"convert", Sample("B"), "-o", Path("BD.bin"), "--to-model", "D", "--drop-extra"})
                   .err,
               "dropped:");
    EXPECT_HAS(On("D", 0, {"dump", Path("BD.bin")}).out, "Das Erste");
}

TEST_F(CliTest, MalformedFilesFailNamingTheFileAndLeaveTheOutput) {
    const std::string good = Sample("D");
    const Bytes image = Read(good);
    Write(Path("truncated"), image.substr(0, 1000));
    Write(Path("wrong-header"), Bytes("QP  \0\x50", 6) + image.substr(6));
    for (const std::string f : {"truncated", "wrong-header", "missing"}) {
        const std::string bad = Path(f);
        Write(Path("out.bin"), "keep");
        EXPECT_HAS(On("D", 1, {"convert", bad, "-o", Path("out.bin")}).err,
                   "Cannot open or invalid version file");
        EXPECT_EQ(Read(Path("out.bin")), "keep");
        // Among several inputs, the one that failed is named; check says 2 for it.
        EXPECT_HAS(On("D", 1, {"dump", good, bad}).err, bad);
        EXPECT_HAS(On("D", 1, {"diff", good, good + "+" + bad}).err, bad);
        EXPECT_HAS(On("D", 2, {"check", good, bad}).err, bad);
        const Json o = Json::parse(On("D", 2, {"check", "--json", good, bad}).out);
        EXPECT_EQ(o["file"], bad);
        EXPECT_HAS(o["error"].get<std::string>(), "Cannot open");
    }
    // Spreadsheets of newer formats, whatever their names, and a CSV file that does not read
    // are named with what to do; the output stays.
    const Bytes zip = Bytes("PK\x03\x04", 4) + Bytes(26, '\0');
    Write(Path("new.csv"), zip + "[Content_Types].xml");
    Write(Path("bad.csv"), "a,b\r\n\"1,2\r\n");
    for (const auto& [file, message] :
         {std::pair{"new.csv", "This is an Excel 2007 or later workbook (.xlsx). Save it as "
                               "Excel 97-2003 (.xls) or CSV in your spreadsheet program."},
          {"bad.csv", "Line 2, field 1: the quoted text is never closed"}}) {
        EXPECT_HAS(On("D", 1, {"convert", good, Path(file), "-o", Path("out.bin")}).err, message);
        EXPECT_EQ(Read(Path("out.bin")), "keep");
    }
    // An image without its header opens only when the header question is answered Yes.
    Write(Path("bare.bin"), image.substr(86));
    EXPECT_HAS(On("D", 1, {"convert", Path("bare.bin"), "-o", Path("out.bin")}).err,
               "Cannot open or invalid version file");
    EXPECT_EQ(Read(Path("out.bin")), "keep");
    EXPECT_HAS(On("D", 0, {"--yes", "dump", Path("bare.bin")}).out, "Das Erste");
    // With --yes the same file is decoded as a bare image (its blocks then lie 86 bytes off).
    EXPECT_HAS(On("D", 0, {"--yes", "dump", Path("wrong-header")}).out, "Channels: 0");
    // A path that is not UTF-8 still makes JSON.
    EXPECT_NO_THROW(Json::parse(On("D", 2, {"check", "--json", Path("missing-\xff.bin")}).out));
}

TEST_F(CliTest, StoresThePolicyOnlyWhenToldAndOnlyInASettingsStore) {
    EXPECT_HAS(Expect(0, {"policy", "show"}).out, "Product List = 0");
    // Nothing stored: the start-up policy.
    const std::string sample = Sample("default");
    EXPECT_HAS(Expect(0, {"dump", sample}).out, "Product list 7");
    for (const Args& line : {Args{"models"}, {"check", sample}, {"diff", sample, sample}})
        Expect(0, line);
    EXPECT_FALSE(fs::exists(Path("settings.ini"))) << "a reading command created the store";
    Expect(0, {"policy", "set", "E"});
    const Bytes stored = Read(Path("settings.ini"));
    const Outcome shown = Expect(0, {"policy", "show"});
    EXPECT_HAS(shown.out, "Product List = 8");
    EXPECT_HAS(shown.out, "Flash CH Start Position = 40960");
    EXPECT_HAS(Expect(0, {"dump", Sample("E")}).out, "terrestrial multiplex");
    On("D", 0, {"dump", Sample("D")});
    EXPECT_EQ(Read(Path("settings.ini")), stored) << "--model or a reading command stored";

    // A note whose lines are headings or hold '=' is no store of ours (--settings naming one:
    // cli_test.sh).
    const std::string note = Path("note.md");
    const Bytes noteText = "# Notes\n\n## Dish\nsize = 80 cm\n";
    Write(note, noteText);
    ::setenv("CHANFORGE_SETTINGS", note.c_str(), 1);
    Expect(2, {"policy", "set", "E"});
    EXPECT_EQ(Read(note), noteText);
}

TEST_F(CliTest, ChecksAndDiffs) {
    const std::string d = Sample("D");
    EXPECT_EQ(Json::parse(On("D", 0, {"check", "--json", d}).out), Json::array());
    EXPECT_EQ(Expect(0, {"diff", Sample("default"), Sample("default-version")}).out, "");
    // A side may join files with +; opening the same file twice gives the same tables.
    EXPECT_EQ(Json::parse(On("D", 0, {"diff", "--json", d + "+" + d, d}).out), Json::array());
    // Two TV channels on number 1 is an error.
    Bytes twice = Read(d);
    twice.replace(twice.find("ZDF", twice.find("Das Erste")) - 18, 2, "\1\0", 2);
    Write(Path("twice.bin"), twice);
    EXPECT_HAS(On("D", 1, {"check", Path("twice.bin")}).out, "error numbering.repeat channels 1,2");
}

TEST_F(CliTest, ShowsHostileNamesEscapedAndJsonKeepsTheirBytes) {
    // An accented letter and bytes that would drive the terminal (ESC, BEL, the C1 CSI); names
    // print as UTF-8 read through their code table, so 0xFF is the Latin-1 letter it stands for.
    Bytes hostile = Read(Sample("D"));
    hostile.replace(hostile.find("Das Erste"), 9, "\xe9\x1b]0;x\x07\x9b\xff");
    Write(Path("hostile.bin"), hostile);
    for (Args line : {Args{"dump"}, {"check"}, {"diff", Sample("D")}}) {
        line.push_back(Path("hostile.bin"));
        const std::string text = On("D", 0, line).out;
        EXPECT_HAS(text, "\xC3\xA9\\x1b]0;x\\x07\\x9b\xC3\xBF");
        for (const unsigned char c : text)
            ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f) || (c > 0x9f && c < 0xff))
                << line[0] << ": byte " << int(c) << " reached the terminal";
        line.push_back("--json");
        const std::string name = Json("\u00e9\x1b]0;x\a\u009b\u00ff").dump();
        EXPECT_HAS(Json::parse(On("D", 0, line).out).dump(), name.substr(1, name.size() - 2));
    }
}

TEST_F(CliTest, NamesATemporaryFolderThatCannotHoldTheWorkFile) {
    Write(Path("file"), "");
    for (const auto& [folder, cause] :
         {std::pair{Path("missing"), "No such file"}, std::pair{Path("file"), "Not a directory"}}) {
        ::setenv("TMPDIR", folder.c_str(), 1);
        const Outcome run = On("D", 1, {"dump", Sample("D")});
        ::unsetenv("TMPDIR");
        EXPECT_HAS(run.err, "temporary folder " + folder + ": " + cause);
    }
}

TEST_F(CliTest, DedupesByTheRuleAndPolicyLeavingOutWhatItIsTold) {
    // The samples hold no duplicates by the default rule: "Das Erste" and "Das Erste HD" are two
    // programmes, a terrestrial "KiKA" another way to receive the satellite one.
    for (const char* model : {"A", "B", "C", "D", "E", "default"})
        EXPECT_HAS(
            On(model, 0,
               {"dedupe", Sample(model), "-o", Path("x.bin"), "--keep", "lowest", "--dry-run"})
                .out,
            "0 groups, 0 channels would be deleted");
    const std::string d = Sample("D"), out = Path("out.bin");
    const Args variants = {"dedupe", d, "-o", out, "--keep", "hd", "--variants"};
    const auto with = [&](Args more) {
        more.insert(more.begin(), variants.begin(), variants.end());
        return more;
    };
    const Outcome dry = On("D", 0, with({"--dry-run"}));
    EXPECT_HAS(dry.out, "group 1 (SD and HD versions of a name): keep TV 20 \"Das Erste HD\"; "
                        "delete TV 1 \"Das Erste\"");
    EXPECT_HAS(dry.out, "1 group, 1 channel would be deleted");
    Args lowest = with({"--dry-run"});
    lowest[5] = "lowest";
    EXPECT_HAS(On("D", 0, lowest).out, "keep TV 1 \"Das Erste\"; delete TV 20");
    EXPECT_FALSE(fs::exists(out));
    const Json done = Json::parse(On("D", 0, with({"--json"})).out);
    EXPECT_EQ(done["deleted"], 1);
    EXPECT_TRUE(done["groups"][0]["variants"]);
    EXPECT_EQ(Channels(out).size(), Channels(d).size() - 1);
    // The group left out stays whole.
    EXPECT_HAS(On("D", 0, with({"--except", "1"})).out, "left out, also keep TV 1 \"Das Erste\"");
    EXPECT_EQ(Channels(out).size(), Channels(d).size());
    const Bytes before = Read(out);
    for (const char* bad : {"2", "0", "1x", "1,,1"})
        EXPECT_HAS(On("D", 2, with({"--except", bad})).err, "--except: ");
    On("D", 1, {"dedupe", Path("missing.bin"), "-o", out, "--keep", "fta"});
    EXPECT_EQ(Read(out), before);
}

TEST_F(CliTest, ExportsTheListOrSaysWhyNotLeavingTheOutput) {
    const std::string d = Sample("D"), keep = Path("keep.csv");
    Write(keep, "keep");
    EXPECT_HAS(On("D", 1, {"export", d, "-o", keep, "--format", "csv", "--group", "30"}).err,
               "There is no favourite group 30");
    EXPECT_HAS(On("D", 1, {"export", Path("missing.bin"), "-o", keep, "--format", "pdf"}).err,
               "Cannot open or invalid version file");
    EXPECT_EQ(Read(keep), "keep");
    fs::create_directory(Path("folder.csv"));
    EXPECT_HAS(On("D", 1, {"export", d, "-o", Path("folder.csv"), "--format", "csv"}).err,
               "Cannot write the channel list");
}

TEST_F(CliTest, AppliesAReferenceListOrLeavesTheOutput) {
    const std::string mine = Sample("D"), list = Path("list.txt"), keep = Path("keep.bin");
    const auto channels = [&](const std::string& file) {
        Json all = Channels(file);
        std::sort(all.begin(), all.end(),
                  [](const Json& a, const Json& b) { return a["ProgramNum"] < b["ProgramNum"]; });
        return all;
    };
    // Under the guide's header line, the TV channels in reverse order, one of them twice, and a
    // line that is none.
    Args names;
    std::string text = "pr#;Name;ONID-TSID-SID\r\n", firstNumber;
    const Json all = channels(mine);
    for (auto c = all.rbegin(); c != all.rend(); ++c)
        if ((*c)["Attributes"].get<int>() & 0x400) {
            names.push_back((*c)["Name"]);
            if (names.size() == 1)
                firstNumber = (*c)["ProgramNum"].dump();
            text += std::to_string(names.size()) + ";" + names.back() + ";0-0-" +
                    (*c)["ServiceID"].dump() + "\r\n";
        }
    Write(list, text + "99;" + names[0] + ";0-0-0\r\nnot a channel\r\n");
    const Outcome dry =
        On("D", 0, {"apply-reference", list, mine, "-o", keep, "--dry-run", "--json"});
    EXPECT_FALSE(fs::exists(keep));
    EXPECT_HAS(dry.err, "list.txt: line ");
    const Json plan = Json::parse(dry.out);
    ASSERT_EQ(plan["entries"].size(), names.size() + 1);
    for (std::size_t e = 0; e < names.size(); ++e) {
        EXPECT_EQ(plan["entries"][e]["method"], "name");
        EXPECT_EQ(plan["entries"][e]["after"]["number"], e + 1);
    }
    ASSERT_EQ(plan["unreadLines"].size(), 1u);
    EXPECT_EQ(plan["unreadLines"][0]["line"], names.size() + 3);
    ASSERT_EQ(plan["conflicts"].size(), 1u);
    EXPECT_EQ(plan["conflicts"][0]["holder"], 1);
    EXPECT_EQ(plan["conflicts"][0]["message"], "entry " + std::to_string(names.size() + 1) + " \"" +
                                                   names[0] + "\" matches channel " + firstNumber +
                                                   " \"" + names[0] + "\", which entry 1 \"" +
                                                   names[0] + "\" keeps; it changes nothing");
    // Left out: the first entry's channel and the first unmatched one stay as they are.
    const Json except =
        Json::parse(On("D", 0,
                       {"apply-reference", list, mine, "-o", keep, "--unmatched", "delete",
                        "--dry-run", "--json", "--except", "1," + std::to_string(names.size() + 2)})
                        .out);
    EXPECT_TRUE(except["entries"][0]["leftOut"]);
    EXPECT_EQ(except["entries"][0]["after"], except["entries"][0]["before"]);
    EXPECT_EQ(except["entries"][1]["after"]["number"], 1);
    EXPECT_TRUE(except["unmatched"][0]["leftOut"] && !except["unmatched"][0]["deleted"]);
    EXPECT_TRUE(except["unmatched"][1]["deleted"]);
    const std::string reversed = Path("reversed.bin");
    const Outcome applied =
        On("D", 0, {"apply-reference", list, mine, "-o", reversed, "--unmatched", "delete"});
    EXPECT_HAS(applied.out,
               " matched (" + std::to_string(names.size() + 1) + " by name only, 1 in conflict), ");
    EXPECT_HAS(applied.out, "#1 1 \"" + names[0] + "\": name");
    Args got;
    for (const Json& c : channels(reversed))
        got.push_back(c["Name"]);
    EXPECT_EQ(got, names);
    // Another model's database: every channel by its carrier.
    const Outcome byCarrier = On("D", 0,
                                 {"apply-reference", "--ref-model", "A", Sample("A"), mine, "-o",
                                  keep, "--dry-run", "--json"});
    const Json byCarrierReport = Json::parse(byCarrier.out); // outlives the loop over it
    for (const Json& e : byCarrierReport["entries"])
        EXPECT_EQ(e["method"], "carrier");
    // A reference whose channel 1 is in groups 1 and 4: the change names the groups.
    On("D", 0, {"convert", mine, "-o", Path("ref.csv")});
    std::string sheet = Read(Path("ref.csv"));
    const std::size_t first = sheet.find("\n1,0,0,");
    ASSERT_NE(first, std::string::npos);
    Write(Path("ref.csv"), sheet.replace(first, 7, "\n1,0,9,"));
    On("D", 0, {"convert", mine, Path("ref.csv"), "-o", Path("ref.bin")});
    EXPECT_HAS(On("D", 0, {"apply-reference", Path("ref.bin"), mine, "-o", keep, "--dry-run"}).out,
               "; favourites none -> \"News\", \"Music\"\n");
    // Failures write nothing. A text list with a NUL byte is refused as text.
    Write(Path("nul.txt"), Bytes("1;A;0-0-1\n2;B\0;0-0-2\n", 22));
    EXPECT_HAS(On("D", 1, {"apply-reference", Path("nul.txt"), mine, "-o", keep}).err,
               "nul.txt, line 2, byte 4: a NUL byte");
    Write(Path("bad.txt"), "nothing here\n");
    const Outcome bad = On("D", 1, {"apply-reference", Path("bad.txt"), mine, "-o", keep});
    EXPECT_HAS(bad.err, "The reference list holds no channels");
    EXPECT_HAS(bad.err, "line 1");
    On("D", 1, {"apply-reference", Path("missing.txt"), mine, "-o", keep});
    On("D", 1, {"apply-reference", list, mine, "-o", keep, "--start", "65530"});
    EXPECT_FALSE(fs::exists(keep));
}

TEST_F(CliTest, UpdatesTranspondersFromATableAndExportsOne) {
    const std::string d = Sample("D"), table = Path("satellites.xml"), out = Path("out.bin");
    On("D", 0, {"export", d, "--format", "satellites-xml", "-o", table});
    EXPECT_HAS(On("D", 0, {"transponders", d, "--from", table, "-o", out, "--dry-run"}).out,
               "0 changed, 0 new, 0 would be deleted\n");
    // Astra: 11836 moved up 2 MHz, 12266 gone, 12603 new.
    std::string xml = Read(table);
    const auto replace = [&](const std::string& from, const std::string& to) {
        const std::size_t at = xml.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        xml.replace(at, from.size(), to);
    };
    replace("\"11836000\"", "\"11838000\"");
    replace("frequency=\"12266000\"", "frequency=\"12603000\"");
    replace("polarization=\"0\" fec_inner=\"3\" system=\"0\" modulation=\"2\" pilot=\"2\"/>\n"
            "\t\t<transponder frequency=\"12109000\"",
            "polarization=\"1\" fec_inner=\"3\" system=\"0\" modulation=\"2\" pilot=\"2\"/>\n"
            "\t\t<transponder frequency=\"12109000\"");
    Write(table, xml);
    const std::string preview =
        On("D", 0,
           {"transponders", d, "--from", table, "--satellite", "19.2E", "-o", out, "--dry-run"})
            .out;
    EXPECT_HAS(preview,
               "1 19.2E changed 11836 H 27500 3/4 DVB-S 8PSK -> 11838 H 27500 3/4 DVB-S 8PSK\n");
    EXPECT_HAS(preview, "2 19.2E gone 12266 H 27500 3/4 DVB-S 8PSK with TV 5 \"arte\", ");
    EXPECT_HAS(preview, "; kept (without --delete-gone)\n3 19.2E new 12603 V 27500");
    EXPECT_HAS(preview, "1 changed, 1 new, 0 would be deleted\n");
    // Deleting the gone one but leaving out the new one.
    const Json result = Json::parse(On("D", 0,
                                       {"transponders", d, "--from", table, "-o", out,
                                        "--delete-gone", "--except", "3", "--json"})
                                        .out);
    EXPECT_EQ(result["changed"], 1);
    EXPECT_EQ(result["new"], 0);
    EXPECT_EQ(result["deleted"], 1);
    const Json tables = Json::parse(On("D", 0, {"dump", "--json", out}).out)["tables"];
    const Json before = Json::parse(On("D", 0, {"dump", "--json", d}).out)["tables"];
    EXPECT_EQ(tables["transponders"].size() + 1, before["transponders"].size());
    EXPECT_LT(tables["channels"].size(), before["channels"].size());
    for (const Json& ch : tables["channels"])
        EXPECT_NE(ch["Name"], "arte");

    // Usage errors and hostile tables write nothing.
    fs::remove(out);
    On("D", 2, {"transponders", d, "--from", table, "--satellite", "19.2X", "-o", out});
    Write(Path("evil.xml"), "<?xml version=\"1.0\"?>\n<!DOCTYPE s [<!ENTITY e SYSTEM "
                            "\"file:///etc/passwd\">]>\n<satellites>&e;</satellites>");
    EXPECT_HAS(On("D", 1, {"transponders", d, "--from", Path("evil.xml"), "-o", out}).err,
               "evil.xml, line 2: declarations and entities");
    EXPECT_HAS(
        On("D", 1, {"export", d, "--format", "satellites-xml", "-o", Path("terrestrial.xml")}).err,
        "this model keeps no terrestrial multiplexes");

    // Terrestrial multiplexes: the list's own terrestrial.xml changes nothing; a DVB-T table
    // changes one, leaves one gone and names the carrier no channel of the raster takes.
    const std::string b = Sample("B"), region = Path("terrestrial.xml");
    On("B", 0, {"export", b, "--format", "satellites-xml", "-o", region});
    EXPECT_HAS(On("B", 0, {"transponders", b, "--from", region, "-o", out, "--dry-run"}).out,
               "0 changed, 0 new, 0 would be deleted\n");
    Write(Path("de-Test"), "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBT\n\tFREQUENCY = 586000000\n"
                           "\tMODULATION = QAM/64\n[CHANNEL]\n\tDELIVERY_SYSTEM = DVBT\n"
                           "\tFREQUENCY = 900000000\n");
    const Outcome dvbt =
        On("B", 0, {"transponders", b, "--from", Path("de-Test"), "-o", out, "--dry-run"});
    EXPECT_HAS(dvbt.out, "1 terrestrial changed 586.0 MHz 8K 16QAM 2/3 1/4 -> 586.0 MHz 8K "
                         "64QAM 2/3 1/4\n2 terrestrial gone 666.0 MHz");
    EXPECT_HAS(dvbt.err, "de-Test, line 5: 900.000 MHz is on no free channel");
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliTest, RefusesAReceiveFromWhatIsNoReceiver) {
    Expect(0, {"ports"});
    Expect(1, {"receive", "--port", "/dev/null", "-o", Path("r.bin")});
    EXPECT_FALSE(fs::exists(Path("r.bin")));
}

TEST_F(CliTest, MergeAddsTheChannelsThisListLacksFromAnotherModelsList) {
    const std::string mine = Path("mine.bin"), out = Path("merged.bin");
    // This list without two of the sample's channels: a channel file and its sheet, less two rows.
    On("D", 0, {"convert", Sample("D"), "-o", Path("mine.csv")});
    std::string sheet = Read(Path("mine.csv"));
    const std::size_t second = sheet.find('\n', sheet.find('\n') + 1);
    sheet.erase(second, sheet.find('\n', sheet.find('\n', second + 1) + 1) - second);
    Write(Path("mine.csv"), sheet);
    On("D", 0, {"convert", Sample("D"), Path("mine.csv"), "-o", mine});
    const std::size_t had = Channels(mine).size();

    const Outcome wrongModel = On("D", 1, {"merge", mine, "--from", Sample("A"), "-o", out});
    EXPECT_HAS(wrongModel.err, "Open it with --from-model A.");
    const Args merge = {"merge", mine, "--from", Sample("A"), "--from-model", "A", "-o", out};
    Args dry = merge;
    dry.insert(dry.end(), {"--dry-run", "--json", "--numbers", "keep"});
    const Json plan = Json::parse(On("D", 0, dry).out);
    EXPECT_FALSE(fs::exists(out));
    Args added;
    for (const Json& line : plan["lines"])
        if (line["action"] == "Add") {
            EXPECT_EQ(line["newNumber"], line["number"]); // their own numbers were free
            added.push_back(line["line"].dump());
        }
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(plan["room"][0],
              Json({{"table", "channels"}, {"now", had}, {"added", 2}, {"capacity", 7280}}));
    // A line left out stays out; the rest is written.
    Args one = merge;
    one.insert(one.end(), {"--except", added[0]});
    EXPECT_HAS(On("D", 0, one).out, "1 to add, 0 to update");
    EXPECT_EQ(Channels(out).size(), had + 1);
    EXPECT_HAS(On("D", 0, {"merge", out, "--from", out, "-o", out}).out,
               "0 to add, 0 to update, " + std::to_string(had + 1) + " already here");
    // Usage errors write nothing.
    fs::remove(out);
    for (const Args& bad :
         {Args{"--update", "colours"}, Args{"--numbers", "last"}, Args{"--except", "999"}}) {
        Args args = merge;
        args.insert(args.end(), bad.begin(), bad.end());
        On("D", 2, args);
    }
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
