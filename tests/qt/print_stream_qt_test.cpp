// The real print stream, rendering into PDF files on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <csignal>
#include <map>
#include <memory>

#include <sys/resource.h>

#include "core/rules/printing.h"
#include "qt/colours_and_fonts.h"
#include "qt/print_stream.h"
#include "qt/student_file.h"
#include "tests/support/personal_data.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using test::TestView;
using enum Control;

void FillPlan(TestView& v) {
    const char* const header[kGridColumns] = {"Fach",  "Pfach", "1.Hj.", "2.Hj.",
                                              "3.Hj.", "4.Hj.", ""};
    for (int c = 0; c < kGridColumns; ++c) v.SetCell(c, 0, header[c]);
    for (int r = 1; r < kGridRows; ++r) {
        v.SetCell(0, r, r == 3 ? "Französisch" : "Fach " + std::to_string(r));
        v.SetCell(1, r, r <= 2 ? "P" + std::to_string(r) : " ");
        for (int c = 2; c <= 5; ++c) v.SetCell(c, r, r % 3 == 0 ? " " : r <= 2 ? "5" : "4");
        v.SetCell(6, r, r <= 8 ? "A" : r <= 13 ? "B" : r <= 18 ? "C" : " ");
    }
    test::FillPersonalDataAndTotals(v);
}

// The pieces of the last document grouped into lines by page and top.
std::map<std::pair<int, double>, std::vector<QtPrintStream::Placed>> Lines(
    const QtPrintStream& out) {
    std::map<std::pair<int, double>, std::vector<QtPrintStream::Placed>> lines;
    for (const auto& p : out.Layout()) lines[{p.page, p.topLeft.y()}].push_back(p);
    return lines;
}

struct QtPrint : ::testing::Test {
    QTemporaryDir dir;
    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(QtPrint, ThePageFillsOnePageWithTheGridInCharacterColumns) {
    TestView v;
    FillPlan(v);
    QtPrintStream out;
    // Also kept next to the test binary, to be looked at as a picture.
    out.SetPdfFile(QStringLiteral("printed_plan_sample.pdf"));
    ASSERT_EQ(WritePlanPage(v, out), std::nullopt);
    EXPECT_TRUE(QFile::exists(QStringLiteral("printed_plan_sample.pdf")));

    const auto lines = Lines(out);
    for (const auto& p : out.Layout()) {
        EXPECT_EQ(p.page, 0) << p.text.toStdString();
        EXPECT_LE(p.topLeft.x() + p.width, out.PageWidth() + 0.5) << p.text.toStdString();
    }
    // 54 lines, 14 of them empty: 40 lines with text, none of them cut.
    EXPECT_EQ(lines.size(), 40u);

    // Each piece starts where the one before it on the line ended.
    for (const auto& [key, pieces] : lines)
        for (std::size_t i = 1; i < pieces.size(); ++i)
            EXPECT_NEAR(pieces[i].topLeft.x(), pieces[i - 1].topLeft.x() + pieces[i - 1].width,
                        0.01);

    // Courier New is drawn in a fixed-width font; bold and regular characters are as wide.
    QPrinter printer(QPrinter::HighResolution);
    QFont mono(InstalledFamily(QStringLiteral("Courier New")));
    mono.setPointSize(12);
    EXPECT_EQ(QFontInfo(mono).family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(InstalledFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    const double cell = QFontMetricsF(mono, &printer).horizontalAdvance(QLatin1Char('M'));
    QFont bold = mono;
    bold.setBold(true);
    EXPECT_NEAR(QFontMetricsF(bold, &printer).horizontalAdvance(QStringLiteral("Fach")), 4 * cell,
                0.01);

    // Every grid and separator line: five blanks, then 63 characters ending at one x.
    int gridLines = 0;
    for (const auto& [key, pieces] : lines) {
        // Grid lines hold the five blanks and seven fields.
        if (pieces.size() != 8 || pieces[0].text != QStringLiteral("     ")) continue;
        ++gridLines;
        EXPECT_NEAR(pieces[1].topLeft.x(), 5 * cell, 0.01);
        EXPECT_NEAR(pieces.back().topLeft.x() + pieces.back().width, 68 * cell, 0.01);
    }
    EXPECT_EQ(gridLines, 21);  // heading and twenty subjects
    int separators = 0;
    for (const auto& p : out.Layout())
        if (p.text == QString(63, QLatin1Char('='))) {
            ++separators;
            EXPECT_NEAR(p.topLeft.x() + p.width, 68 * cell, 0.01);
        }
    EXPECT_EQ(separators, 5);
}

TEST_F(QtPrint, ALineIsAsHighAsItsTallestPiece) {
    QtPrintStream out;
    out.SetPdfFile(File("heights.pdf"));
    ASSERT_EQ(out.Open(), std::nullopt);
    out.SetFontName("Courier New");
    out.SetFontSize(12);
    out.Write("abc");
    out.SetFontSize(20);
    out.Write("def");
    out.SetFontSize(10);
    out.NewLine();
    out.NewLine();  // an empty line in 10 point
    out.Write("ghi");
    ASSERT_EQ(out.Close(), std::nullopt);

    QPrinter printer(QPrinter::HighResolution);
    QFont f(QStringLiteral("Liberation Mono"));
    f.setPointSize(20);
    const double h20 = QFontMetricsF(f, &printer).height();
    f.setPointSize(10);
    const double h10 = QFontMetricsF(f, &printer).height();
    ASSERT_EQ(out.Layout().size(), 3u);
    EXPECT_NEAR(out.Layout()[2].topLeft.y(), h20 + h10, 0.01);
    EXPECT_NEAR(out.Layout()[2].topLeft.x(), 0, 0.01);
}

TEST_F(QtPrint, LongTextsAreCutAtTheEdgeAndContinueOnNewPages) {
    TestView v;
    FillPlan(v);
    v.SetText(MaskEdit1, std::string(2000, 'x'));
    v.SetText(MaskEdit2, "Tab\there 😀🎓 \xd9\x85\xd8\xaf\xd8\xb1\xd8\xb3\xd8\xa9");
    QtPrintStream out;
    out.SetPdfFile(QStringLiteral("printed_plan_long_sample.pdf"));
    ASSERT_EQ(WritePlanPage(v, out), std::nullopt);

    QString name;
    int lastPage = 0;
    for (const auto& p : out.Layout()) {
        EXPECT_LE(p.topLeft.x() + p.width, out.PageWidth() + 0.5);
        lastPage = std::max(lastPage, p.page);
        if (p.text.startsWith(QLatin1Char('x'))) name += p.text;
    }
    EXPECT_EQ(name, QString(2000, QLatin1Char('x')));  // nothing lost at the cuts
    EXPECT_EQ(lastPage, 1);                            // the name pushed the page over
    EXPECT_GT(out.Layout().size(), 100u);
}

TEST_F(QtPrint, ATargetThatCannotBeWrittenGivesAnErrorText) {
    QtPrintStream out;
    out.SetPdfFile(File("missing/dir/plan.pdf"));
    const auto error = out.Open();
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("plan.pdf"), std::string::npos);
    out.Write("nothing");  // harmless after a failed start
    out.NewLine();
}

// Files in a folder may grow to `bytes` only while this lives: every write beyond fails as on a
// full disk (EFBIG instead of the signal that would end the process).
struct FileSizeLimit {
    rlimit before{};
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit limit = before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, SIG_DFL);
    }
};

QByteArray Contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A disk that fills up while the page is written: the document is refused whole, a plan saved
// there before stays as it was, no partial file is left behind, and the error names the file.
TEST_F(QtPrint, AWriteThatFailsHalfwayLeavesNoDamagedFile) {
    TestView v;
    FillPlan(v);
    QtPrintStream out;
    const QString saved = File("saved.pdf"), fresh = File("fresh.pdf");
    // The window's note after a print names the file; a failed write gets none.
    QStringList notes;
    out.SetOnDone([&notes](const QString& note) { notes << note; });
    out.SetPdfFile(saved);
    ASSERT_EQ(WritePlanPage(v, out), std::nullopt);
    EXPECT_EQ(notes, QStringList{"Als PDF gespeichert: " + saved});
    const QByteArray before = Contents(saved);
    ASSERT_TRUE(before.startsWith("%PDF") && before.trimmed().endsWith("%%EOF"));

    v.SetText(MaskEdit1, "Musterfrau");  // a different page, the same size
    for (const QString& target : {saved, fresh}) {
        std::optional<std::string> error;
        {
            const FileSizeLimit full(static_cast<rlim_t>(before.size() / 2));
            out.SetPdfFile(target);
            error = WritePlanPage(v, out);
        }
        ASSERT_TRUE(error.has_value()) << target.toStdString();
        EXPECT_NE(error->find(target.toStdString()), std::string::npos) << *error;
    }
    EXPECT_EQ(Contents(saved), before);
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"saved.pdf"});

    // With room again the same stream prints.
    EXPECT_EQ(notes.size(), 1);
    out.SetPdfFile(fresh);
    EXPECT_EQ(WritePlanPage(v, out), std::nullopt);
    EXPECT_TRUE(Contents(fresh).trimmed().endsWith("%%EOF"));
    EXPECT_EQ(notes.value(1), "Als PDF gespeichert: " + fresh);
}

// A device that takes no byte (/dev/full): the student gets the error in a box, the panel is
// closed, "Drucken" stays usable, and the device is still a device afterwards.
TEST_F(QtPrint, ADeviceThatTakesNothingEndsInTheErrorBox) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full here";
    TestView v;
    FillPlan(v);
    v.SetVisible(PersDatenPanel, true);
    QtPrintStream out;
    out.SetPdfFile(QStringLiteral("/dev/full"));
    v.QueueAnswer(DlgResult::Yes);
    PrintPlan(v, out);
    const std::vector<std::string> texts = v.BoxTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[1].find("„/dev/full“"), std::string::npos) << texts[1];
    EXPECT_FALSE(v.Get(PersDatenPanel).visible);
    EXPECT_TRUE(v.Get(DruckenBitBtn).enabled);
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
}

// Answers the save dialog as soon as it shows: with `file`, or cancelled when empty; returns
// where the dialog proposed to save once it has been answered.
std::shared_ptr<QString> AnswerSaveDialog(const QString& file) {
    auto proposed = std::make_shared<QString>();
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, file, proposed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        const QStringList selected = dialog->selectedFiles();
        *proposed = selected.isEmpty() ? QString() : selected.first();
        if (file.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    timer->start(10);
    return proposed;
}

TEST_F(QtPrint, WithoutAPrinterThePageCanBeSavedAsPdfOrNotAtAll) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
    TestView v;
    FillPlan(v);
    QtPrintStream out;
    out.SetFileNameProposal([&] {
        return dir.filePath(
            QtPrintStream::ProposedFileName(QStringLiteral("Mustermann"), QStringLiteral("Erika")));
    });

    // Cancelled: no error, nothing written.
    const auto proposed = AnswerSaveDialog(QString());
    EXPECT_EQ(WritePlanPage(v, out), std::nullopt);
    EXPECT_EQ(*proposed, File("Kurswahl_Mustermann_Erika.pdf"));
    EXPECT_TRUE(out.Layout().empty());
    EXPECT_FALSE(QFile::exists(File("Kurswahl_Mustermann_Erika.pdf")));

    // Accepted with the proposed name: the page is in that file.
    AnswerSaveDialog(File("Kurswahl_Mustermann_Erika.pdf"));
    EXPECT_EQ(WritePlanPage(v, out), std::nullopt);
    EXPECT_TRUE(QFile::exists(File("Kurswahl_Mustermann_Erika.pdf")));
    EXPECT_FALSE(out.Layout().empty());
}

TEST(QtPrintFileName, ProposesNameAndFirstNameAsAFileName) {
    EXPECT_EQ(QtPrintStream::ProposedFileName(QStringLiteral("Müller"), QStringLiteral("Jörg")),
              QStringLiteral("Kurswahl_Müller_Jörg.pdf"));
    EXPECT_EQ(QtPrintStream::ProposedFileName(QStringLiteral("a/b"), QStringLiteral("c\td")),
              QStringLiteral("Kurswahl_a_b_c_d.pdf"));
    EXPECT_EQ(StudentFileName(QStringLiteral("Müller"), QStringLiteral("Jörg"),
                              QStringLiteral(".belegix")),
              QStringLiteral("Kurswahl_Müller_Jörg.belegix"));
}

// Names no file system or reader expects: the proposal is a file name that can be created, cut
// after a whole character, and reads as it is.
TEST(QtPrintFileName, HostileNamesGiveAFileNameThatCanBeSaved) {
    QTemporaryDir dir;
    const QString family =
        QStringLiteral("👨‍👩‍👧");  // one emoji joined by zero-width joiners
    const QString names[] = {QString(2000, QLatin1Char('x')),
                             QString(120, QChar(0x6F22)),  // 3 bytes each in UTF-8
                             family.repeated(40),
                             QStringLiteral("\u00e4").repeated(150) + QStringLiteral("a\u0308"),
                             QStringLiteral("Anna\u202Efdp.exe"),
                             QStringLiteral("A\u2028B\u2029C\u200DD\u200BE\u2066F\uFEFF")};
    for (const QString& name : names) {
        const QString file = QtPrintStream::ProposedFileName(name, QStringLiteral("Erika"));
        const std::string what = file.toStdString();
        EXPECT_LE(file.toUtf8().size(), kMaxFileNameBytes) << what;
        EXPECT_TRUE(file.endsWith(QStringLiteral(".pdf"))) << what;
        EXPECT_FALSE(file.contains(QChar::ReplacementCharacter)) << what;
        for (qsizetype i = 0; i < file.size(); ++i) {
            const QChar ch = file[i];
            EXPECT_NE(ch.category(), QChar::Separator_Line) << what;
            EXPECT_NE(ch.category(), QChar::Separator_Paragraph) << what;
            // A format character only as the joiner between two emoji.
            if (ch.category() == QChar::Other_Format) {
                EXPECT_TRUE(ch == QChar(0x200D) && i > 0 && file[i - 1].isLowSurrogate() &&
                            i + 1 < file.size() && file[i + 1].isHighSurrogate())
                    << what << " at " << i;
            }
        }
        QFile written(dir.filePath(file));
        EXPECT_TRUE(written.open(QIODevice::WriteOnly)) << what;
    }
    // Joiners inside an emoji stay, so that it shows as the one picture it was.
    EXPECT_TRUE(QtPrintStream::ProposedFileName(family, QString()).contains(family));
    // A long text is cut, but no shorter than needed: a whole further character would not fit.
    const QString cut = QtPrintStream::ProposedFileName(QString(120, QChar(0x6F22)), QString());
    EXPECT_GT(cut.toUtf8().size() + 3, kMaxFileNameBytes);
}

}  // namespace
}  // namespace belegix

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
