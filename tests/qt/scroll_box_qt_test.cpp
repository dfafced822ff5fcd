#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include "core/help_texts.h"
#include "qt/scroll_box.h"

namespace belegix {
namespace {

QString HelpText(int step) {
    const std::string_view t = help::HelpText(step);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// A parent window on one of the two offscreen screens: a 1366 x 768 laptop and a small one.
struct ScreenParent {
    QWidget widget;
    explicit ScreenParent(const QString& name) {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name) {
                widget.setScreen(screen);
                widget.setGeometry(
                    QRect(screen->geometry().topLeft() + QPoint(20, 20), QSize(200, 100)));
            }
    }
    int Height() const { return widget.screen()->availableGeometry().height(); }
};

TEST(ScrollBox, ShortTextsStayOrdinaryBoxes) {
    for (const char* name : {"laptop", "small"}) {
        ScreenParent parent(name);
        EXPECT_FALSE(
            NeedsScrolling(&parent.widget, "SUPER! Du hast eine optimale Wahl getroffen."));
        EXPECT_FALSE(NeedsScrolling(&parent.widget, HelpText(0)));
        EXPECT_FALSE(NeedsScrolling(&parent.widget, HelpText(4)));
    }
}

// Shows the box for a help text on the parent's screen; returns the scroll range.
int ShowHelpBox(ScreenParent& parent, int step) {
    const QString text = HelpText(step);
    ScrollingMessageBox box(&parent.widget, QMessageBox::Information, "Information", text,
                            QMessageBox::Ok);
    box.show();
    QApplication::processEvents();
    EXPECT_EQ(box.windowTitle(), "Information");
    // The whole box, with room for a title bar, lies within the screen.
    EXPECT_LE(box.height() + 40, parent.Height()) << step;
    auto* label = qobject_cast<QLabel*>(box.ScrollArea()->widget());
    EXPECT_NE(label, nullptr);
    if (label != nullptr) {
        EXPECT_EQ(label->text(), text);  // breaks, blanks, quotes unchanged
    }
    const QList<QAbstractButton*> buttons = box.findChildren<QAbstractButton*>();
    EXPECT_EQ(buttons.size(), 1);
    EXPECT_FALSE(box.grab().toImage().isNull());
    const int range = box.ScrollArea()->verticalScrollBar()->maximum();
    if (buttons.size() == 1) {
        EXPECT_EQ(buttons[0]->text(), "OK");
        buttons[0]->click();
        EXPECT_EQ(box.Pressed(), QMessageBox::Ok);
        EXPECT_EQ(box.result(), QDialog::Accepted);
    }
    return range;
}

TEST(ScrollBox, LongHelpTextsGetTheWideBoxOnALaptopAndScrollOnASmallScreen) {
    ScreenParent laptop("laptop");
    ScreenParent small("small");
    ASSERT_EQ(laptop.Height(), 768);
    ASSERT_EQ(small.Height(), 560);
    for (int step : {1, 2}) {
        // An ordinary box would run off even the laptop's screen.
        EXPECT_TRUE(NeedsScrolling(&laptop.widget, HelpText(step))) << step;
        EXPECT_EQ(ShowHelpBox(laptop, step), 0) << step;  // the wide box holds it whole
        EXPECT_GT(ShowHelpBox(small, step), 0) << step;
    }
}

TEST(ScrollBox, YesAndNoAreCaptionedInGerman) {
    ScrollingMessageBox box(nullptr, QMessageBox::Question, "Bestätigung", HelpText(1),
                            QMessageBox::Yes | QMessageBox::No);
    QStringList captions;
    QAbstractButton* no = nullptr;
    for (QAbstractButton* b : box.findChildren<QAbstractButton*>()) {
        captions << b->text();
        if (b->text() == "&Nein") no = b;
    }
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"&Ja", "&Nein"}));
    ASSERT_NE(no, nullptr);
    no->click();
    EXPECT_EQ(box.Pressed(), QMessageBox::No);
}

TEST(ScrollBox, ClosingWithoutAButtonAnswersNoButton) {
    ScrollingMessageBox box(nullptr, QMessageBox::Information, "Information", HelpText(1),
                            QMessageBox::Ok);
    QTimer::singleShot(0, &box, &QDialog::reject);
    box.exec();
    EXPECT_EQ(box.Pressed(), QMessageBox::NoButton);
}

}  // namespace
}  // namespace belegix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCREENS_JSON);
    QApplication app(argc, argv);
    QFont font("Arial");
    font.setPixelSize(13);
    font.setBold(true);
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
