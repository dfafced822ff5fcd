#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTextEdit>
#include <algorithm>
#include <optional>

#include "core/accessibility.h"
#include "core/help_texts.h"
#include "core/rules/steps.h"
#include "core/rules/window.h"
#include "qt/accessible.h"
#include "qt/colours_and_fonts.h"
#include "qt/shared_palette_style.h"
#include "qt/translation.h"
#include "qt/widgets.h"

namespace belegix {

namespace {

using design::Kind;

constexpr int kGridLine = 1;

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont MakeFont(const design::Font& f) {
    QFont font(Q(f.family));
    font.setPixelSize(f.pixels);
    font.setBold(f.bold);
    font.setUnderline(f.underline);
    // Whole-pixel glyph advances, as in the classic text rendering the layout was drawn for: with
    // fractional advances many captions come out a few pixels wider than their room.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

Qt::Alignment ToQt(design::Align a) {
    switch (a) {
        case design::Align::Centre:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case design::Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case design::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QIcon GlyphIcon(const QStyle* style, design::Glyph g) {
    switch (g) {
        case design::Glyph::Help:
            return style->standardIcon(QStyle::SP_MessageBoxQuestion);
        case design::Glyph::AllDone:
            return style->standardIcon(QStyle::SP_DialogApplyButton);
        case design::Glyph::Retry:
            return style->standardIcon(QStyle::SP_BrowserReload);
        case design::Glyph::Abort:
            return style->standardIcon(QStyle::SP_DialogCancelButton);
        case design::Glyph::None:
            break;
    }
    return {};
}

}  // namespace

void PrepareApplication(QApplication& app) {
    InstallGermanQtTexts(app);
    // Only the application name: a display name would be appended to every window caption.
    app.setApplicationName(Q(kAppTitle));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        // The style takes `fusion` over; every colour change's palette is drawn as the one
        // palette object with the same colours, so the style's pixmap cache stays small.
        auto* style = new SharedPaletteStyle(fusion);
        QApplication::setStyle(style);
        // Disabled text in the classic grey: the style's own light grey would vanish on the
        // silver of the closed steps.
        QPalette palette = style->standardPalette();
        const QColor grey(128, 128, 128);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, grey);
        QApplication::setPalette(palette);
    }
    QFont font = QApplication::font();
    font.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(font);
    InstallFontStandIns();
}

MainWindow::MainWindow(MessageBoxes& boxes, PrintStream& printer, QWidget* parent)
    : QWidget(parent),
      showing_(boxes, *this),
      boxes_(boxes),
      view_(showing_),
      door_(&showing_, &printer) {
    clock_ = [] { return QDateTime::currentDateTime(); };
    buildMenu();
    build();
    view_.SetCloser([this] { close(); });
    view_.SetFocusDropped([this] {
        QWidget* panel = widget(Control::ZusatzPanel);
        const bool inPanel = lastFocus_ && panel->isAncestorOf(lastFocus_);
        resumeFrom_ = inPanel && panelOpener_ ? panelOpener_.data() : lastFocus_.data();
        lastFocus_ = nullptr;
    });
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);

    // The widgets show the door's window as it stands after the program start (the intro
    // screen's button has the focus).
    shown_ = captureWindow();
    render();

    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(300);
    connect(&recoveryTimer_, &QTimer::timeout, this, &MainWindow::writeRecovery);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &MainWindow::tick);
    timer_.start();
}

MainWindow::~MainWindow() {
    // The children go after the members; no focus change may reach this window any more.
    disconnect(qApp, nullptr, this, nullptr);
    timer_.stop();
}

void MainWindow::build() {
    SetUpAccessibility(*this);
    setObjectName(Q(design::kWindowName));
    setWindowTitle(Q(design::kCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(Colour::InactiveCaption));
    // The font colour of enabled controls only: disabled ones show the style's disabled colours.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::WindowText, ToQColor(Colour::Navy));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(MakeFont({}));

    // The designed client area lies below the menu bar; the window grows by the bar's height,
    // measured in the window's font, which the bar takes over.
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, design::kClientWidth, menuHeight);
    client_ = new QWidget(this);
    client_->setGeometry(0, menuHeight, design::kClientWidth, design::kClientHeight);
    setFixedSize(design::kClientWidth, design::kClientHeight + menuHeight);

    for (const design::ControlDesign& d : design::Controls()) {
        QWidget* parent = d.parent ? widget(*d.parent) : client_;
        QWidget* w = makeControl(d, parent);
        w->setObjectName(Q(ControlName(d.control)));
        w->setFont(MakeFont(d.font));
        if (d.width == 0 && d.height == 0)
            w->move(d.left, d.top);
        else
            w->setGeometry(d.left, d.top, d.width, d.height);
        view_.Register(d.control, w);
        if (d.kind == Kind::Memo || d.kind == Kind::Panel) w->installEventFilter(this);
        const std::string_view hint = help::Hint(d.control);
        if (!hint.empty()) w->setToolTip(Q(hint));
        for (std::string_view item : d.items) view_.AddItem(d.control, std::string(item));
        if (!d.text.empty()) view_.SetText(d.control, std::string(d.text));
        w->setEnabled(d.enabled);
        if (!d.visible) w->hide();
        connectControl(d.control, w);
    }
    built_ = true;
    trimSlivers();
    applyTabOrder();
    view_.UpdateAccessibleTexts(Control::Gks);

    placeOnScreen();
}

QPoint PlacedInside(const QRect& area, const QSize& frame) {
    // Centred where it fits; where it does not, the title bar at the top-left corner, so that
    // the window can still be reached and moved.
    return area.topLeft() + QPoint(std::max(0, (area.width() - frame.width()) / 2),
                                   std::max(0, (area.height() - frame.height()) / 2));
}

void MainWindow::placeOnScreen() {
    const QScreen* here = screen();
    if (here == nullptr) return;
    const QRect area = here->availableGeometry();
    const QRect frame = frameGeometry();
    if (placed_ && area.contains(frame)) return;
    placed_ = true;
    move(PlacedInside(area, frame.size()));
}

QWidget* MainWindow::makeControl(const design::ControlDesign& d, QWidget* parent) {
    switch (d.kind) {
        case Kind::Label:
        case Kind::Heading: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(ToQt(d.align));
            label->setWordWrap(d.control == Control::LbZusatzZeit);
            return label;
        }
        case Kind::GroupBox: {
            auto* box = new QGroupBox(parent);
            box->installEventFilter(this);
            return box;
        }
        case Kind::Combo: {
            auto* box = new QComboBox(parent);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr);
            box->setMaxVisibleItems(16);
            // Leaving the field with an item's text typed in does not pick that item: typed
            // text stays no selection.
            disconnect(box->lineEdit(), &QLineEdit::editingFinished, box, nullptr);
            return box;
        }
        case Kind::Button: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            button->setIcon(GlyphIcon(style(), d.glyph));
            return button;
        }
        case Kind::Memo: {
            auto* memo = new QTextEdit(parent);
            memo->setReadOnly(true);
            memo->setTextInteractionFlags(Qt::NoTextInteraction);
            memo->setFocusPolicy(Qt::NoFocus);
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            memo->setFrameStyle(d.control == Control::Memo1 ? QFrame::Box | QFrame::Plain
                                                            : QFrame::NoFrame);
            memo->document()->setDocumentMargin(2);
            // The intro's lines are laid out by hand, one screen line each.
            if (d.control == Control::MemoIntro) memo->setLineWrapMode(QTextEdit::NoWrap);
            return memo;
        }
        case Kind::Panel:
        case Kind::Smiley:
            return new Panel(d.kind == Kind::Smiley, parent);
        case Kind::RadioGroup:
            return new RadioGroup(parent);
        case Kind::Grid: {
            auto* grid = new QTableWidget(kGridRows, kGridColumns, parent);
            grid->horizontalHeader()->hide();
            grid->verticalHeader()->hide();
            grid->verticalHeader()->setMinimumSectionSize(1);
            grid->horizontalHeader()->setMinimumSectionSize(1);
            grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
            grid->setSelectionMode(QAbstractItemView::NoSelection);
            grid->setFocusPolicy(Qt::NoFocus);
            grid->setWordWrap(false);
            // The classic sunken border; the cell sizes are those of the cells alone, the 1-px
            // grid line comes after each (Qt counts it inside a section).
            grid->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            grid->setLineWidth(2);
            for (int col = 0; col < kGridColumns; ++col)
                grid->setColumnWidth(col, design::kGridColumnWidths[col] + kGridLine);
            const QColor fixed = ToQColor(Colour::Neutral);
            for (int row = 0; row < kGridRows; ++row) {
                grid->setRowHeight(row, design::GridRowHeight(row) + kGridLine);
                for (int col = 0; col < kGridColumns; ++col) {
                    auto* item = new QTableWidgetItem();
                    item->setFlags(Qt::ItemIsEnabled);
                    // The header row and the first two columns are fixed cells.
                    if (row == 0 || col < 2) item->setBackground(fixed);
                    grid->setItem(row, col, item);
                }
            }
            return grid;
        }
        case Kind::Edit: {
            auto* edit = new QLineEdit(parent);
            if (d.maxLength > 0) edit->setMaxLength(d.maxLength);
            return edit;
        }
        case Kind::StatusBar:
            return new StatusBar({design::kStatusPanelWidths[0], design::kStatusPanelWidths[1],
                                  design::kStatusPanelWidths[2]},
                                 parent);
    }
    return new QWidget(parent);
}

void MainWindow::connectControl(Control c, QWidget* w) {
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        connect(button, &QPushButton::clicked, this, [this, c] { userEvent(c, Event::Click); });
        button->installEventFilter(this);  // Return and Enter press it like Space
    } else if (auto* box = qobject_cast<QComboBox*>(w)) {
        // Only the student's own changes: a pick, or a keystroke in the edit field.
        connect(box, &QComboBox::activated, this, [this, c, box](int) {
            box->lineEdit()->home(false);  // a picked text longer than the field shows its start
            userEvent(c, Event::Change);
        });
        box->lineEdit()->installEventFilter(this);
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [this, c](const QString&) {
            view_.DropIndexKeepText(c);
            userEvent(c, Event::Change);
        });
    } else if (auto* group = qobject_cast<RadioGroup*>(w)) {
        connect(group, &RadioGroup::picked, this, [this, c](int) { userEvent(c, Event::Change); });
        connect(group, &RadioGroup::itemsChanged, this, &MainWindow::applyTabOrder);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, c](const QString&) { userEvent(c, Event::Change); });
    }
}

void MainWindow::userEvent(Control c, Event e) {
    // What the program itself puts into the widgets, and anything the widgets report while the
    // door runs an action (a box is open), is no action of the student.
    if (restoring_ || depth_ > 0) return;
    if (e == Event::Activate) {
        ActivateOnce();
        return;
    }
    // "  Ende" ends the program: unsaved changes of the plan's file are saved or let go first.
    // The question is about the file, not the plan, so it is no part of the plan's record.
    const bool ending = e == Event::Click && c == Control::BeendenBitBtn && door_.Usable(c);
    if (ending && !askToSave()) {
        render();
        return;
    }
    // A failed check of the exam subjects starts the plan afresh; undo brings it back.
    const bool examCheck = e == Event::Click && c == Control::PFachBitBtn;
    const int profileBefore = door_.window().at(Control::ProfilRadioGroup).index;
    touched_.push_back(c);
    ++depth_;
    closeAnswered_ = ending;
    switch (e) {
        case Event::Click:
            door_.Click(c);
            break;
        case Event::Enter:
            door_.Focus(c);
            break;
        case Event::Change:
        case Event::Activate:
            // The value the control now holds: the item picked, or the text typed.
            if (design::TakesPick(c) && view_.ItemIndex(c) >= 0)
                door_.Pick(c, view_.ItemIndex(c));
            else if (design::TakesTyping(c))
                door_.Type(c, view_.Text(c));
            break;
    }
    --depth_;
    render();
    closeAnswered_ = false;
    // The check started afresh when the profile the student had chosen is gone.
    if (examCheck && profileBefore >= 0 && door_.window().at(Control::ProfilRadioGroup).index < 0)
        showNote(QStringLiteral("Der Plan wurde zurückgesetzt – Strg+Z holt die Auswahl zurück."));
}

void MainWindow::ActivateOnce() {
    if (activated_) return;
    activated_ = true;
    ++depth_;
    door_.Activate();
    --depth_;
    render();
    const std::vector<std::string> missing = MissingFonts();
    if (!missing.empty())
        boxes_.Show(MessageDlgBox(MissingFontsText(missing), DlgType::Information, DlgButtons::Ok));
}

std::vector<std::string> MissingFonts() {
    // The design's text fonts and the metric-compatible families that stand in for them
    // (qt/colours_and_fonts.h). Without either, the window's text and the printed grid fall
    // apart.
    const QStringList installed = QFontDatabase::families();
    std::vector<std::string> missing;
    for (const QString& family : RequiredFonts()) {
        const QString replacement = InstalledFamily(family);
        if (!installed.contains(family, Qt::CaseInsensitive) &&
            !installed.contains(replacement, Qt::CaseInsensitive))
            missing.push_back(family.toStdString() + " (oder " + replacement.toStdString() + ")");
    }
    return missing;
}

bool MainWindow::introShown() const {
    return !widget(Control::MemoIntro)->isHidden();
}

void MainWindow::tick() {
    const QDateTime now = clock_();
    const QLocale locale = QLocale::system();
    door_.ShowClock(locale.toString(now.time(), QLocale::ShortFormat).toStdString(),
                    locale.toString(now.date(), QLocale::ShortFormat).toStdString());
    render();
}

bool MainWindow::event(QEvent* e) {
    // The first activation evaluates the empty plan once; later activations (returning from
    // another window or from one of the program's own boxes) do not run it again.
    if (e->type() == QEvent::WindowActivate && !activated_) {
        // Only now is the frame that the desktop puts around the window known.
        placeOnScreen();
        QTimer::singleShot(0, this, [this] { ActivateOnce(); });
    }
    return QWidget::event(e);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // Closing through the title bar ends the program without asking, unless the plan's file has
    // unsaved changes: then they are saved or let go first ("Abbrechen" keeps the window). The
    // question was already answered when "  Ende" or "Beenden" closes.
    if (!closed_ && !closeAnswered_ && depth_ == 0 && !askToSave()) {
        e->ignore();
        return;
    }
    closed_ = true;
    timer_.stop();
    writeRecovery();
    e->accept();
    emit windowClosed();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        // Return and Enter on a focused button press it, as Space does.
        auto* button = qobject_cast<QPushButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(e);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            if (button->isEnabled()) button->click();
            return true;
        }
    }
    if (e->type() == QEvent::FocusOut) {
        // Leaving a combo box's field shows the beginning of its text again.
        if (auto* edit = qobject_cast<QLineEdit*>(watched);
            edit && qobject_cast<QComboBox*>(edit->parentWidget()))
            edit->home(false);
    }
    if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && built_ &&
        (qobject_cast<QTextEdit*>(watched) || qobject_cast<Panel*>(watched)))
        trimSlivers();
    if (e->type() == QEvent::Show && watched == widget(Control::ZusatzPanel)) {
        // The period panel takes the keyboard to its options when it opens. No focus handler
        // belongs to the panel, so this runs none; Tab goes on after the control that opened it
        // once it has closed again.
        panelOpener_ = QApplication::focusWidget();
        if (panelOpener_ && widget(Control::ZusatzPanel)->isAncestorOf(panelOpener_))
            panelOpener_ = nullptr;
        widget(Control::RGZusatzkurse)->setFocus(Qt::OtherFocusReason);
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* w = qobject_cast<QWidget*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(e);
        // Buttons report their clicks themselves (`clicked`); the filter watches them only for
        // Return and Enter, so a mouse click on one is not handed to the door a second time.
        if (w && !qobject_cast<QAbstractButton*>(w) && w->isEnabled() &&
            mouse->button() == Qt::LeftButton && w->rect().contains(mouse->position().toPoint())) {
            if (const auto c = view_.ControlOf(w)) userEvent(*c, Event::Click);
        }
    }
    return QWidget::eventFilter(watched, e);
}

void MainWindow::trimSlivers() {
    // A control that a shown memo or panel in front of it covers but for a strip of a few pixels
    // (the design's buttons stand 2 px out of their column) is cut to the part behind it; it
    // shows whole again when that memo or panel goes.
    constexpr int kSliver = 3;
    for (Control c : AllControls()) {
        QWidget* w = widget(c);
        QWidget* parent = w->parentWidget();
        if (parent == nullptr) continue;
        const QObjectList& siblings = parent->children();  // in stacking order, back to front
        std::optional<QRect> keep;
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size() && !keep; ++i) {
            auto* front = qobject_cast<QWidget*>(siblings[i]);
            if (front == nullptr || front->isHidden() || !view_.ControlOf(front)) continue;
            if (!qobject_cast<QTextEdit*>(front) && !qobject_cast<Panel*>(front)) continue;
            const QRect behind = w->geometry() & front->geometry();
            if (behind.isEmpty()) continue;
            const QRect rest = (QRegion(w->geometry()) - front->geometry()).boundingRect();
            if (!rest.isEmpty() && (rest.width() <= kSliver || rest.height() <= kSliver))
                keep = behind.translated(-w->pos());
        }
        if (keep)
            w->setMask(*keep);
        else if (!w->mask().isEmpty())
            w->clearMask();
    }
}

void MainWindow::applyTabOrder() {
    if (!built_) return;
    std::vector<QWidget*> chain;
    for (Control c : access::TabOrder()) {
        QWidget* w = widget(c);
        if (auto* group = qobject_cast<RadioGroup*>(w)) {
            for (int i = 0; i < group->count(); ++i) chain.push_back(group->button(i));
        } else {
            chain.push_back(w);
        }
    }
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

QWidget* MainWindow::tabNeighbour(QWidget* from, bool next) const {
    for (QWidget* w = next ? from->nextInFocusChain() : from->previousInFocusChain(); w != from;
         w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (w->window() == this && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            w->focusProxy() == nullptr && w->isVisibleTo(this) && w->isEnabled())
            return w;
    }
    return nullptr;
}

bool MainWindow::focusNextPrevChild(bool next) {
    const Qt::FocusReason reason = next ? Qt::TabFocusReason : Qt::BacktabFocusReason;
    // The intro screen covers every other control: Tab stays on its button.
    if (introShown()) {
        widget(Control::BitBtnHinweise)->setFocus(reason);
        return true;
    }
    QWidget* from = QApplication::focusWidget();
    if (from == nullptr || from->window() != this) from = resumeFrom_ ? resumeFrom_.data() : this;
    if (QWidget* to = tabNeighbour(from, next)) to->setFocus(reason);
    return true;
}

void MainWindow::onFocusChanged(QWidget* /*old*/, QWidget* now) {
    // Focus leaving for a message box or another window is no move between controls.
    if (now == nullptr || now->window() != this) return;
    lastFocus_ = now;
    resumeFrom_ = nullptr;
    // The program putting the focus back, or the focus returning from a box the door raised,
    // is no move of the student.
    if (restoring_ || depth_ > 0) return;
    std::optional<Control> focused;
    for (QWidget* w = now; w != nullptr && w != this && !focused; w = w->parentWidget())
        focused = view_.ControlOf(w);
    if (!focused) return;
    // The door records the move and runs the focus handlers of every control entered.
    userEvent(*focused, Event::Enter);
}

}  // namespace belegix
