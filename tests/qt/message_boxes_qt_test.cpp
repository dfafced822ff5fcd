// The keyboard in the real message boxes: "&Ja" and "&Nein" answer with Alt+J and Alt+N, in the
// ordinary box and in the one whose long text scrolls; Escape is No.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <tuple>

#include "core/message_boxes.h"
#include "qt/message_boxes.h"
#include "qt/scroll_box.h"

namespace belegix {
namespace {

// Presses `key` with `mods` in the modal box as soon as it is shown. A box that the key does not
// answer is closed a while later, so that a failing test ends.
void PressInNextBox(Qt::Key key, Qt::KeyboardModifiers mods) {
    QTimer::singleShot(0, [key, mods] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QApplication::setActiveWindow(box);
        QTest::keyClick(box, key, mods);
        QTimer::singleShot(2000, box, [box] { box->close(); });
    });
}

// The captions of the buttons of the box on screen, collected while it is shown.
QStringList Captions(QWidget* box) {
    QStringList captions;
    for (const QAbstractButton* b : box->findChildren<QAbstractButton*>()) captions << b->text();
    return captions;
}

BoxRequest Question(const std::string& text) {
    return MessageDlgBox(text, DlgType::Confirmation, DlgButtons::YesNo);
}

TEST(MessageBoxKeys, AltJAnswersYesAndAltNAnswersNo) {
    QWidget parent;
    parent.show();
    QtMessageBoxes boxes(&parent);
    PressInNextBox(Qt::Key_J, Qt::AltModifier);
    EXPECT_EQ(boxes.Show(Question("\n  Willst Du das Programm wirklich beenden?  \n")),
              DlgResult::Yes);
    PressInNextBox(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(boxes.Show(Question("\n  Willst Du das Programm wirklich beenden?  \n")),
              DlgResult::No);
}

TEST(MessageBoxKeys, ButtonsAreCaptionedJaAndNein) {
    QWidget parent;
    parent.show();
    QtMessageBoxes boxes(&parent);
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        captions = Captions(box);
        QApplication::setActiveWindow(box);
        QTest::keyClick(box, Qt::Key_N, Qt::AltModifier);
    });
    EXPECT_EQ(boxes.Show(Question("Frage")), DlgResult::No);
    EXPECT_TRUE(captions.contains("&Ja")) << captions.join(",").toStdString();
    EXPECT_TRUE(captions.contains("&Nein")) << captions.join(",").toStdString();
}

// The question before closing a plan with unsaved changes: German buttons; Alt+S saves, Alt+N
// lets the changes go, Escape cancels.
TEST(MessageBoxKeys, TheSaveQuestionAnswersInGerman) {
    QWidget parent;
    parent.show();
    QtMessageBoxes boxes(&parent);
    for (const auto& [key, mods, answer] :
         {std::tuple{Qt::Key_S, Qt::AltModifier, DlgResult::Save},
          std::tuple{Qt::Key_N, Qt::AltModifier, DlgResult::Discard},
          std::tuple{Qt::Key_Escape, Qt::NoModifier, DlgResult::Cancel}}) {
        QStringList captions;
        QTimer::singleShot(0, [&captions, key, mods] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            captions = Captions(box);
            QApplication::setActiveWindow(box);
            QTest::keyClick(box, key, mods);
        });
        EXPECT_EQ(boxes.Show(SaveQuestionBox("plan.belegix")), answer);
        captions.sort();
        EXPECT_EQ(captions, (QStringList{"&Nicht speichern", "&Speichern", "Abbrechen"}));
    }
}

TEST(MessageBoxKeys, EscapeAnswersNo) {
    QWidget parent;
    parent.show();
    QtMessageBoxes boxes(&parent);
    PressInNextBox(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(boxes.Show(Question("Frage")), DlgResult::No);
}

TEST(MessageBoxKeys, TheScrollingBoxTakesTheSameKeys) {
    QWidget parent;
    parent.show();
    const QString text = QString("Zeile\n").repeated(400);
    for (const auto& [key, answer] :
         {std::pair{Qt::Key_J, QMessageBox::Yes}, std::pair{Qt::Key_N, QMessageBox::No}}) {
        ScrollingMessageBox box(&parent, QMessageBox::Question, "Bestätigung", text,
                                QMessageBox::Yes | QMessageBox::No);
        PressInNextBox(key, Qt::AltModifier);
        box.exec();
        EXPECT_EQ(box.Pressed(), answer);
    }
}

}  // namespace
}  // namespace belegix

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
