#include "ui/qt_message_boxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace belegix {

DlgResult QtMessageBoxes::Show(const BoxRequest& box) {
    QMessageBox dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(box.caption));
    switch (box.kind) {
        case BoxKind::Information:
            dialog.setIcon(QMessageBox::Information);
            break;
        case BoxKind::Confirmation:
            dialog.setIcon(QMessageBox::Question);
            break;
        case BoxKind::Plain:
            dialog.setIcon(QMessageBox::NoIcon);
            break;
    }
    // Plain text: leading line breaks and trailing blanks stay; a lone carriage return shows
    // as a line break.
    dialog.setTextFormat(Qt::PlainText);
    dialog.setText(QString::fromStdString(ScreenText(box.text)));

    std::vector<std::pair<QPushButton*, DlgResult>> buttons;
    for (DlgResult r : box.buttons) {
        switch (r) {
            case DlgResult::Yes:
                buttons.emplace_back(dialog.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole),
                                     r);
                break;
            case DlgResult::No:
                buttons.emplace_back(dialog.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole),
                                     r);
                break;
            case DlgResult::Ok:
            case DlgResult::Closed:
                buttons.emplace_back(
                    dialog.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole), DlgResult::Ok);
                break;
        }
    }
    if (!buttons.empty()) dialog.setDefaultButton(buttons.front().first);
    dialog.exec();
    const auto* clicked = dialog.clickedButton();
    for (const auto& [button, result] : buttons)
        if (button == clicked) return result;
    return DlgResult::Closed;
}

}  // namespace belegix
