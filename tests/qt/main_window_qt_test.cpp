// The main window on the offscreen platform: the first activation evaluates the plan once, later
// activations do not; closing through the title bar asks nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStyleFactory>
#include <QTableWidget>
#include <QWidget>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "qt/main_window.h"
#include "qt/shared_palette_style.h"
#include "tests/support/null_printer.h"
#include "tests/support/recording_boxes.h"

namespace belegix {
namespace {

using test::RecordingBoxes;

void Activate(QWidget& w) {
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

TEST(MainWindowQt, FirstActivationEvaluatesOnceOnly) {
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    // Created: the reset has run, the plan not yet.
    EXPECT_EQ(win.view().Text(Control::Gks), "");
    EXPECT_EQ(win.view().Cell(0, 1), "");
    win.show();
    Activate(win);
    ASSERT_TRUE(win.activated());
    EXPECT_EQ(win.view().Text(Control::Gks), "0");
    EXPECT_EQ(win.view().Cell(0, 1), "Deutsch");
    EXPECT_TRUE(boxes.shown.empty());

    // Another window takes the activation and gives it back: no second evaluation.
    win.view().SetText(Control::Gks, "x");
    QWidget other;
    other.show();
    Activate(other);
    Activate(win);
    EXPECT_EQ(win.view().Text(Control::Gks), "x");
}

TEST(MainWindowQt, TitleBarCloseAsksNothing) {
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    win.show();
    Activate(win);
    EXPECT_TRUE(win.close());
    EXPECT_TRUE(win.closed());
    EXPECT_TRUE(boxes.shown.empty());
}

// Datei → "Beenden" with unsaved changes of the plan's file: the save question before the
// program's own question; "Abbrechen" asks nothing more and keeps the window, "Speichern" saves.
TEST(MainWindowQt, BeendenAsksToSaveFirst) {
    struct Answering : MessageBoxes {
        std::vector<BoxRequest> shown;
        DlgResult save = DlgResult::Cancel;
        DlgResult Show(const BoxRequest& box) override {
            shown.push_back(box);
            return box.buttons.front() == DlgResult::Save ? save : box.buttons.front();
        }
    } boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    win.show();
    Activate(win);
    QAction* beenden = nullptr;
    for (QAction* a : win.findChildren<QAction*>())
        if (a->text() == QStringLiteral("Beenden")) beenden = a;
    ASSERT_NE(beenden, nullptr);
    const QString file = QDir::temp().filePath(QStringLiteral("belegix-beenden-test.belegix"));
    win.userEvent(Control::BitBtnHinweise, Event::Click);
    ASSERT_TRUE(win.savePlan(file));
    win.userEvent(Control::ResetBitBtn, Event::Click);
    ASSERT_TRUE(win.planStatus().unsaved);
    boxes.shown.clear();

    beenden->trigger();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].buttons,
              (std::vector<DlgResult>{DlgResult::Save, DlgResult::Discard, DlgResult::Cancel}));
    EXPECT_FALSE(win.closed());
    EXPECT_TRUE(win.planStatus().unsaved);

    boxes.save = DlgResult::Save;
    beenden->trigger();
    ASSERT_GE(boxes.shown.size(), 3u);  // the save question, then "Beenden"'s own questions
    EXPECT_EQ(boxes.shown[2].buttons, (std::vector<DlgResult>{DlgResult::Yes, DlgResult::No}));
    EXPECT_FALSE(win.planStatus().unsaved);
    EXPECT_TRUE(win.closed());
    QFile::remove(file);
}

// A failed check of the exam subjects starts the plan afresh and says, without a box, that undo
// brings the choices back; it does.
TEST(MainWindowQt, ResetByTheExamCheckIsNotedAndUndone) {
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    win.show();
    Activate(win);
    const auto pick = [&win](Control c, int index) {
        win.view().SetItemIndex(c, index);
        win.userEvent(c, Event::Change);
    };
    win.userEvent(Control::BitBtnHinweise, Event::Click);
    pick(Control::ProfilRadioGroup, 0);
    win.userEvent(Control::ProfilBitBtn, Event::Click);
    // Three foreign languages among the exam subjects: refused.
    pick(Control::Lk1Box, 0);
    pick(Control::Lk2Box, 2);
    pick(Control::P3Box, 3);
    pick(Control::P4Box, 3);
    pick(Control::P5Box, 4);
    EXPECT_TRUE(win.note().isEmpty());
    const std::size_t shown = boxes.shown.size();
    win.userEvent(Control::PFachBitBtn, Event::Click);
    ASSERT_GT(boxes.shown.size(), shown);
    EXPECT_EQ(win.view().ItemIndex(Control::Lk2Box), -1);
    EXPECT_TRUE(win.note().contains(QStringLiteral("Strg+Z")));
    ASSERT_TRUE(win.undo());
    EXPECT_EQ(win.view().ItemIndex(Control::Lk2Box), 2);
}

TEST(MainWindowQt, ObjectNamesAndFixedSize) {
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    EXPECT_EQ(win.objectName(), "KurswahlenLiH");
    // The designed client area lies below the menu bar, which widens nothing.
    EXPECT_EQ(win.clientArea()->size(), QSize(862, 637));
    EXPECT_EQ(win.clientArea()->geometry().bottom(), win.height() - 1);
    EXPECT_EQ(win.width(), 862);
    EXPECT_EQ(win.minimumSize(), win.maximumSize());
    // Every menu stands in the bar itself, none in its overflow arrow.
    auto* bar = win.findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    win.show();
    QApplication::processEvents();
    ASSERT_FALSE(bar->actions().isEmpty());
    for (QAction* menu : bar->actions())
        EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(menu))) << menu->text().toStdString();
    for (Control c : AllControls()) {
        const QString name =
            QString::fromUtf8(ControlName(c).data(), static_cast<qsizetype>(ControlName(c).size()));
        EXPECT_EQ(win.findChild<QWidget*>(name), win.widget(c)) << name.toStdString();
    }
}

TEST(MainWindowQt, ProgramChangesEmitNoUserSignals) {
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    auto* box = static_cast<QComboBox*>(win.widget(Control::KuMuBox));
    int userSignals = 0;
    QObject::connect(box, &QComboBox::activated, [&] { ++userSignals; });
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, [&] { ++userSignals; });
    QtView& v = win.view();
    v.SetItemIndex(Control::KuMuBox, 1);
    EXPECT_EQ(v.ItemIndex(Control::KuMuBox), 1);
    EXPECT_EQ(v.Text(Control::KuMuBox), "Kunst");
    v.SetText(Control::KuMuBox, "Kunst");
    EXPECT_EQ(v.ItemIndex(Control::KuMuBox), -1);  // a written text is no selection
    v.ClearItems(Control::KuMuBox);
    EXPECT_EQ(v.Text(Control::KuMuBox), "Kunst");  // refilling keeps the shown text
    v.AddItem(Control::KuMuBox, "eins");
    EXPECT_EQ(v.ItemIndex(Control::KuMuBox), -1);  // the first item is not selected by itself
    EXPECT_EQ(v.Text(Control::KuMuBox), "Kunst");
    v.SetItemIndex(Control::KuMuBox, -1);
    EXPECT_EQ(v.Text(Control::KuMuBox), "");
    EXPECT_EQ(userSignals, 0);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(win.widget(Control::ZusatzPanel)->isVisibleTo(&win));
}

TEST(MainWindowQt, PlanGridAndStacking) {
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    auto* grid = qobject_cast<QTableWidget*>(win.widget(Control::Tabelle));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->columnCount(), 7);
    ASSERT_EQ(grid->rowCount(), 21);
    const int widths[7] = {80, 37, 38, 39, 38, 38, 37};
    // The sizes are the cells'; the 1-px grid line comes after each.
    for (int col = 0; col < 7; ++col) EXPECT_EQ(grid->columnWidth(col) - 1, widths[col]) << col;
    for (int row = 0; row < 21; ++row) {
        const int height = row == 1 ? 14 : row == 17 ? 17 : 15;
        EXPECT_EQ(grid->rowHeight(row) - 1, height) << row;
    }
    // Not editable and skipped by the Tab key.
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->focusPolicy() & Qt::TabFocus, 0);

    // The hint memo lies in front of step 0; the intro screen in front of everything.
    win.widget(Control::MemoIntro)->hide();
    win.widget(Control::MemoHead)->hide();
    win.widget(Control::MemoHead2)->hide();
    QWidget* memo1 = win.widget(Control::Memo1);
    for (const QPoint p : {QPoint(30, 85), QPoint(100, 120), QPoint(40, 150), QPoint(200, 150)}) {
        QWidget* hit = win.clientArea()->childAt(p);
        EXPECT_TRUE(hit == memo1 || memo1->isAncestorOf(hit)) << p.x() << "," << p.y();
    }
    // A button that stands 2 px out beside a memo or panel in front of it shows no strip there.
    win.show();
    // Cells, lines and frame fill the grid but for a band narrower than a line of text.
    const QRect cells(0, 0, grid->horizontalHeader()->length(), grid->verticalHeader()->length());
    EXPECT_LE(grid->viewport()->width() - cells.width(), 4);
    EXPECT_LE(grid->viewport()->height() - cells.height(), 4);
    EXPECT_GE(grid->viewport()->width(), cells.width());
    EXPECT_GE(grid->viewport()->height(), cells.height());
    const QPoint besideMemo(234, 150);
    EXPECT_EQ(win.widget(Control::IntFSprBitBtn)->geometry().right(), besideMemo.x());
    EXPECT_NE(win.clientArea()->childAt(besideMemo), win.widget(Control::IntFSprBitBtn));
    const QPoint besidePanel(234, 345);
    EXPECT_EQ(win.clientArea()->childAt(besidePanel), win.widget(Control::ProfilBitBtn));
    win.widget(Control::ZusatzPanel)->show();
    EXPECT_NE(win.clientArea()->childAt(besidePanel), win.widget(Control::ProfilBitBtn));
    win.widget(Control::ZusatzPanel)->hide();
    EXPECT_EQ(win.clientArea()->childAt(besidePanel), win.widget(Control::ProfilBitBtn));

    win.widget(Control::MemoIntro)->show();
    QWidget* intro = win.widget(Control::MemoIntro);
    for (const QPoint p : {QPoint(100, 120), QPoint(300, 300), QPoint(700, 500)}) {
        QWidget* hit = win.clientArea()->childAt(p);
        EXPECT_TRUE(hit == intro || intro->isAncestorOf(hit)) << p.x() << "," << p.y();
    }
}

// The style that shares one palette object per set of colours draws the window exactly as the
// plain style does: open, closed and disabled steps, result panels, the plan grid.
TEST(MainWindowQt, SharedPalettesDrawWhatThePlainStyleDraws) {
    RecordingBoxes boxes;
    test::NullPrinter printer;
    MainWindow win(boxes, printer);
    win.show();
    Activate(win);
    // Step 1 drawn open, then closed: its options drawn enabled, then disabled in the same
    // colours.
    win.userEvent(Control::BitBtnHinweise, Event::Click);
    win.clientArea()->grab();
    win.view().SetItemIndex(Control::ProfilRadioGroup, 0);
    win.userEvent(Control::ProfilRadioGroup, Event::Change);
    win.userEvent(Control::ProfilBitBtn, Event::Click);
    QApplication::processEvents();
    ASSERT_FALSE(win.widget(Control::ProfilRadioGroup)->isEnabled());
    ASSERT_NE(dynamic_cast<SharedPaletteStyle*>(QApplication::style()), nullptr);
    // The designed area; the menu bar above it is drawn by the style itself.
    const QImage shared = win.clientArea()->grab().toImage();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::processEvents();
    const QImage plain = win.clientArea()->grab().toImage();
    PrepareApplication(*qApp);
    ASSERT_EQ(shared.size(), plain.size());
    int differ = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (shared.pixel(x, y) != plain.pixel(x, y)) ++differ;
    EXPECT_EQ(differ, 0);
}

// On every screen, also one smaller than the window and a 1366 x 768 laptop scaled to 125 % and
// 150 % (laptop125, laptop150: its size in device-independent pixels), the window lies in the
// available area, or starts at its top-left corner where it does not fit, so that its title bar can
// be reached.
TEST(MainWindowQt, TheWindowIsPlacedWhereItsTitleBarCanBeReached) {
    for (const char* name : {"laptop", "small", "laptop125", "laptop150", "tiny"}) {
        QScreen* screen = nullptr;
        for (QScreen* s : QGuiApplication::screens())
            if (s->name() == QLatin1String(name)) screen = s;
        ASSERT_NE(screen, nullptr) << name;
        RecordingBoxes boxes;
        test::NullPrinter printer;
        MainWindow win(boxes, printer);
        win.setScreen(screen);
        win.placeOnScreen();
        win.show();
        Activate(win);
        const QRect area = screen->availableGeometry();
        const QRect frame = win.frameGeometry();
        ASSERT_EQ(win.screen(), screen) << name;
        if (frame.width() <= area.width()) {
            EXPECT_GE(frame.left(), area.left()) << name;
            EXPECT_LE(frame.right(), area.right()) << name;
        } else {
            EXPECT_EQ(frame.left(), area.left()) << name;
        }
        if (frame.height() <= area.height()) {
            EXPECT_GE(frame.top(), area.top()) << name;
            EXPECT_LE(frame.bottom(), area.bottom()) << name;
        } else {
            EXPECT_EQ(frame.top(), area.top()) << name;
        }
        std::printf("%s: area %d,%d %dx%d, window frame at %d,%d %dx%d\n", name, area.x(), area.y(),
                    area.width(), area.height(), frame.x(), frame.y(), frame.width(),
                    frame.height());
    }
}

}  // namespace
}  // namespace belegix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCREENS_JSON);
    QApplication app(argc, argv);
    belegix::PrepareApplication(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
