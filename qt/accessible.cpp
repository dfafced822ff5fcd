#include "qt/accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <string_view>
#include <vector>

#include "core/accessibility.h"
#include "qt/widgets.h"

namespace belegix {

namespace {

// The property that marks the planner's window (set by SetUpAccessibility).
constexpr char kPlannerWindow[] = "belegixPlannerWindow";

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool IsPlannerWindow(const QObject* o) {
    return o != nullptr && o->property(kPlannerWindow).toBool();
}

bool InPlannerWindow(const QWidget* w) {
    return w != nullptr && IsPlannerWindow(w->window());
}

// The part of `w` that shows, in its parent's coordinates.
QRect ShownPart(const QWidget* w) {
    if (w->mask().isEmpty()) return w->geometry();
    return w->mask().boundingRect().translated(w->pos());
}

// Whether a shown memo or panel lying in front of `w` among its siblings covers all of it.
bool Covered(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (parent == nullptr || w->isWindow()) return false;
    const QObjectList& siblings = parent->children();
    const QRect shown = ShownPart(w);
    for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size(); ++i) {
        const auto* front = qobject_cast<const QWidget*>(siblings[i]);
        if (front == nullptr || front->isHidden() || front->isWindow()) continue;
        if (!qobject_cast<const QTextEdit*>(front) && !qobject_cast<const Panel*>(front)) continue;
        if (front->geometry().contains(shown)) return true;
    }
    return false;
}

QWindow* WindowOf(const QWidget* w) {
    if (w == nullptr) return nullptr;
    const QWidget* top = w->window();
    return top->windowHandle();
}

// Removes an interface that the accessibility cache owns, if it is still there.
void Drop(QAccessible::Id id) {
    if (id != 0 && QAccessible::accessibleInterface(id) != nullptr)
        QAccessible::deleteAccessibleInterface(id);
}

// The program under its own name.
class ApplicationAccessible : public QAccessibleApplication {
  public:
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Q(access::kApplicationName);
        return QAccessibleApplication::text(t);
    }
};

// The planner's window: a frame.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
};

// A panel that holds controls is a pane; a result panel or smiley is read as text.
class PanelAccessible : public QAccessibleWidget {
  public:
    explicit PanelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Pane) {}
    QAccessible::Role role() const override {
        const bool holds = widget()->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        return holds ? QAccessible::Pane : QAccessible::StaticText;
    }
};

// An option of a radio group. Pressing or toggling it clicks it, as the mouse does, so that the
// group reports the pick (a bare toggle would check it without the window's operation).
class OptionAccessible : public QAccessibleWidget {
  public:
    explicit OptionAccessible(QRadioButton* b) : QAccessibleWidget(b, QAccessible::RadioButton) {}

    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return button()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& action) override {
        if ((action == pressAction() || action == toggleAction()) && button()->isEnabled() &&
            Reachable(button()))
            button()->animateClick();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// The area below the menu bar. Its children are the controls that can be seen: a control that a
// shown memo or panel in front of it covers (every step while the intro screen is shown) is left
// out.
class ClientAccessible : public QAccessibleWidget {
  public:
    explicit ClientAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(Kids().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> kids = Kids();
        if (index < 0 || index >= static_cast<int>(kids.size())) return nullptr;
        return QAccessible::queryAccessibleInterface(kids[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        const std::vector<QWidget*> kids = Kids();
        for (std::size_t i = 0; i < kids.size(); ++i)
            if (kids[i] == child->object()) return static_cast<int>(i);
        return -1;
    }

  private:
    std::vector<QWidget*> Kids() const {
        std::vector<QWidget*> kids;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w != nullptr && !w->isWindow() && !w->isHidden() && !Covered(w)) kids.push_back(w);
        }
        return kids;
    }
};

class ComboAccessible;

// A part of a combo box that is no widget of its own (its list, an item of it): no object, no
// relations, no child at a point, in the combo box's window.
class ComboPartAccessible : public QAccessibleInterface {
  public:
    explicit ComboPartAccessible(QComboBox* box) : box_(box) {}
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return WindowOf(box_); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  protected:
    QPointer<QComboBox> box_;
};

// One item of a combo box's list. Its action chooses it as a pick with the mouse does.
class ItemAccessible : public ComboPartAccessible, public QAccessibleActionInterface {
  public:
    ItemAccessible(QComboBox* box, int index, QAccessible::Id list)
        : ComboPartAccessible(box), index_(index), list_(list) {}

    bool isValid() const override { return box_ != nullptr && index_ < box_->count(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::accessibleInterface(list_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name) return {};
        const QString text = box_->itemText(index_).trimmed();
        return text.isEmpty() ? Q(access::kEmptyItemName) : text;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || !box_->view()->isVisible()) return {};
        QAbstractItemView* view = box_->view();
        const QRect r = view->visualRect(view->model()->index(index_, box_->modelColumn()));
        return QRect(view->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.selected = box_->currentIndex() == index_;
        s.invisible = !box_->view()->isVisible();
        s.disabled = !box_->isEnabled();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction() || box_ == nullptr) return;
        // After the reply to the screen reader: the operation may ask in a message box.
        QPointer<QComboBox> box = box_;
        const int index = index_;
        QTimer::singleShot(0, box, [box, index] { PickItem(box, index); });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QComboBox* box() const { return box_; }
    int index() const { return index_; }

  private:
    int index_;
    QAccessible::Id list_;
};

// The list of a combo box's items, named as the box.
class ListAccessible : public ComboPartAccessible {
  public:
    explicit ListAccessible(QComboBox* box) : ComboPartAccessible(box) {}

    bool isValid() const override { return box_ != nullptr; }
    QAccessibleInterface* parent() const override {
        return box_ ? QAccessible::queryAccessibleInterface(box_) : nullptr;
    }
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return box_ ? box_->count() : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* item = dynamic_cast<const ItemAccessible*>(child);
        if (item == nullptr || item->box() != box_) return -1;
        return item->index() < childCount() ? item->index() : -1;
    }
    QString text(QAccessible::Text t) const override {
        if (box_ == nullptr || t != QAccessible::Name) return {};
        return box_->accessibleName();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (box_ == nullptr || !box_->view()->isVisible()) return {};
        const QWidget* view = box_->view();
        return QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (box_ == nullptr) {
            s.invalid = true;
            return s;
        }
        s.invisible = !box_->view()->isVisible();
        s.disabled = !box_->isEnabled();
        return s;
    }
};

// An editable combo box: named by its label (the view sets its accessible name), its value the
// text it shows, labelled by its label; its children are the list of items and the edit field.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        // The value can also be read as the box's text.
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    // QAccessibleTextInterface: the value, read only, without a caret or selection of its own.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString value = box()->currentText();
        if (end < 0 || end > value.size()) end = static_cast<int>(value.size());
        if (start < 0 || start > end) return {};
        return value.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(box()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return List();
        if (index == 1) return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        if (listId_ != 0 && child == QAccessible::accessibleInterface(listId_)) return 0;
        if (child->object() != nullptr && child->object() == box()->lineEdit()) return 1;
        return -1;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.hasPopup = true;
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        if (!Reachable(box())) s.invisible = true;
        return s;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (!(match & QAccessible::Label)) return found;
        for (const auto& r : found)
            if (r.second & QAccessible::Label) return found;
        // The label the box is named after, also where it does not lie beside it (a heading).
        const auto c = ControlFromName(box()->objectName().toStdString());
        const auto label = c ? access::LabelOf(*c) : std::nullopt;
        if (!label) return found;
        auto* labelWidget = box()->window()->findChild<QWidget*>(Q(ControlName(*label)));
        if (labelWidget != nullptr)
            found.append({QAccessible::queryAccessibleInterface(labelWidget), QAccessible::Label});
        return found;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() && box()->isEnabled() && Reachable(box()))
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QAccessibleInterface* List() const {
        if (listId_ == 0)
            listId_ = QAccessible::registerAccessibleInterface(new ListAccessible(box()));
        return QAccessible::accessibleInterface(listId_);
    }
    QAccessibleInterface* Item(int index) const {
        if (index < 0 || index >= box()->count()) return nullptr;
        const auto i = static_cast<std::size_t>(index);
        if (items_.size() <= i) items_.resize(i + 1, 0);
        if (items_[i] == 0) {
            List();
            items_[i] =
                QAccessible::registerAccessibleInterface(new ItemAccessible(box(), index, listId_));
        }
        return QAccessible::accessibleInterface(items_[i]);
    }

  protected:
    ~ComboAccessible() override {
        for (QAccessible::Id id : items_) Drop(id);
        Drop(listId_);
    }

  private:
    mutable QAccessible::Id listId_ = 0;
    mutable std::vector<QAccessible::Id> items_;
};

QAccessibleInterface* ListAccessible::child(int index) const {
    if (box_ == nullptr) return nullptr;
    auto* combo = dynamic_cast<ComboAccessible*>(QAccessible::queryAccessibleInterface(box_));
    return combo ? combo->Item(index) : nullptr;
}

QAccessibleInterface* Factory(const QString& key, QObject* object) {
    if (key == QLatin1String("QApplication") && object == qApp) return new ApplicationAccessible;
    if (key == QLatin1String(object->metaObject()->className()) && IsPlannerWindow(object))
        return new WindowAccessible(static_cast<QWidget*>(object));
    if (key == QLatin1String("QComboBox")) {
        auto* box = qobject_cast<QComboBox*>(object);
        if (box != nullptr && box->isEditable() && InPlannerWindow(box))
            return new ComboAccessible(box);
    }
    if (key == QLatin1String("QRadioButton")) {
        auto* b = qobject_cast<QRadioButton*>(object);
        if (b != nullptr && qobject_cast<RadioGroup*>(b->parentWidget()) != nullptr)
            return new OptionAccessible(b);
    }
    if (auto* bar = qobject_cast<StatusBar*>(object);
        bar && key == QLatin1String("belegix::StatusBar"))
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    if (auto* panel = qobject_cast<Panel*>(object); panel && key == QLatin1String("belegix::Panel"))
        return new PanelAccessible(panel);
    if (key == QLatin1String("QWidget")) {
        // The window's client area: a plain widget right below the window.
        auto* w = qobject_cast<QWidget*>(object);
        if (w != nullptr && w->metaObject() == &QWidget::staticMetaObject &&
            IsPlannerWindow(w->parentWidget()))
            return new ClientAccessible(w);
    }
    return nullptr;
}

}  // namespace

void SetUpAccessibility(QWidget& window) {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
    window.setProperty(kPlannerWindow, true);
    for (QMenuBar* bar : window.findChildren<QMenuBar*>(Qt::FindDirectChildrenOnly)) {
        bar->setAccessibleName(Q(access::kMenuBarName));
        for (QAction* action : bar->actions())
            if (QMenu* menu = action->menu())
                menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
    }
}

bool Reachable(const QWidget* w) {
    for (const QWidget* x = w; x != nullptr; x = x->parentWidget()) {
        if (x->isHidden()) return false;
        if (x->isWindow()) return true;
        if (Covered(x)) return false;
    }
    return true;
}

void PickItem(QComboBox* box, int index) {
    if (box == nullptr || !box->isEnabled() || !Reachable(box) || index < 0 ||
        index >= box->count())
        return;
    if (box->view()->isVisible()) box->hidePopup();
    box->setCurrentIndex(index);
    // The signals of a pick with the mouse: the window's operation runs on `activated`.
    emit box->activated(index);
    emit box->textActivated(box->itemText(index));
}

}  // namespace belegix
