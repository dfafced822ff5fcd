#include "qt/scroll_box.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace belegix {
namespace {

// Room on the screen that a box's frame, title bar, icon row margins and buttons take besides
// its text, and the widest text column.
constexpr int kChromeHeight = 110;
constexpr int kMaxTextWidth = 640;
constexpr int kMinTextHeight = 120;
// Space kept free above and below a box.
constexpr int kScreenMargin = 40;

QRect AvailableGeometry(QWidget* parent) {
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return QRect(0, 0, 1366, 768);
    return screen->availableGeometry();
}

int TextWidth(QWidget* parent) {
    return std::min(kMaxTextWidth, AvailableGeometry(parent).width() - 160);
}

int MaxTextHeight(QWidget* parent) {
    return std::max(kMinTextHeight,
                    AvailableGeometry(parent).height() - kChromeHeight - kScreenMargin);
}

QLabel* MakeTextLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QStyle::StandardPixmap IconPixmap(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Question:
            return QStyle::SP_MessageBoxQuestion;
        case QMessageBox::Warning:
            return QStyle::SP_MessageBoxWarning;
        case QMessageBox::Critical:
            return QStyle::SP_MessageBoxCritical;
        default:
            return QStyle::SP_MessageBoxInformation;
    }
}

void CaptionButtons(QMessageBox::StandardButtons buttons,
                    const std::function<QAbstractButton*(QMessageBox::StandardButton)>& button) {
    if (buttons.testFlag(QMessageBox::Yes)) button(QMessageBox::Yes)->setText("&Ja");
    if (buttons.testFlag(QMessageBox::No)) button(QMessageBox::No)->setText("&Nein");
    if (buttons.testFlag(QMessageBox::Ok)) button(QMessageBox::Ok)->setText("OK");
    if (buttons.testFlag(QMessageBox::Save)) button(QMessageBox::Save)->setText("&Speichern");
    if (buttons.testFlag(QMessageBox::Discard))
        button(QMessageBox::Discard)->setText("&Nicht speichern");
    if (buttons.testFlag(QMessageBox::Cancel)) button(QMessageBox::Cancel)->setText("Abbrechen");
}

}  // namespace

bool NeedsScrolling(QWidget* parent, const QString& text) {
    // An ordinary box is at most half the screen (and 500 pixels) wide; its icon column takes
    // about 75 of those, its button row and margins about 60 pixels of height, and the title bar
    // about 40 more.
    const QRect screen = AvailableGeometry(parent);
    const int labelWidth = std::min(screen.width() / 2, 500) - 75;
    QLabel probe;
    probe.setTextFormat(Qt::PlainText);
    probe.setWordWrap(true);
    probe.setText(text);
    return probe.heightForWidth(labelWidth) + 60 + 40 > screen.height() - kScreenMargin;
}

ScrollingMessageBox::ScrollingMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                         const QString& caption, const QString& text,
                                         QMessageBox::StandardButtons buttons)
    : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* iconLabel = new QLabel(this);
    if (icon != QMessageBox::NoIcon) {
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        iconLabel->setPixmap(style()->standardIcon(IconPixmap(icon), nullptr, this).pixmap(size));
    }
    iconLabel->setAlignment(Qt::AlignTop);

    const int width = TextWidth(parent);
    QLabel* label = MakeTextLabel(text, this);
    label->setFixedWidth(width);
    label->setFixedHeight(label->heightForWidth(width));

    scroll_ = new QScrollArea(this);
    scroll_->setWidget(label);
    scroll_->setWidgetResizable(false);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int scrollBarWidth = scroll_->verticalScrollBar()->sizeHint().width();
    scroll_->setFixedWidth(width + scrollBarWidth + 2);
    scroll_->setFixedHeight(std::min(label->height(), MaxTextHeight(parent)));
    scroll_->setBackgroundRole(QPalette::Window);

    auto* box = new QDialogButtonBox(this);
    for (QMessageBox::StandardButton b :
         {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Save,
          QMessageBox::Discard, QMessageBox::Cancel})
        if (buttons.testFlag(b)) box->addButton(static_cast<QDialogButtonBox::StandardButton>(b));
    CaptionButtons(buttons, [box](QMessageBox::StandardButton b) -> QAbstractButton* {
        return box->button(static_cast<QDialogButtonBox::StandardButton>(b));
    });
    box->setCenterButtons(style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this));
    connect(box, &QDialogButtonBox::clicked, this, [this, box](QAbstractButton* b) {
        pressed_ = static_cast<QMessageBox::StandardButton>(box->standardButton(b));
        accept();
    });
    if (QAbstractButton* first = box->buttons().value(0)) first->setFocus();

    auto* row = new QHBoxLayout;
    row->addWidget(iconLabel, 0, Qt::AlignTop);
    row->addSpacing(8);
    row->addWidget(scroll_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QMessageBox::StandardButton ExecMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons) {
    if (NeedsScrolling(parent, text)) {
        ScrollingMessageBox box(parent, icon, caption, text, buttons);
        box.exec();
        return box.Pressed();
    }
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    CaptionButtons(buttons, [&box](QMessageBox::StandardButton b) -> QAbstractButton* {
        return box.button(b);
    });
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked != nullptr ? box.standardButton(clicked) : QMessageBox::NoButton;
}

}  // namespace belegix
