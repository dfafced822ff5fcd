// Modal message boxes whose text may be longer than the screen is tall. A box that fits is an
// ordinary QMessageBox; a taller one keeps its caption, icon and buttons and lets its text
// scroll, so that its buttons always stay on the screen.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>

class QScrollArea;

namespace belegix {

// Runs the box and returns the button pressed; NoButton when it was closed another way
// (Escape, the title bar). Yes and No are captioned "&Ja" and "&Nein".
QMessageBox::StandardButton ExecMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons);

// Whether `text` would make a message box on `parent`'s screen taller than the screen.
bool NeedsScrolling(QWidget* parent, const QString& text);

// The box for long texts: icon, the text in a scroll area at most as tall as the screen allows,
// and the buttons underneath.
class ScrollingMessageBox : public QDialog {
  public:
    ScrollingMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                        const QString& text, QMessageBox::StandardButtons buttons);

    QMessageBox::StandardButton Pressed() const { return pressed_; }
    QScrollArea* ScrollArea() const { return scroll_; }

  private:
    QScrollArea* scroll_ = nullptr;
    QMessageBox::StandardButton pressed_ = QMessageBox::NoButton;
};

}  // namespace belegix
