// The planner as a desktop program, under a C locale: Qt's own dialogs and texts in German, the
// true reason of every failed save, file names that can be saved again, and the guide on F1.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "core/help_texts.h"
#include "core/plan/plan.h"
#include "qt/file_dialogs.h"
#include "qt/file_errors.h"
#include "qt/main_window.h"
#include "qt/student_file.h"
#include "qt/translation.h"
#include "tests/support/null_printer.h"
#include "tests/support/recording_boxes.h"

// Readable failures.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace belegix {
namespace {

using test::RecordingBoxes;

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Hands the next modal box (the overwrite question, a refused name) to `answer`, which must
// close it.
void AnswerNextBox(std::function<void(QMessageBox*)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) answer(box);
    });
}

QString TextOf(QWidget* parent, const char* name) {
    auto* label = parent->findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("(kein %1)").arg(name);
}

TEST(DesktopQt, QtsOwnTextsAreGermanUnderACLocale) {
    ASSERT_EQ(qgetenv("LC_ALL"), "C.UTF-8");
    // The save dialog as the program shows it.
    QTemporaryDir dir;
    QFile old(dir.filePath(QStringLiteral("plan.belegix")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    SaveNameDialog dialog(nullptr, QStringLiteral("Plan speichern unter"),
                          dir.filePath(QStringLiteral("plan")),
                          QStringLiteral("Belegix-Pläne (*.belegix)"), QStringLiteral(".belegix"));
    dialog.show();
    EXPECT_EQ(TextOf(&dialog, "lookInLabel"), "Suchen in:");
    EXPECT_EQ(TextOf(&dialog, "fileNameLabel"), "Datei&name:");
    EXPECT_EQ(TextOf(&dialog, "fileTypeLabel"), "Dateien des Typs:");
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Save)->text(), "S&peichern");
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->model()->headerData(3, Qt::Horizontal).toString(), "Änderungsdatum");

    // "plan" is saved as "plan.belegix", which exists: the question is asked about that file,
    // in German, and Alt+J answers it.
    QString question, yes;
    AnswerNextBox([&](QMessageBox* box) {
        question = box->text();
        yes = box->button(QMessageBox::Yes)->text();
        box->button(QMessageBox::No)->click();
    });
    dialog.accept();
    EXPECT_TRUE(question.contains(QStringLiteral("plan.belegix"))) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("existiert bereits"))) << question.toStdString();
    EXPECT_EQ(yes, "&Ja");
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    // The edit fields' context menu (the menus' key names: F1ShowsTheGuide...).
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    EXPECT_EQ(menu->actions().front()->text(), "&Rückgängig\tStrg+Z");
}

TEST(DesktopQt, WithoutTheTranslationTheProgramGoesOn) {
    for (auto* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    EXPECT_FALSE(InstallGermanQtTexts(*qApp, QStringLiteral("/belegix-keine-uebersetzung")));
    SaveNameDialog dialog(nullptr, QString(), QString(), QString(), QStringLiteral(".belegix"));
    dialog.show();
    EXPECT_EQ(TextOf(&dialog, "fileNameLabel"), "File &name:");
    EXPECT_TRUE(InstallGermanQtTexts(*qApp));
}

// A save as the window does it; the cause found when it fails.
std::optional<SaveProblem> Save(const QString& path, qint64 bytes = 4096) {
    const QByteArray text(bytes, 'x');
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(text) == text.size() && out.flush() &&
        out.commit())
        return std::nullopt;
    return FindSaveProblem(path, out.error(), bytes);
}

// Runs `body` in a child process, whose exit code is returned (128 + signal when killed).
int InChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
constexpr int kSaved = 100, kNotPossibleHere = 101;
int Code(std::optional<SaveProblem> p) {
    return p ? static_cast<int>(*p) : kSaved;
}

TEST(DesktopQt, EveryFailedSaveNamesItsTrueCause) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("ordner")));
    QFile(dir.filePath(QStringLiteral("datei"))).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("weg/plan.belegix")),
                            dir.filePath(QStringLiteral("link.belegix"))));
    const int room = MaxSavableNameBytes(dir.path());
    const QString longest = dir.filePath(QString(room, QLatin1Char('a')));
    const QString tooLong = dir.filePath(QString(room + 1, QLatin1Char('b')));
    // The longest name is saved and saved again; one byte more can be made but not replaced.
    EXPECT_EQ(Save(longest), std::nullopt);
    EXPECT_EQ(Save(longest), std::nullopt);
    QFile(tooLong).open(QIODevice::WriteOnly);
    EXPECT_EQ(Save(tooLong), SaveProblem::NameTooLong);
    EXPECT_EQ(Save(dir.filePath(QString(256, QLatin1Char('c')))), SaveProblem::NameTooLong);
    EXPECT_EQ(Save(dir.filePath(QStringLiteral("fehlt/plan.belegix"))), SaveProblem::MissingFolder);
    EXPECT_EQ(Save(dir.filePath(QStringLiteral("link.belegix"))),
              SaveProblem::LinkIntoMissingFolder);
    EXPECT_EQ(Save(dir.filePath(QStringLiteral("datei/plan.belegix"))), SaveProblem::NotAFolder);
    EXPECT_EQ(Save(dir.filePath(QStringLiteral("ordner"))), SaveProblem::FolderInTheWay);

    // Write protection, for a student without the administrator's rights.
    ASSERT_TRUE(dir.mkdir(QStringLiteral("geschuetzt")) && dir.mkdir(QStringLiteral("offen")));
    QFile(dir.filePath(QStringLiteral("offen/alt.belegix"))).open(QIODevice::WriteOnly);
    chmod(QFile::encodeName(tmp.path()).constData(), 0755);
    chmod(QFile::encodeName(dir.filePath(QStringLiteral("geschuetzt"))).constData(), 0555);
    chmod(QFile::encodeName(dir.filePath(QStringLiteral("offen"))).constData(), 0777);
    chmod(QFile::encodeName(dir.filePath(QStringLiteral("offen/alt.belegix"))).constData(), 0444);
    auto asStudent = [](const QString& path) {
        return [path] {
            if (geteuid() == 0 &&
                (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
                return kNotPossibleHere;
            return Code(Save(path));
        };
    };
    EXPECT_EQ(InChild(asStudent(dir.filePath(QStringLiteral("geschuetzt/plan.belegix")))),
              Code(SaveProblem::ReadOnlyFolder));
    EXPECT_EQ(InChild(asStudent(dir.filePath(QStringLiteral("offen/alt.belegix")))),
              Code(SaveProblem::ReadOnlyFile));
}

// A full device and a read-only one, each a small file system of its own, mounted where that is
// allowed (as root, in a mount namespace of the child's own): the window names the cause, and
// the old plan and the old PDF page stay as they were.
TEST(DesktopQt, AFullOrReadOnlyDeviceLeavesTheOldFiles) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("voll")) && dir.mkdir(QStringLiteral("nurlesen")));
    const QByteArray full = QFile::encodeName(dir.filePath(QStringLiteral("voll")));
    const QByteArray readOnly = QFile::encodeName(dir.filePath(QStringLiteral("nurlesen")));
    const int failed = InChild([&] {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", full.constData(), "tmpfs", 0, "size=256k") != 0 ||
            mount("tmpfs", readOnly.constData(), "tmpfs", 0, "size=256k") != 0)
            return kNotPossibleHere;
        const QByteArray old("alt\n");
        for (const QByteArray& file :
             {full + "/alt.belegix", full + "/alt.pdf", readOnly + "/alt.belegix"}) {
            QFile f(QString::fromUtf8(file));
            if (!f.open(QIODevice::WriteOnly) || f.write(old) != old.size())
                return kNotPossibleHere;
        }
        const int fd = open((full + "/fuellung").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'x');
        while (write(fd, block.constData(), block.size()) > 0) {}
        close(fd);
        if (mount(nullptr, readOnly.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return kNotPossibleHere;
        auto content = [](const QByteArray& file) {
            QFile f(QString::fromUtf8(file));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
        };
        RecordingBoxes boxes;
        test::NullPrinter printer;
        MainWindow win(boxes, printer);
        const std::pair<QByteArray, SaveProblem> cases[] = {
            {full + "/alt.belegix", SaveProblem::DeviceFull},
            {readOnly + "/alt.belegix", SaveProblem::ReadOnlyDevice}};
        int check = 0;
        for (const auto& [file, problem] : cases) {
            ++check;
            if (win.savePlan(QString::fromUtf8(file)) || content(file) != old) return check;
            ++check;
            if (boxes.shown.empty() ||
                boxes.shown.back().text.find(ReasonText(problem)) == std::string::npos)
                return check;
        }
        ++check;
        if (WriteWholeFile(QString::fromUtf8(full + "/alt.pdf"), QByteArray(8192, '%')) ||
            content(full + "/alt.pdf") != old)
            return check;
        return 0;
    });
    if (failed == kNotPossibleHere) GTEST_SKIP() << "no file system can be mounted here";
    EXPECT_EQ(failed, 0) << "the first check that failed";
}

TEST(DesktopQt, TheWindowNamesTheCauseAndProposesNamesThatCanBeSavedAgain) {
    QTemporaryDir tmp;
    const int room = MaxSavableNameBytes(tmp.path());
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    const QString tooLong = QDir(tmp.path()).filePath(QString(room + 1, QLatin1Char('b')));
    QFile(tooLong).open(QIODevice::WriteOnly);
    EXPECT_FALSE(win.savePlan(tooLong));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(ReasonText(SaveProblem::NameTooLong)), std::string::npos);

    // The longest proposals, each saved twice: the plan's and the PDF page's.
    const QString name(200, QChar(0x6F22)), firstName(200, QChar(0x00E4));
    for (const QString& proposal : {QString::fromStdString(plan::ProposedFileName(
                                        name.toStdString(), firstName.toStdString())),
                                    StudentFileName(name, firstName, QStringLiteral(".pdf"))}) {
        EXPECT_LE(QFile::encodeName(proposal).size(), room) << proposal.toStdString();
        EXPECT_EQ(Save(QDir(tmp.path()).filePath(proposal)), std::nullopt);
        EXPECT_EQ(Save(QDir(tmp.path()).filePath(proposal)), std::nullopt);
    }

    // A name that could not be saved again is refused in the dialog, which stays open.
    SaveNameDialog dialog(nullptr, QString(), QString(), QString(), QStringLiteral(".belegix"));
    dialog.setDirectory(tmp.path());
    for (const int bytes : {room + 1, room}) {
        QString refusal;
        AnswerNextBox([&](QMessageBox* box) {
            refusal = box->text();
            box->accept();
        });
        dialog.selectFile(QString(bytes - 8, QLatin1Char('d')));
        dialog.accept();
        EXPECT_EQ(refusal.isEmpty(), bytes <= room) << bytes;
        EXPECT_EQ(dialog.result() == QDialog::Accepted, bytes <= room) << bytes;
    }
}

TEST(DesktopQt, F1ShowsTheGuideWhichEscapeCloses) {
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    win.show();
    win.activateWindow();
    QApplication::setActiveWindow(&win);
    QApplication::processEvents();
    QTest::keyClick(&win, Qt::Key_F1);
    auto* guide = win.findChild<QDialog*>(QStringLiteral("Anleitung"));
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_FALSE(guide->isModal());
    auto* text = guide->findChild<QPlainTextEdit*>();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), Q(help::Guide()));
    // Every shortcut of the menus is explained, in the words the menus show.
    for (QAction* a : win.findChildren<QAction*>())
        for (const QKeySequence& k : a->shortcuts())
            EXPECT_TRUE(text->toPlainText().contains(k.toString(QKeySequence::NativeText)))
                << k.toString(QKeySequence::NativeText).toStdString();
    QTest::keyClick(text, Qt::Key_Escape);
    EXPECT_FALSE(guide->isVisible());
}

}  // namespace
}  // namespace belegix

int main(int argc, char** argv) {
    // The system's language is no German one: Qt's own texts must be German all the same.
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");
    qunsetenv("LANGUAGE");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    belegix::PrepareApplication(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
