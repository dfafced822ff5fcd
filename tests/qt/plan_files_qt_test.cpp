// Plan files that cannot be used, and saves that fail, in the real window: a box naming the file
// and the reason, and the window (plan, controls, title, undo history) exactly as it was.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "qt/widgets.h"
#include "tests/qt/window_harness.h"
#include "tools/drive/dump.h"

namespace belegix::test {
namespace {

class PlanFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        h_.SetAnswerer([this](const BoxRequest& box) {
            boxes_.push_back(box);
            return box.buttons.front();  // Yes to every question of the walk
        });
        h_.Open();
        h_.RunAll(LanguagePlanLines());
        h_.Run("answer Yes");
        h_.Run("click DruckenBitBtn");
        h_.Run("type MaskEdit1 \"Muster\"");
        good_ = Path("gut.belegix");
        ASSERT_TRUE(h_.win().savePlan(good_));
        h_.Run("type MaskEdit2 \"Eva\"");
        boxes_.clear();
    }

    QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    std::string Dump() { return drive::DumpJson(h_.win()).Dump(); }
    QByteArray Read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString Write(const char* name, const QByteArray& bytes) {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // The saved good file with `from` replaced by `to`.
    QByteArray Edited(const QByteArray& from, const QByteArray& to) {
        QByteArray text = Read(good_);
        EXPECT_TRUE(text.contains(from)) << from.toStdString();
        return text.replace(from, to);
    }
    // Exactly one information box, naming the file.
    void ExpectOneBoxNaming(const QString& file, const std::string& what) {
        ASSERT_EQ(boxes_.size(), 1u) << what;
        EXPECT_EQ(boxes_[0].kind, BoxKind::Information) << what;
        EXPECT_NE(boxes_[0].text.find(QFileInfo(file).absoluteFilePath().toStdString()),
                  std::string::npos)
            << what << ": " << boxes_[0].text;
        boxes_.clear();
    }

    QTemporaryDir dir_;
    WindowHarness h_;
    std::vector<BoxRequest> boxes_;
    QString good_;
};

TEST_F(PlanFiles, AnUnusableFileLeavesTheWindowExactlyAsItWas) {
    const QByteArray good = Read(good_);
    ASSERT_FALSE(good.isEmpty());
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("ordner.belegix")));
    const std::vector<QString> bad = {
        Path("fehlt.belegix"),
        Path("ordner.belegix"),
        Write("leer.belegix", ""),
        Write("text.belegix", "Kurswahl von Eva Muster"),
        Write("halb.belegix", good.left(good.size() / 2)),
        Write("fremd.belegix", "{\"format\": \"etwas anderes\", \"formatVersion\": 1}"),
        Write("neuer.belegix", Edited("\"formatVersion\": 2", "\"formatVersion\": 7")),
        Write("unbekannt.belegix", Edited("\"control\":\"Lk2Box\"", "\"control\":\"Lk7Box\"")),
        Write("index.belegix", Edited("\"index\":11", "\"index\":57")),
        Write("antwort.belegix", Edited("\"Yes\"", "")),
        Write("tief.belegix", QByteArray(50000, '[') + QByteArray(50000, ']')),
        Write("gross.belegix", QByteArray(10 * 1024 * 1024 + 1, ' ')),
    };
    for (const QString& file : bad) {
        const std::string before = Dump();
        EXPECT_FALSE(h_.win().openPlan(file)) << file.toStdString();
        ExpectOneBoxNaming(file, file.toStdString());
        EXPECT_EQ(Dump(), before) << file.toStdString();
    }
}

TEST_F(PlanFiles, AFailedSaveLeavesTheOldFileAndThePlan) {
    const QByteArray old = Read(good_);
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("ordner.belegix/innen")));
    const std::vector<QString> targets = {
        Path("fehlt/plan.belegix"),        // the folder is gone
        Path("ordner.belegix"),            // a folder in the way
        Path("gut.belegix/plan.belegix"),  // a file where the folder should be
    };
    for (const QString& target : targets) {
        const std::string before = Dump();
        EXPECT_FALSE(h_.win().savePlan(target)) << target.toStdString();
        ExpectOneBoxNaming(target, target.toStdString());
        EXPECT_EQ(Dump(), before) << target.toStdString();
        EXPECT_EQ(Read(good_), old);
    }
    EXPECT_TRUE(QFileInfo(Path("ordner.belegix/innen")).isDir());
    EXPECT_FALSE(QFileInfo::exists(Path("fehlt")));
}

}  // namespace
}  // namespace belegix::test

namespace belegix::test {
namespace {

// Lets a press (an animated click) and a choice (after the reply to the screen reader) finish.
void Settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

// What a screen reader does: it presses, toggles and chooses through Qt's accessibility
// interface, never with the mouse or the keyboard.
void Press(QWidget* w, const QString& action = QAccessibleActionInterface::pressAction()) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr) << w->objectName().toStdString();
    a->actionInterface()->doAction(action);
    Settle();
}

void Choose(QWidget* combo, int item) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(combo)->child(0);
    ASSERT_NE(list, nullptr);
    QAccessibleInterface* option = list->child(item);
    ASSERT_NE(option, nullptr);
    ASSERT_NE(option->actionInterface(), nullptr);
    option->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Settle();
}

TEST(AccessibleActions, AreRecordedAndTheSavedPlanReplaysToTheSameWindow) {
    WindowHarness h;
    h.Open();
    MainWindow& win = h.win();
    using enum Control;
    Press(win.widget(BitBtnHinweise));
    auto* profiles = qobject_cast<RadioGroup*>(win.widget(ProfilRadioGroup));
    ASSERT_NE(profiles, nullptr);
    Press(profiles->button(2), QAccessibleActionInterface::toggleAction());
    Press(win.widget(ProfilBitBtn));
    for (const auto& [box, item] : {std::pair{Lk2Box, 1}, {P3Box, 0}, {P4Box, 8}, {P5Box, 11}})
        Choose(win.widget(box), item);
    Press(win.widget(PFachBitBtn));
    // Step 3 is open: every action reached the door and changed the plan.
    EXPECT_TRUE(win.door().Usable(AuflagenBitBtn));
    EXPECT_EQ(win.door().state().PFach[Subject::Ge], 1);
    EXPECT_GE(win.planStatus().undo, 8);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("screenreader.belegix"));
    ASSERT_TRUE(win.savePlan(file));
    const std::string live = drive::DumpJson(win).Dump();
    const plan::Opened replayed = plan::OpenFile(file.toStdString());
    ASSERT_EQ(replayed.error, "");
    EXPECT_TRUE(replayed.differences.empty());
    EXPECT_EQ(*replayed.plan, win.door().plan());
    h.Open();
    ASSERT_TRUE(h.win().openPlan(file));
    EXPECT_TRUE(drive::DumpJson(h.win()).Dump() == live);
}

}  // namespace
}  // namespace belegix::test
