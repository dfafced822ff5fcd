// The school's checker on plan files written from real replays: a good one, one whose summary was
// edited by hand, a broken one and hostile paths; the three formats, the exit statuses, the order
// of the lines with several threads and the program itself without a display.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "core/plan/plan.h"
#include "tests/support/plan_passes.h"
#include "tools/check/check.h"

namespace belegix::check {
namespace {

namespace fs = std::filesystem;

// A name with a semicolon and a quote, a first name a spreadsheet would take for a formula and a
// class with a terminal escape sequence.
const std::string kName = "We;b\"er";
const std::string kVorname = "=1+2";
const std::string kKlasse = "Q1\x1b[2J";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Records of a semicolon-separated text with quoted fields (RFC 4180), read independently of the
// checker's writer.
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"')
                records.back().back() += text[++i];
            else if (ch == '"')
                quoted = false;
            else
                records.back().back() += ch;
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ';') {
            records.back().emplace_back();
        } else if (ch == '\n') {
            records.emplace_back(1);
        } else {
            records.back().back() += ch;
        }
    }
    EXPECT_FALSE(quoted);
    EXPECT_EQ(records.back(), std::vector<std::string>(1));  // the text ends with a line break
    records.pop_back();
    return records;
}

struct Output {
    int status;
    std::string out, err;
};
Output Check(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = Run(args, out, err);
    return {status, out.str(), err.str()};
}

class Checker : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("belegix-check-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        good_ = test::PlanFileText(test::PassB(kName, kVorname, kKlasse, true));
        // A plan that is not admissible, its summary edited by hand to claim it is.
        edited_ = Replaced(test::PlanFileText(test::PassB("", "", "", false)),
                           "\"zulaessig\": false", "\"zulaessig\": true");
        Write(dir_ / "a_good.belegix", good_);
        Write(dir_ / "b_edited.belegix", edited_);
        Write(dir_ / "c_broken.belegix", good_.substr(0, good_.size() / 2));
        Write(dir_ / "notes.txt", "not a plan");
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    std::string good_, edited_;
};

TEST_F(Checker, AFolderGetsOneCsvLinePerPlanWithTheReplayedFigures) {
    const Output o = Check({"--csv", dir_.string()});
    EXPECT_EQ(o.status, 1);  // the broken file
    const auto records = ReadCsv(o.out);
    ASSERT_EQ(records.size(), 4u) << o.out;
    const auto& header = records[0];
    ASSERT_EQ(header.size(), 20u);
    EXPECT_EQ(header[0], "Datei");
    EXPECT_EQ(header[1], "Name");
    EXPECT_EQ(header[17], "zulässig");
    EXPECT_EQ(header[19], "Status");
    for (const auto& r : records) EXPECT_EQ(r.size(), header.size());

    // Sorted by name; every figure is the replay's.
    const auto& good = records[1];
    EXPECT_EQ(good[0], (dir_ / "a_good.belegix").string());
    EXPECT_EQ(good[1], kName);
    EXPECT_EQ(good[2], "'" + kVorname);  // stays text in a spreadsheet
    EXPECT_EQ(good[17], "ja");
    EXPECT_EQ(good[19], "geprüft");
    const plan::Opened opened = plan::OpenText(good_);
    ASSERT_TRUE(opened.plan);
    EXPECT_EQ(good[5], opened.replayed.pruefungsfaecher[0]);
    EXPECT_EQ(good[14], std::to_string(opened.replayed.durchschnitt));
    EXPECT_EQ(good[18], opened.replayed.urteil);

    const auto& edited = records[2];
    EXPECT_EQ(edited[17], "nein");  // the rules' answer, not the file's claim
    EXPECT_EQ(edited[19], "abweichend: zulässig (Datei: „ja“)");
    EXPECT_NE(edited[18].find('\n'), std::string::npos);  // the verdict's line breaks, quoted

    const auto& broken = records[3];
    EXPECT_EQ(broken[19],
              "unlesbar: " + plan::OpenFile((dir_ / "c_broken.belegix").string()).error);
    for (std::size_t i = 1; i < 19; ++i) EXPECT_EQ(broken[i], "") << header[i];
}

TEST_F(Checker, JsonAndTableCarryTheSameRows) {
    const Output json = Check({"--json", dir_.string()});
    EXPECT_EQ(json.status, 1);
    std::istringstream lines(json.out);
    std::vector<nlohmann::json> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]["name"], kName);
    EXPECT_EQ(rows[0]["zulaessig"], true);
    EXPECT_EQ(rows[0]["status"], "geprüft");
    EXPECT_EQ(rows[1]["zulaessig"], false);
    ASSERT_EQ(rows[1]["abweichungen"].size(), 1u);
    EXPECT_EQ(rows[1]["abweichungen"][0]["datei"], "ja");
    EXPECT_TRUE(rows[2]["zulaessig"].is_null());
    EXPECT_TRUE(rows[2]["status"].get<std::string>().starts_with("unlesbar: "));

    const Output table = Check({dir_.string()});
    EXPECT_EQ(table.status, 1);
    std::istringstream text(table.out);
    std::vector<std::string> t;
    for (std::string line; std::getline(text, line);) t.push_back(line);
    ASSERT_EQ(t.size(), 5u) << table.out;  // header, rule, three files
    EXPECT_NE(t[2].find(kName), std::string::npos);
    EXPECT_EQ(table.out.find('\x1b'), std::string::npos);  // no escape reaches the terminal
    EXPECT_NE(t[3].find(" / "), std::string::npos);        // the verdict's line breaks
    // Aligned: the status column starts at the same character in every line.
    auto column = [](const std::string& line, const std::string& word) -> long {
        const auto at = line.find(word);
        if (at == std::string::npos) return -1;
        return std::count_if(line.begin(), line.begin() + static_cast<long>(at),
                             [](char c) { return (c & 0xC0) != 0x80; });
    };
    const long status = column(t[0], "Status");
    EXPECT_GT(status, 0);
    EXPECT_EQ(column(t[2], "geprüft"), status);
    EXPECT_EQ(column(t[3], "abweichend:"), status);
    EXPECT_EQ(column(t[4], "unlesbar:"), status);
}

TEST_F(Checker, ExitStatusesAndWrongCommandLines) {
    const std::string good = (dir_ / "a_good.belegix").string();
    const std::string edited = (dir_ / "b_edited.belegix").string();
    EXPECT_EQ(Check({good, edited}).status, 0);  // an edited summary is still readable
    EXPECT_EQ(Check({"--json", good, (dir_ / "c_broken.belegix").string()}).status, 1);
    const Output help = Check({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Aufruf: belegix-check"), std::string::npos);
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{},
                                               {"--csv"},
                                               {"--bunt", good},
                                               {"--csv", "--json", good},
                                               {"--jobs", "0", good},
                                               {good, "--jobs"},
                                               {"--jobs=x", good}}) {
        const Output o = Check(wrong);
        EXPECT_EQ(o.status, 2) << ::testing::PrintToString(wrong);
        EXPECT_EQ(o.out, "");
        EXPECT_TRUE(o.err.starts_with("belegix-check: ")) << o.err;
    }
    // After "--" every argument is a file.
    EXPECT_EQ(Check({"--", "--csv"}).status, 1);
}

TEST_F(Checker, HostilePathsAreUnreadableAndNothingIsWritten) {
    const fs::path hostile = dir_ / "hostile";
    fs::create_directories(hostile / "folder.belegix");
    ASSERT_EQ(::mkfifo((hostile / "fifo.belegix").c_str(), 0600), 0);
    Write(hostile / "huge.belegix", std::string(plan::kMaxFileBytes + 1, ' '));
    Write(hostile / "deep.belegix", std::string(100000, '[') + std::string(100000, ']'));
    // Hundreds of thousands of empty objects: read in linear time, refused for their number.
    std::string many = "{\"format\": \"belegix-plan\", \"formatVersion\": 1, \"actions\": [{}";
    for (std::size_t i = 0; i < plan::kMaxActions; ++i) many += ",{}";
    Write(hostile / "many.belegix", many + "]}");
    Write(hostile / "index.belegix", Replaced(good_, "\"index\": 11", "\"index\": 2147483647"));
    Write(hostile / "control.belegix",
          Replaced(good_, "\"control\": \"Lk2Box\"", "\"control\": \"Lk9Box\""));
    auto listing = [this] {
        std::vector<std::pair<fs::path, fs::file_time_type>> files;
        for (const auto& e : fs::recursive_directory_iterator(dir_))
            files.emplace_back(e.path(), e.last_write_time());
        std::sort(files.begin(), files.end());
        return files;
    };
    const auto before = listing();

    const Output o =
        Check({"--json", hostile.string(), "/dev/zero", (dir_ / "missing.belegix").string()});
    EXPECT_EQ(o.status, 1);
    std::istringstream lines(o.out);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const auto row = nlohmann::json::parse(line);
        EXPECT_TRUE(row["status"].get<std::string>().starts_with("unlesbar: ")) << line;
    }
    EXPECT_EQ(count, 9u);

    EXPECT_EQ(listing(), before);
}

TEST_F(Checker, LinesKeepTheArgumentOrderOnEveryThread) {
    std::vector<std::string> args = {"--csv", "--jobs", "4"};
    std::vector<std::string> files;
    for (int i = 0; i < 24; ++i) {
        const char* name[] = {"a_good.belegix", "b_edited.belegix", "c_broken.belegix"};
        files.push_back((dir_ / name[(i * 7) % 3]).string());
    }
    args.insert(args.end(), files.begin(), files.end());
    const auto records = ReadCsv(Check(args).out);
    ASSERT_EQ(records.size(), files.size() + 1);
    for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(records[i + 1][0], files[i]);
}

// The installed program: no display, the exit status and a line per file.
TEST_F(Checker, TheProgramRunsWithoutADisplay) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                std::string(BELEGIX_CHECK_BINARY) + " --json '" + dir_.string() +
                                "' > '" + (dir_ / "out").string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream out(dir_ / "out");
    std::size_t lines = 0;
    for (std::string line; std::getline(out, line);) ++lines;
    EXPECT_EQ(lines, 3u);
}

}  // namespace
}  // namespace belegix::check
