// The window's message boxes shown with QMessageBox.
#pragma once

#include "core/message_boxes.h"

class QWidget;

namespace belegix {

class QtMessageBoxes : public MessageBoxes {
  public:
    // `parent` is the window the boxes are modal to; it may be set later.
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    DlgResult Show(const BoxRequest& box) override;

  private:
    QWidget* parent_;
};

}  // namespace belegix
