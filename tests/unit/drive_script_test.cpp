// Reading the driver's scripts.
#include <gtest/gtest.h>

#include "tools/drive/script.h"

namespace belegix::drive {
namespace {

using enum Control;

TEST(DriveScript, ReadsEveryCommand) {
    const Script s = ParseScript(
        "# a comment\n"
        "\n"
        "click ProfilBitBtn\n"
        "  pick   ProfilRadioGroup 3  \n"
        "type Lk1Box \"Deu\\\"t\\\\sch\\n\\r\\t\"\n"
        "focus ZusatzBox\n"
        "answer Yes\n"
        "answer No\n"
        "answer OK\n"
        "tick\n"
        "dump\n"
        "screenshot /tmp/a.png\n"
        "close\n");
    ASSERT_FALSE(s.error) << s.error->reason;
    ASSERT_EQ(s.commands.size(), 11u);
    EXPECT_EQ(s.commands[0].op, Op::Click);
    EXPECT_EQ(s.commands[0].control, ProfilBitBtn);
    EXPECT_EQ(s.commands[0].line, 3);
    EXPECT_EQ(s.commands[0].source, "click ProfilBitBtn");
    EXPECT_EQ(s.commands[1].op, Op::Pick);
    EXPECT_EQ(s.commands[1].control, ProfilRadioGroup);
    EXPECT_EQ(s.commands[1].index, 3);
    EXPECT_EQ(s.commands[1].source, "pick   ProfilRadioGroup 3");
    EXPECT_EQ(s.commands[2].op, Op::Type);
    EXPECT_EQ(s.commands[2].text, "Deu\"t\\sch\n\r\t");
    EXPECT_EQ(s.commands[3].op, Op::Focus);
    EXPECT_EQ(s.commands[3].control, ZusatzBox);
    EXPECT_EQ(s.commands[4].answer, DlgResult::Yes);
    EXPECT_EQ(s.commands[5].answer, DlgResult::No);
    EXPECT_EQ(s.commands[6].answer, DlgResult::Ok);
    EXPECT_EQ(s.commands[7].op, Op::Tick);
    EXPECT_EQ(s.commands[8].op, Op::Dump);
    EXPECT_EQ(s.commands[9].op, Op::Screenshot);
    EXPECT_EQ(s.commands[9].text, "/tmp/a.png");
    EXPECT_EQ(s.commands[10].op, Op::Close);
    EXPECT_EQ(s.commands[10].line, 13);
}

TEST(DriveScript, EmptyTextAndWindowsLineEnds) {
    const Script s = ParseScript("type MaskEdit1 \"\"\r\ndump\r\n");
    ASSERT_FALSE(s.error);
    ASSERT_EQ(s.commands.size(), 2u);
    EXPECT_EQ(s.commands[0].text, "");
    EXPECT_EQ(s.commands[1].op, Op::Dump);
    EXPECT_TRUE(ParseScript("").commands.empty());
    EXPECT_FALSE(ParseScript("").error);
    EXPECT_FALSE(ParseScript("dump").error);
}

TEST(DriveScript, PickIndexMayBeAnyIntegerWhenRead) {
    // Whether the index is among the items is only known when the line runs.
    const Script s = ParseScript("pick Lk1Box -1\npick Lk1Box 99\n");
    ASSERT_FALSE(s.error);
    EXPECT_EQ(s.commands[0].index, -1);
    EXPECT_EQ(s.commands[1].index, 99);
}

struct Bad {
    const char* script;
    int line;
};

TEST(DriveScript, RejectsWhatCannotBeRead) {
    const Bad bad[] = {
        {"dump\nfrobnicate\n", 2},             // unknown command
        {"click NoSuchButton\n", 1},           // unknown control
        {"click\n", 1},                        // name missing
        {"click ProfilBitBtn extra\n", 1},     // trailing word
        {"pick ProfilBitBtn 0\n", 1},          // not a combo box or radio group
        {"pick MaskEdit1 0\n", 1},             // an edit field takes no pick
        {"pick Lk1Box\n", 1},                  // index missing
        {"pick Lk1Box x\n", 1},                // not a number
        {"pick Lk1Box 1.5\n", 1},              // not an integer
        {"pick Lk1Box 1 2\n", 1},              // trailing word
        {"type ProfilRadioGroup \"a\"\n", 1},  // no edit field
        {"type Label4 \"a\"\n", 1},            // no edit field
        {"type Lk1Box abc\n", 1},              // not quoted
        {"type Lk1Box \"abc\n", 1},            // not closed
        {"type Lk1Box \"a\" b\n", 1},          // after the closing quote
        {"type Lk1Box \"a\\q\"\n", 1},         // unknown escape
        {"answer Ja\n", 1},                    // not Yes, No, OK
        {"answer yes\n", 1},                   // case matters
        {"tick 2\n", 1},                       // no argument
        {"screenshot\n", 1},                   // file missing
        {"Click ProfilBitBtn\n", 1},           // commands are lower case
    };
    for (const Bad& b : bad) {
        const Script s = ParseScript(b.script);
        ASSERT_TRUE(s.error) << b.script;
        EXPECT_EQ(s.error->line, b.line) << b.script;
        EXPECT_FALSE(s.error->reason.empty());
        EXPECT_TRUE(s.commands.empty()) << b.script;
    }
}

TEST(DriveScript, ReadsKeysForANamedOrTheFocusedControl) {
    const Script s = ParseScript(
        "key - Tab\n"
        "key ProfilRadioGroup Down\n"
        "key  Lk1Box   Alt+Down\n"
        "key - Down, Down, Return\n");
    ASSERT_FALSE(s.error) << s.error->reason;
    ASSERT_EQ(s.commands.size(), 4u);
    EXPECT_EQ(s.commands[0].op, Op::Key);
    EXPECT_TRUE(s.commands[0].focused);
    EXPECT_EQ(s.commands[0].text, "Tab");
    EXPECT_FALSE(s.commands[1].focused);
    EXPECT_EQ(s.commands[1].control, ProfilRadioGroup);
    EXPECT_EQ(s.commands[1].text, "Down");
    EXPECT_EQ(s.commands[2].control, Lk1Box);
    EXPECT_EQ(s.commands[2].text, "Alt+Down");
    EXPECT_EQ(s.commands[3].text, "Down, Down, Return");
}

TEST(DriveScript, RefusesKeysWithoutControlOrKeys) {
    for (const char* line : {"key", "key -", "key Lk1Box", "key Nirgends Tab", "key -Tab"}) {
        const Script s = ParseScript(line);
        ASSERT_TRUE(s.error) << line;
        EXPECT_EQ(s.error->line, 1) << line;
        EXPECT_TRUE(s.commands.empty()) << line;
    }
}

}  // namespace
}  // namespace belegix::drive
