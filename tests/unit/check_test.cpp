// The school's checker on plan files written from real replays: a good one, one whose summary was
// edited by hand, a broken one and hostile paths and names; the three formats, the exit statuses,
// the order of the lines with several threads, the program itself without a display, its memory
// on a file that is no plan, and the Windows build under wine.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "core/plan/limits.h"
#include "core/plan/plan.h"
#include "tests/support/plan_passes.h"
#include "tools/check/check.h"

namespace belegix::check {
namespace {

namespace fs = std::filesystem;

// A name with a semicolon and a quote, a first name a spreadsheet would take for a formula and a
// class with a zero-width space: what a student can type. A terminal escape sequence can only come
// from a file's name and a summary edited by hand, so the edited plan has both.
const std::string kName = "We;b\"er";
const std::string kVorname = "=1+2";
const std::string kKlasse = "Q1\u200b";
const std::string kEdited = "b_edited\x1b[2J.belegix";
const std::string kEditedShown = "b_edited⟨U+001B⟩[2J.belegix";

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
    const std::string_view mark = "\xEF\xBB\xBF";  // UTF-8 mark of a whole output, if any
    for (std::size_t i = text.starts_with(mark) ? mark.size() : 0; i < text.size(); ++i) {
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

// Terminal columns by the C library's wcwidth (C.UTF-8), independent of the checker's own table.
class Columns {
  public:
    Columns() : saved_(std::setlocale(LC_CTYPE, nullptr)) {
        EXPECT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    }
    ~Columns() { std::setlocale(LC_CTYPE, saved_.c_str()); }
    // The columns taken by `text`; -1 for bytes that are no UTF-8 or an invisible character.
    long Of(std::string_view text) const {
        std::mbstate_t state{};
        long columns = 0;
        for (std::size_t i = 0; i < text.size();) {
            wchar_t wc = 0;
            const std::size_t n = std::mbrtowc(&wc, text.data() + i, text.size() - i, &state);
            if (n == 0 || n > text.size() - i) return -1;
            const int w = ::wcwidth(wc);
            if (w < 0) return -1;
            columns += w;
            i += n;
        }
        return columns;
    }
    // The text of `line` from terminal column `column` on ("" where a character straddles it).
    std::string From(const std::string& line, long column) const {
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i < line.size() && (static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;
            const long at = Of(std::string_view(line).substr(0, i));
            if (at == column) return line.substr(i);
            if (at > column) return {};
        }
        return {};
    }

  private:
    std::string saved_;
};

// The terminal column at which `word` starts in `line`.
long ColumnOf(const std::string& line, const std::string& word) {
    return Columns().Of(std::string_view(line).substr(0, line.find(word)));
}

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
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
        // A plan that is not admissible, its summary edited by hand to claim it is and to hold a
        // class with a terminal escape sequence.
        edited_ = Replaced(Replaced(test::PlanFileText(test::PassB("", "", "", false)),
                                    "\"zulaessig\":false", "\"zulaessig\":true"),
                           "\"klasse\":\"\"", "\"klasse\":\"Q1\\u001b[2J\"");
        Write(dir_ / "a_good.belegix", good_);
        Write(dir_ / kEdited, edited_);
        Write(dir_ / "c_broken.belegix", good_.substr(0, good_.size() / 2));
        Write(dir_ / "notes.txt", "not a plan");
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    std::string good_, edited_;
};

TEST_F(Checker, AFolderGetsOneCsvLinePerPlanWithTheReplayedFigures) {
    const Output o = Check({"--csv", dir_.string()});
    EXPECT_EQ(o.status, 1);                          // the broken file
    EXPECT_TRUE(o.out.starts_with("\xEF\xBB\xBF"));  // UTF-8 for a spreadsheet's double click
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
    EXPECT_EQ(edited[0], (dir_ / kEditedShown).string());
    EXPECT_EQ(edited[3], "");       // the replayed class, not the stored one
    EXPECT_EQ(edited[17], "nein");  // the rules' answer, not the file's claim
    EXPECT_EQ(edited[19], "abweichend: Klasse (Datei: „Q1⟨U+001B⟩[2J“), zulässig (Datei: „ja“)");
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
    ASSERT_EQ(rows[1]["abweichungen"].size(), 2u);
    EXPECT_EQ(rows[1]["abweichungen"][0]["datei"], "Q1\x1b[2J");  // \u001b, read back
    EXPECT_EQ(rows[1]["abweichungen"][1]["datei"], "ja");
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
    // Aligned: the status column starts at the same terminal column in every line.
    const long status = ColumnOf(t[0], "Status");
    EXPECT_GT(status, 0);
    EXPECT_EQ(ColumnOf(t[2], "geprüft"), status);
    EXPECT_EQ(ColumnOf(t[3], "abweichend:"), status);
    EXPECT_EQ(ColumnOf(t[4], "unlesbar:"), status);
}

TEST_F(Checker, ExitStatusesAndWrongCommandLines) {
    const std::string good = (dir_ / "a_good.belegix").string();
    const std::string edited = (dir_ / kEdited).string();
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
    Write(hostile / "index.belegix", Replaced(good_, "\"index\":11", "\"index\":2147483647"));
    Write(hostile / "control.belegix",
          Replaced(good_, "\"control\":\"Lk2Box\"", "\"control\":\"Lk9Box\""));
    // A name typed with a terminal escape: the window would have refused the keystroke.
    const fs::path typed = hostile / "typed.belegix";
    Write(typed, Replaced(good_, "\"text\":\"We;\"", "\"text\":\"We\\u001b\""));
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
    EXPECT_EQ(count, 10u);
    EXPECT_EQ(listing(), before);

    // Refused by the replay with the window's reason, naming the keystroke: the name's third.
    const auto a = test::PassB(kName, kVorname, kKlasse, true);
    const auto first = std::find_if(a.begin(), a.end(), [](auto& x) { return x.text == "W"; });
    const Row row = CheckFile(typed.string());
    EXPECT_EQ(row.reason, plan::OpenFile(typed.string()).error);
    EXPECT_TRUE(row.reason.starts_with("Aktion " + std::to_string(first - a.begin() + 3) + " von "))
        << row.reason;
    EXPECT_NE(row.reason.find(plan::TextProblem(Control::MaskEdit1, "We\x1b")), std::string::npos)
        << row.reason;
}

TEST_F(Checker, LinesKeepTheArgumentOrderOnEveryThread) {
    std::vector<std::string> args = {"--csv", "--jobs", "4"};
    std::vector<std::string> shown;  // the file column: the edited one's escape visible
    for (int i = 0; i < 24; ++i) {
        const std::string name[] = {"a_good.belegix", kEdited, "c_broken.belegix"};
        const int k = (i * 7) % 3;
        args.push_back((dir_ / name[k]).string());
        shown.push_back((dir_ / (k == 1 ? kEditedShown : name[k])).string());
    }
    const auto records = ReadCsv(Check(args).out);
    ASSERT_EQ(records.size(), shown.size() + 1);
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(records[i + 1][0], shown[i]);
}

// A name as long as its field takes that pads itself with ideographic spaces (two columns each)
// and then imitates a row, a first name with a combining mark and a class in CJK: the row's own
// figures and status still stand under their headers, and say what the replay says.
TEST_F(Checker, AWideNameCannotPushTheFiguresUnderOtherHeaders) {
    std::string name = "Geschichte";
    for (int i = 0; i < 10; ++i) name += "\u3000";
    name += "34  34  nein  SUPER!";
    const fs::path spoof = dir_ / "spoof.belegix";
    Write(spoof, test::PlanFileText(test::PassB(name, "Jo\u0308rg", "李Q1", true)));
    const plan::Opened replayed = plan::OpenFile(spoof.string());
    ASSERT_TRUE(replayed.plan) << replayed.error;

    const Output o = Check({(dir_ / "a_good.belegix").string(), spoof.string()});
    ASSERT_EQ(o.status, 0) << o.err;
    const auto t = Lines(o.out);
    ASSERT_EQ(t.size(), 4u) << o.out;
    const Columns columns;
    for (const std::string& line : t) EXPECT_GE(columns.Of(line), 0) << line;  // nothing invisible
    auto at = [&](const std::string& header) { return ColumnOf(t[0], header); };
    for (std::size_t r = 2; r < t.size(); ++r) {
        EXPECT_TRUE(columns.From(t[r], at("zulässig"))
                        .starts_with(replayed.replayed.zulaessig ? "ja  " : "nein  "))
            << t[r];
        EXPECT_EQ(columns.From(t[r], at("Status")), "geprüft") << t[r];
        EXPECT_TRUE(
            columns.From(t[r], at("GQ")).starts_with(std::to_string(replayed.replayed.gqKurse)))
            << t[r];
    }
    // The long path is cut at its start, the name with "…", the combining mark stays on its
    // letter.
    EXPECT_TRUE(t[3].starts_with("…")) << t[3];
    EXPECT_NE(t[3].find("/spoof.belegix  "), std::string::npos);
    EXPECT_NE(t[3].find("Geschichte\u3000"), std::string::npos);
    EXPECT_EQ(t[3].find("nein"), std::string::npos);
    EXPECT_NE(t[3].find("\u3000…"), std::string::npos);
    EXPECT_NE(t[3].find("Jo\u0308rg"), std::string::npos);
}

// Every kind of character that would not show as itself, where it can come from: a file or folder
// name, a summary edited by hand (the stored value the status quotes) and, what the window lets a
// student type, a name. A visible escape in the table and the CSV, a \u escape in JSON that reads
// back as the same text, and never the raw character anywhere.
TEST(CheckerCells, InvisibleCharactersAreNeverWrittenRaw) {
    struct Case {
        std::string kind, raw, shown;
    };
    const std::vector<Case> cases = {
        {"C0 escape", "\x1b", "⟨U+001B⟩"},
        {"C0 bell", "\x07", "⟨U+0007⟩"},
        {"C0 NUL", std::string(1, '\0'), "⟨U+0000⟩"},
        {"C0 tab", "\t", "⟨U+0009⟩"},
        {"C0 vertical tab", "\x0b", "⟨U+000B⟩"},
        {"DEL", "\x7f", "⟨U+007F⟩"},
        {"C1 CSI", "\xc2\x9b", "⟨U+009B⟩"},
        {"C1 NEL", "\xc2\x85", "⟨U+0085⟩"},
        {"byte 0x9B", "\x9b", "⟨0x9B⟩"},
        {"bytes no UTF-8", "\xe2(\xa0", "⟨0xE2⟩(⟨0xA0⟩"},
        {"bidi override", "\u202e", "⟨U+202E⟩"},
        {"bidi isolate", "\u2066", "⟨U+2066⟩"},
        {"bidi mark", "\u200f", "⟨U+200F⟩"},
        {"zero width space", "\u200b", "⟨U+200B⟩"},
        {"zero width joiner", "\u200d", "⟨U+200D⟩"},
        {"byte order mark", "\ufeff", "⟨U+FEFF⟩"},
        {"line separator", "\u2028", "⟨U+2028⟩"},
        {"paragraph separator", "\u2029", "⟨U+2029⟩"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const bool typed = plan::TextProblem(Control::MaskEdit1, c.raw).empty();
        Row row;
        row.file = "a" + c.raw + "b.belegix";
        row.status = Status::Differs;
        row.differences = {{"Klasse", "x" + c.raw + "y", ""}};
        if (typed) row.summary.name = "n" + c.raw + "m";
        const std::string table = Table({row}), csv = CsvLine(row), json = JsonLine(row);
        for (const std::string* out : {&table, &csv, &json})
            EXPECT_EQ(out->find(c.raw), std::string::npos) << *out;
        const std::string status = "abweichend: Klasse (Datei: „x" + c.shown + "y“)";
        const std::string name = typed ? "n" + c.shown + "m" : "";
        EXPECT_NE(table.find("a" + c.shown + "b.belegix  " + name), std::string::npos) << table;
        EXPECT_NE(table.find(status), std::string::npos) << table;
        const auto records = ReadCsv(csv);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0][0], "a" + c.shown + "b.belegix");
        EXPECT_EQ(records[0][1], name);
        EXPECT_EQ(records[0][19], status);
        const auto parsed = nlohmann::json::parse(json);
        const auto stored = parsed["abweichungen"][0]["datei"].get<std::string>();
        EXPECT_TRUE(c.shown.starts_with("⟨0x") ? stored.find("\ufffd") != std::string::npos
                                               : stored == row.differences[0].stored);
        EXPECT_EQ(parsed["name"], row.summary.name);
    }
}

// Text a spreadsheet would compute, in a file name and (what the window lets a student type) a
// name: after blanks, no-break and wide spaces, line breaks and tabs, and in the full-width forms.
TEST(CheckerCells, NoCsvFieldIsAFormula) {
    const std::vector<std::string> formulas = {
        "=1+1",       " =1+1",      "  +1+1", "-1+1",       "@SUM(1+1)", "\u00a0=1+1",
        "\u3000=1+1", "\u2003=1+1", "\n=1+1", "\r\n=1+1",   "\t=1+1",    "\u00a0\n\t=1+1",
        "＝1+1",      "＋1+1",      "－1+1",  "＠SUM(1+1)", " ＝1+1"};
    // The first character a spreadsheet looks at, after what it skips.
    auto computed = [](std::string_view field) {
        for (bool skipped = true; skipped;) {
            skipped = false;
            for (std::string_view blank : {" ", "\n", "\r", "\t", "\u00a0", "\u3000", "\u2003"})
                if (field.starts_with(blank)) skipped = (field.remove_prefix(blank.size()), true);
        }
        for (std::string_view sign : {"=", "+", "-", "@", "＝", "＋", "－", "＠"})
            if (field.starts_with(sign)) return true;
        return false;
    };
    for (const std::string& f : formulas) {
        SCOPED_TRACE(::testing::PrintToString(f));
        Row row;
        row.file = f + ".belegix";
        row.status = Status::Checked;
        const bool typed = plan::TextProblem(Control::MaskEdit1, f).empty();
        if (typed) row.summary.name = f;
        const auto records = ReadCsv(CsvLine(row));
        ASSERT_EQ(records.size(), 1u);
        for (std::size_t i = 0; i < (typed ? 2u : 1u); ++i) {
            EXPECT_FALSE(computed(records[0][i])) << records[0][i];
            EXPECT_NE(records[0][i].find("1+1"), std::string::npos);  // the text itself stays
        }
    }
}

// The installed program in an empty environment (no display) on the folder with a 10 MB file of
// empty objects behind a plan file's head: that one refused before it fills the memory.
TEST_F(Checker, TenMegabytesOfEmptyObjectsAreRefusedInLittleMemory) {
    std::string text = "{\"format\": \"belegix-plan\", \"formatVersion\": 1, \"actions\": [{}";
    text.reserve(plan::kMaxFileBytes);
    while (text.size() + 5 <= plan::kMaxFileBytes) text += ",{}";
    text += "]}";
    Write(dir_ / "empty.belegix", text);

    const std::string out = (dir_ / "out").string();
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    std::string binary = BELEGIX_CHECK_BINARY, json = "--json", folder = dir_.string();
    char* argv[] = {binary.data(), json.data(), folder.data(), nullptr};
    char* noEnvironment[] = {nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, binary.c_str(), &files, nullptr, argv, noEnvironment), 0);
    posix_spawn_file_actions_destroy(&files);
    int status = 0;
    struct rusage usage {};
    ASSERT_EQ(::wait4(pid, &status, 0, &usage), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
#if !defined(__SANITIZE_ADDRESS__)
    // Under AddressSanitizer resident memory means little (shadow memory, freed blocks held back).
    EXPECT_LT(usage.ru_maxrss, 64 * 1024) << "KB at the peak";
#endif
    std::ifstream in(out);
    const auto lines = Lines(std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_EQ(lines.size(), 4u);  // the three plans and this one
    const auto row = nlohmann::json::parse(lines[3]);
    EXPECT_EQ(row["datei"], (dir_ / "empty.belegix").string());
    EXPECT_TRUE(row["status"].get<std::string>().starts_with("unlesbar: ")) << lines[3];
}

// A handed-in file whose name starts with "-": after "--" it is checked; alone it is a wrong
// option, and the message says that such a file exists and how to name it.
TEST_F(Checker, AFileNamedLikeAnOptionIsCheckedAfterTheDoubleDash) {
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    Write("-x.belegix", good_);
    const Output plain = Check({"a_good.belegix", "-x.belegix"});
    const Output dashed = Check({"--csv", "--", "a_good.belegix", "-x.belegix"});
    fs::current_path(before);

    EXPECT_EQ(plain.status, 2);
    EXPECT_NE(plain.err.find("„-x.belegix“"), std::string::npos) << plain.err;
    EXPECT_NE(plain.err.find("belegix-check -- -x.belegix"), std::string::npos) << plain.err;
    EXPECT_EQ(dashed.status, 0) << dashed.err;
    const auto records = ReadCsv(dashed.out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2][0], "'-x.belegix");  // and no formula in a spreadsheet
    EXPECT_EQ(records[2][19], "geprüft");
}

#ifdef BELEGIX_CHECK_EXE
// belegix-check.exe under wine gives the Linux program's output on the same plans, line ends
// aside: umlauts in the names of the files and the folder, a file whose plan ends in a Ctrl-Z
// byte followed by more text (read in binary it is no plan), a wide name, a file name with a bidi
// override and a stored class with a terminal escape in the table.
TEST_F(Checker, WindowsProgramUnderWineGivesTheLinuxOutput) {
    const std::string wine = BELEGIX_WINE;
    if (wine.empty() || std::system((wine + " --version >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "wine cannot start";
    const fs::path plans = dir_ / "Abgaben Jahrgang 11 (Größe)";
    fs::create_directories(plans);
    fs::copy_file(dir_ / "a_good.belegix", plans / "Müller, Jörg.belegix");
    fs::copy_file(dir_ / kEdited, plans / "Ölçek_李.belegix");
    fs::copy_file(dir_ / "c_broken.belegix", plans / "zoë.belegix");
    Write(plans / "strg-z.belegix", good_ + "\x1a" + "}");
    Write(plans / "wide\u202e.belegix",
          test::PlanFileText(test::PassB("名前\u3000\u200bSUPER!", "Jo\u0308rg", "Q1", true)));

    const std::string env = "cd '" + dir_.string() + "' && WINEPREFIX='" +
                            (dir_ / "wine").string() + "' WINEDEBUG=-all ";
    auto run = [&](const std::string& program, const std::string& options) {
        const std::string out = (dir_ / "out").string();
        const int status = std::system((env + program + " " + options +
                                        " 'Abgaben Jahrgang 11 (Größe)' >'" + out + "' 2>/dev/null")
                                           .c_str());
        std::ifstream in(out, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        std::erase(text, '\r');
        return std::make_pair(WIFEXITED(status) ? WEXITSTATUS(status) : -1, text);
    };
    const std::string exe = wine + " '" + BELEGIX_CHECK_EXE + "'";
    for (const std::string options : {"", "--csv", "--json --jobs 3"}) {
        SCOPED_TRACE(options);
        const auto onLinux = run(BELEGIX_CHECK_BINARY, options);
        const auto onWindows = run(exe, options);
        EXPECT_EQ(onLinux.first, 1);  // the broken files
        EXPECT_EQ(onWindows.first, onLinux.first);
        if (options != "--csv") {  // (CSV fields keep the verdicts' line breaks)
            EXPECT_EQ(Lines(onLinux.second).size(), options.empty() ? 7u : 5u);
        }
        EXPECT_EQ(onWindows.second, onLinux.second);
    }
    std::system(
        (env + "'" + fs::path(wine).replace_filename("wineserver").string() + "' -k 2>/dev/null")
            .c_str());
}
#endif

}  // namespace
}  // namespace belegix::check
