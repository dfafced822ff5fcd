#include "qt/guide.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/help_texts.h"

namespace belegix {

namespace {

constexpr auto kGuideName = "Anleitung";

QDialog* MakeGuide(QWidget* window) {
    auto* guide = new QDialog(window);
    guide->setObjectName(QLatin1String(kGuideName));
    guide->setWindowTitle(QStringLiteral("Anleitung – Belegix-LiH"));
    guide->setModal(false);
    auto* text = new QPlainTextEdit(guide);
    const std::string_view words = help::Guide();
    text->setPlainText(QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size())));
    // A section's heading is a line of its own before an empty one, without a full stop.
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next()) {
        const QString line = b.text();
        if (!line.isEmpty() && b.next().isValid() && b.next().text().isEmpty() &&
            !QStringLiteral(".:!").contains(line.back())) {
            QTextCursor cursor(b);
            cursor.select(QTextCursor::BlockUnderCursor);
            cursor.mergeCharFormat(bold);
        }
    }
    text->setReadOnly(true);
    // Read with the keyboard: arrows and page keys scroll, Tab leaves for the button.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setTabChangesFocus(true);
    text->setAccessibleName(QStringLiteral("Anleitung"));
    auto* buttons = new QDialogButtonBox(guide);
    QPushButton* close =
        buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    close->setAutoDefault(false);
    QObject::connect(buttons, &QDialogButtonBox::rejected, guide, &QDialog::reject);
    auto* layout = new QVBoxLayout(guide);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // About 70 characters wide and 30 lines tall, within the screen's available area.
    const QFontMetrics metrics(text->font());
    QSize size(metrics.averageCharWidth() * 76, metrics.lineSpacing() * 32);
    if (const QScreen* screen = window->screen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    guide->resize(size);
    text->setFocus();
    return guide;
}

}  // namespace

void ShowGuide(QWidget* window) {
    auto* guide =
        window->findChild<QDialog*>(QLatin1String(kGuideName), Qt::FindDirectChildrenOnly);
    if (guide == nullptr) guide = MakeGuide(window);
    guide->show();
    guide->raise();
    guide->activateWindow();
}

QAction* AddGuideAction(QMenu* help, QWidget* window) {
    QAction* action =
        help->addAction(QStringLiteral("Anleitung"), window, [window] { ShowGuide(window); });
    action->setShortcut(QKeySequence(Qt::Key_F1));
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

}  // namespace belegix
