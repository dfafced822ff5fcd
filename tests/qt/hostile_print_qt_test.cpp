// Personal data that no form expects (very long, right to left, emoji, tabs, line breaks, broken
// UTF-8) prints without a crash, and only the lines that show it change: a long text pushes the
// rest of its own line to the right, every other line of the page stays as it was.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <string>
#include <vector>

#include "core/choice_state.h"
#include "core/design.h"
#include "core/rules/course_plan.h"
#include "core/rules/printing.h"
#include "core/rules/steps.h"
#include "qt/print_stream.h"
#include "tests/qt/window_harness.h"
#include "tests/support/test_view.h"

namespace belegix::test {
namespace {

using enum Control;

std::string Repeat(const std::string& piece, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s += piece;
    return s;
}

// The three lines of the personal data as the page lays them out.
std::string NameLine(const std::string& name, const std::string& first) {
    std::string line = "   " + InField("Name, Vorname: ", 21) + name + ", " + first;
    return line;
}
std::string FieldLine(const char* caption, const std::string& text) {
    return "   " + InField(caption, 21) + text;
}

void ExpectSameOtherLines(const Page& page, const Page& baseline, const std::string& what) {
    ASSERT_EQ(page.lines.size(), kPageLines) << what;
    ASSERT_EQ(baseline.lines.size(), kPageLines);
    for (std::size_t i = 0; i < kPageLines; ++i) {
        if (i == kNameLine || i == kSchoolLine || i == kClassLine) continue;
        EXPECT_EQ(page.lines[i], baseline.lines[i]) << what << ", line " << i;
    }
}

// A temporary folder for the printed files, and a window in memory with the empty choice evaluated
// for the tests that print without the real window.
struct HostilePrint : ::testing::Test {
    QTemporaryDir dir;
    TestView v;
    ChoiceState st;
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        StartPlanner(st, v);
        EvaluatePlan(st, v);
    }
};

struct Typed {
    std::string name, first, cls, school;
};

TEST_F(HostilePrint, TypedPersonalDataChangesOnlyItsOwnLinesOnThePage) {
    const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
    WindowHarness h(pdf.toStdString());
    h.Open();
    h.RunAll(LanguagePlanLines());
    ASSERT_TRUE(h.complaints().empty()) << h.complaints().front();

    auto print = [&](const Typed& t) {
        h.RunAll({"answer Yes", "click DruckenBitBtn"});
        for (const auto& [field, text] :
             {std::pair{MaskEdit1, t.name}, std::pair{MaskEdit2, t.first},
              std::pair{MaskEdit3, t.cls}, std::pair{MaskEdit4, t.school}}) {
            drive::Command cmd;
            cmd.op = drive::Op::Type;
            cmd.control = field;
            cmd.text = text;
            cmd.source = "type";
            h.driver().Run(cmd);
        }
        h.RunAll({"answer Yes", "click PersDatenBitBtn"});
    };

    print({"Mustermann", "Erika", "10c", "Gymnasium Lindenhain"});
    ASSERT_EQ(h.pages().size(), 1u);
    const Page baseline = h.pages().back();
    ASSERT_EQ(baseline.lines.size(), kPageLines);
    EXPECT_EQ(baseline.Line(kNameLine), NameLine("Mustermann", "Erika"));
    EXPECT_EQ(baseline.Line(kSchoolLine), FieldLine("Schule: ", "Gymnasium Lindenhain"));
    EXPECT_EQ(baseline.Line(kClassLine), FieldLine("Klasse: ", "10c"));

    const std::string longName = Repeat("Müller-Lüdenscheidt ", 250);  // 5,000 characters
    const std::vector<Typed> hostile = {
        {longName, "ß", "10c", "Gymnasium Lindenhain"},
        {"שלום עולם", "مرحبا بالعالم", "١٠ج", "\u202eGymnasium\u202c Lindenhain"},
        {"😀👩‍👩‍👧‍👦", "🇩🇪", "🏳️‍🌈", "Schule 🏫"},
        {"\xff\xfe\xc3\x28", "\xa0\xa1", "\xe2\x28\xa1", "x"},
        {"a", "b", "c", " "},
    };
    for (const Typed& t : hostile) {
        const std::size_t before = h.pages().size();
        print(t);
        const std::string what = "printing " + t.name.substr(0, 40);
        ASSERT_EQ(h.pages().size(), before + 1) << what;
        ASSERT_TRUE(h.complaints().empty()) << h.complaints().front();
        const Page& page = h.pages().back();
        ExpectSameOtherLines(page, baseline, what);
        // The fields print as they stand; broken bytes reach them as replacement characters.
        const std::string name = h.win().view().Text(MaskEdit1);
        EXPECT_EQ(page.Line(kNameLine), NameLine(name, h.win().view().Text(MaskEdit2))) << what;
        EXPECT_EQ(page.Line(kSchoolLine), FieldLine("Schule: ", h.win().view().Text(MaskEdit4)));
        EXPECT_EQ(page.Line(kClassLine), FieldLine("Klasse: ", h.win().view().Text(MaskEdit3)));
        const auto limit = static_cast<qsizetype>(design::Of(MaskEdit1).maxLength);
        if (CharCount(t.name) > static_cast<std::size_t>(limit)) {
            // A name longer than the field takes is cut at the field's limit.
            EXPECT_EQ(QString::fromStdString(name), QString::fromStdString(t.name).left(limit));
        } else if (t.name.find('\xff') == std::string::npos) {
            EXPECT_EQ(name, t.name) << what;
        } else {
            // Each broken byte arrives as one replacement character.
            EXPECT_EQ(name, "\uFFFD\uFFFD\uFFFD(") << what;
        }
    }
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(HostilePrint, TabsLineBreaksAndHugeTextsInTheFieldsKeepTheOtherLines) {
    // Texts the keyboard cannot put into the fields (a tab, line breaks, control characters,
    // 100,000 characters) reach the page when the fields are set directly.

    auto printWith = [&](const Typed& t, const QString& pdf) {
        v.SetText(MaskEdit1, t.name);
        v.SetText(MaskEdit2, t.first);
        v.SetText(MaskEdit3, t.cls);
        v.SetText(MaskEdit4, t.school);
        auto real = std::make_unique<QtPrintStream>();
        real->SetPdfFile(pdf);
        const drive::Output quiet{[](const drive::Json&) {}, [](int, const std::string&) {}};
        drive::RecordingPrintStream capture(quiet, std::move(real));
        Page page;
        capture.SetOnPage([&page](const std::vector<std::string>& lines) { page.lines = lines; });
        EXPECT_EQ(WritePlanPage(v, capture), std::nullopt);
        EXPECT_GT(QFileInfo(pdf).size(), 0);
        return page;
    };

    const Page baseline =
        printWith({"Mustermann", "Erika", "10c", "Gymnasium Lindenhain"}, dir.filePath("0.pdf"));
    const std::vector<Typed> hostile = {
        {"Muster\tmann", "Er\nika", "10\r\nc", "\r"},
        {Repeat("W", 32767), Repeat("\t", 50), Repeat("\n", 50), Repeat("🏫", 2000)},
        {std::string("a\0b", 3), "\x01\x02\x1b[2J", "\x7f", "\xc3"},
        {"\u202eHebrew \u05e9\u05dc\u05d5\u05dd", "\u200f\u200e", "\u2028\u2029", "\ufeff"},
    };
    int n = 1;
    for (const Typed& t : hostile) {
        const Page page = printWith(t, dir.filePath(QString::number(n++) + ".pdf"));
        const std::string what = "field text " + std::to_string(n - 1);
        ExpectSameOtherLines(page, baseline, what);
        EXPECT_EQ(page.Line(kNameLine), NameLine(t.name, t.first)) << what;
        EXPECT_EQ(page.Line(kSchoolLine), FieldLine("Schule: ", t.school)) << what;
        EXPECT_EQ(page.Line(kClassLine), FieldLine("Klasse: ", t.cls)) << what;
    }
}

TEST_F(HostilePrint, TheLongestEntriesTheFieldsTakeStillPrintOnOnePage) {
    const auto full = [](Control c, const QString& character) {
        return character.repeated(design::Of(c).maxLength).toStdString();
    };
    // The widest letters of the fixed-width font, and characters twice as wide from another.
    for (const QString& ch : {QStringLiteral("W"), QStringLiteral("\u6F22")}) {
        for (const Control c : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4})
            v.SetText(c, full(c, ch));
        QtPrintStream stream;
        stream.SetPdfFile(dir.filePath("full.pdf"));
        ASSERT_EQ(WritePlanPage(v, stream), std::nullopt);
        for (const auto& piece : stream.Layout())
            EXPECT_EQ(piece.page, 0) << piece.text.toStdString();
    }
}

TEST_F(HostilePrint, AVeryLongFieldIsCutIntoLinesInTimeProportionalToItsLength) {
    // 200,000 characters fill some 2,500 lines on about forty pages; measuring the whole rest of
    // the text for every cut would take minutes.
    v.SetText(MaskEdit1, Repeat("Lindenhain ", 18182));
    v.SetText(MaskEdit2, "Erika");
    v.SetText(MaskEdit3, "10c");
    QtPrintStream stream;
    stream.SetPdfFile(dir.filePath("long.pdf"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WritePlanPage(v, stream), std::nullopt);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 30.0);
    EXPECT_GT(QFileInfo(dir.filePath("long.pdf")).size(), 0);
}

}  // namespace
}  // namespace belegix::test
