#include "qt/message_boxes.h"

#include <QMessageBox>

#include "qt/scroll_box.h"

namespace belegix {

DlgResult QtMessageBoxes::Show(const BoxRequest& box) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (box.kind == BoxKind::Information) icon = QMessageBox::Information;
    if (box.kind == BoxKind::Confirmation) icon = QMessageBox::Question;

    QMessageBox::StandardButtons buttons;
    for (DlgResult r : box.buttons) {
        if (r == DlgResult::Yes) buttons |= QMessageBox::Yes;
        if (r == DlgResult::No) buttons |= QMessageBox::No;
        if (r == DlgResult::Ok) buttons |= QMessageBox::Ok;
        if (r == DlgResult::Save) buttons |= QMessageBox::Save;
        if (r == DlgResult::Discard) buttons |= QMessageBox::Discard;
        if (r == DlgResult::Cancel) buttons |= QMessageBox::Cancel;
    }

    // Shown as plain text: leading line breaks and trailing blanks stay, and a lone carriage
    // return starts a new line on screen.
    const QString text = QString::fromStdString(ScreenText(box.text));
    switch (ExecMessageBox(parent_, icon, QString::fromStdString(box.caption), text, buttons)) {
        case QMessageBox::Yes:
            return DlgResult::Yes;
        case QMessageBox::No:
            return DlgResult::No;
        case QMessageBox::Ok:
            return DlgResult::Ok;
        case QMessageBox::Save:
            return DlgResult::Save;
        case QMessageBox::Discard:
            return DlgResult::Discard;
        case QMessageBox::Cancel:
            return DlgResult::Cancel;
        default:
            return DlgResult::Closed;
    }
}

}  // namespace belegix
