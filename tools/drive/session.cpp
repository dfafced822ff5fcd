#include "tools/drive/session.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <iostream>

#include "qt/widgets.h"

namespace belegix::drive {

// ---------------------------------------------------------------------------------------------
// Message boxes answered from the script.

DlgResult ScriptedBoxes::Show(const BoxRequest& box) {
    DlgResult answer = DlgResult::Ok;
    if (answerer_) {
        answer = answerer_(box);
    } else if (box.buttons.size() > 1) {
        if (answers_.empty()) {
            out_.fail(3,
                      "a message box with several buttons has no answer: " + JsonString(box.text));
            return DlgResult::Closed;
        }
        answer = answers_.front();
        answers_.pop_front();
        bool offered = false;
        for (DlgResult b : box.buttons) offered = offered || b == answer;
        if (!offered) {
            out_.fail(3, "the answer " + std::string(AnswerWord(answer)) +
                             " is not a button of the box " + JsonString(box.text));
            return DlgResult::Closed;
        }
    } else if (!box.buttons.empty()) {
        answer = box.buttons.front();
    }
    Json buttons = Json::Array();
    for (DlgResult b : box.buttons) buttons.Push(AnswerWord(b));
    const char* kind = box.kind == BoxKind::Information    ? "information"
                       : box.kind == BoxKind::Confirmation ? "confirmation"
                                                           : "plain";
    Json inner = Json::Object();
    inner.Set("kind", kind)
        .Set("caption", box.caption)
        .Set("text", box.text)
        .Set("buttons", std::move(buttons))
        .Set("answer", AnswerWord(answer));
    out_.write(Json::Object().Set("box", std::move(inner)));
    return answer;
}

// ---------------------------------------------------------------------------------------------
// The printer.

std::optional<std::string> RecordingPrintStream::Open() {
    ops_ = Json::Array();
    lines_ = {std::string()};
    font_ = {};
    return next_ ? next_->Open() : std::nullopt;
}
void RecordingPrintStream::SetFontName(const std::string& family) {
    font_.family = family;
    if (next_) next_->SetFontName(family);
}
void RecordingPrintStream::SetFontSize(int points) {
    font_.points = points;
    if (next_) next_->SetFontSize(points);
}
void RecordingPrintStream::SetFontStyle(bool bold, bool underline) {
    font_.bold = bold;
    font_.underline = underline;
    if (next_) next_->SetFontStyle(bold, underline);
}
void RecordingPrintStream::SetColour(Colour colour) {
    font_.colour = colour;
    if (next_) next_->SetColour(colour);
}
void RecordingPrintStream::Write(const std::string& fragment) {
    ops_.Push(Json::Object()
                  .Set("text", fragment)
                  .Set("font", font_.family)
                  .Set("size", font_.points)
                  .Set("bold", font_.bold)
                  .Set("underline", font_.underline)
                  .Set("colour", ColourWord(font_.colour)));
    if (lines_.empty()) lines_.emplace_back();
    lines_.back() += fragment;
    if (next_) next_->Write(fragment);
}
void RecordingPrintStream::NewLine() {
    ops_.Push(Json::Object().Set("newline", true));
    lines_.emplace_back();
    if (next_) next_->NewLine();
}
std::optional<std::string> RecordingPrintStream::Close() {
    out_.write(Json::Object().Set("print", std::move(ops_)));
    ops_ = Json::Array();
    if (onPage_) onPage_(lines_);
    return next_ ? next_->Close() : std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// What a person can reach.

bool OwnEnabled(const QWidget* w) {
    return !w->testAttribute(Qt::WA_ForceDisabled);
}
bool OwnVisible(const QWidget* w) {
    return !(w->testAttribute(Qt::WA_WState_ExplicitShowHide) &&
             w->testAttribute(Qt::WA_WState_Hidden));
}

bool Usable(const MainWindow& win, Control c) {
    return win.door().Usable(c);
}

// ---------------------------------------------------------------------------------------------
// The actions.

bool Driver::Run(const Command& cmd) {
    // A list that `key` opened closes when the student turns to anything else.
    if (cmd.op == Op::Click || cmd.op == Op::Pick || cmd.op == Op::Type || cmd.op == Op::Focus ||
        cmd.op == Op::Close)
        ClosePopups();
    switch (cmd.op) {
        case Op::Click:
            Click(cmd);
            break;
        case Op::Pick:
            Pick(cmd);
            break;
        case Op::Type:
            Type(cmd);
            break;
        case Op::Focus:
            if (Reachable(cmd)) win_.widget(cmd.control)->setFocus(Qt::OtherFocusReason);
            break;
        case Op::Key:
            Keys(cmd);
            break;
        case Op::Answer:
            boxes_.Queue(cmd.answer);
            break;
        case Op::Tick:
            win_.tick();
            break;
        case Op::Dump:
            if (dump_) dump_();
            break;
        case Op::Screenshot:
            QApplication::processEvents();
            if (!win_.grab().save(QString::fromStdString(cmd.text), "PNG"))
                std::cerr << "belegix-drive: line " << cmd.line << ": cannot write " << cmd.text
                          << '\n';
            break;
        case Op::Close:
            win_.close();
            break;
        case Op::Save:
            win_.savePlan(QString::fromStdString(cmd.text));
            break;
        case Op::Open:
            // Unsaved changes of the plan's file are saved or let go first.
            if (win_.askToSave()) win_.openPlan(QString::fromStdString(cmd.text));
            break;
        case Op::Undo:
            if (!win_.undo()) out_.write(Json::Object().Set("ignored", "undo"));
            break;
        case Op::Redo:
            if (!win_.redo()) out_.write(Json::Object().Set("ignored", "redo"));
            break;
    }
    QApplication::processEvents();
    if (win_.closed()) {
        out_.write(Json::Object().Set("closed", true));
        return false;
    }
    return true;
}

bool Driver::Reachable(const Command& cmd) {
    if (Usable(win_, cmd.control)) return true;
    out_.write(Json::Object().Set("ignored", cmd.source));
    return false;
}

void Driver::Click(const Command& cmd) {
    if (!Reachable(cmd)) return;
    QWidget* w = win_.widget(cmd.control);
    // As with a mouse: a control that takes the focus by click gets it before the click.
    if (w->focusPolicy() & Qt::ClickFocus) w->setFocus(Qt::MouseFocusReason);
    if (win_.closed() || !Reachable(cmd)) return;
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->click();
    else
        win_.userEvent(cmd.control, Event::Click);
}

void Driver::Pick(const Command& cmd) {
    if (!Reachable(cmd)) return;
    QWidget* w = win_.widget(cmd.control);
    const int count = static_cast<int>(win_.view().Items(cmd.control).size());
    if (cmd.index < 0 || cmd.index >= count) {
        out_.fail(2, "line " + std::to_string(cmd.line) + ": pick " + std::to_string(cmd.index) +
                         " outside the " + std::to_string(count) + " items of " +
                         std::string(ControlName(cmd.control)));
        return;
    }
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        box->setFocus(Qt::MouseFocusReason);
        if (win_.closed() || !Reachable(cmd)) return;
        box->setCurrentIndex(cmd.index);
        box->setEditText(box->itemText(cmd.index));
        emit box->activated(cmd.index);
    } else if (auto* group = qobject_cast<RadioGroup*>(w)) {
        QRadioButton* option = group->button(cmd.index);
        option->setFocus(Qt::MouseFocusReason);
        if (win_.closed() || !Reachable(cmd)) return;
        option->click();
    }
}

void Driver::Type(const Command& cmd) {
    if (!Reachable(cmd)) return;
    QWidget* w = win_.widget(cmd.control);
    w->setFocus(Qt::OtherFocusReason);
    if (win_.closed() || !Reachable(cmd)) return;
    auto* box = qobject_cast<QComboBox*>(w);
    QLineEdit* edit = box ? box->lineEdit() : qobject_cast<QLineEdit*>(w);
    edit->selectAll();

    const QString text = QString::fromStdString(cmd.text);
    if (text.isEmpty()) {
        Key(w, Qt::Key_Delete, QString());
        return;
    }
    for (const char32_t ch : text.toUcs4()) {
        if (win_.closed()) return;
        if (!Usable(win_, cmd.control)) {
            out_.write(Json::Object().Set("ignored", cmd.source));
            return;
        }
        const QString one = QString::fromUcs4(&ch, 1);
        if (ch == U'\n' || ch == U'\r')
            Key(w, Qt::Key_Return, QStringLiteral("\r"));
        else if (ch == U'\t')
            Key(w, Qt::Key_Tab, QStringLiteral("\t"));
        else
            Key(w, 0, one);
    }
}

void Driver::ClosePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        QApplication::processEvents();
    }
}

// key NAME KEYS: NAME gets the focus as with `focus`; then every key goes, pressed and
// released, to the control that has the focus at that moment (an open list of a combo box
// included); with no control focused, to the window.
void Driver::Keys(const Command& cmd) {
    if (!cmd.focused) {
        if (!Reachable(cmd)) return;
        ClosePopups();
        win_.widget(cmd.control)->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        if (win_.closed()) return;
    }
    const QKeySequence keys = ParseKeys(cmd.text);
    for (int i = 0; i < keys.count(); ++i) {
        if (win_.closed()) return;
        if (!cmd.focused && !Usable(win_, cmd.control) && !QApplication::activePopupWidget()) {
            out_.write(Json::Object().Set("ignored", cmd.source));
            return;
        }
        QWidget* target = QApplication::activePopupWidget();
        if (target != nullptr && target->focusWidget() != nullptr) target = target->focusWidget();
        if (target == nullptr) target = QApplication::focusWidget();
        if (target == nullptr) target = &win_;
        const QKeyCombination k = keys[i];
        Key(target, k.key(), KeyText(k), k.keyboardModifiers());
        QApplication::processEvents();
    }
}

QString Driver::KeyText(QKeyCombination k) {
    const Qt::KeyboardModifiers mods = k.keyboardModifiers();
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    switch (k.key()) {
        case Qt::Key_Tab:
            return QStringLiteral("\t");
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QStringLiteral("\r");
        case Qt::Key_Space:
            return QStringLiteral(" ");
        default:
            break;
    }
    const int key = k.key();
    if (key < Qt::Key_Space || key > Qt::Key_ydiaeresis) return {};
    const QString text = QString(QChar(key));
    return mods & Qt::ShiftModifier ? text.toUpper() : text.toLower();
}

QKeySequence Driver::ParseKeys(const std::string& text) {
    const QKeySequence keys =
        QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
    for (int i = 0; i < keys.count(); ++i)
        if (keys[i].key() == Qt::Key_unknown || keys[i].key() == 0) return {};
    return keys;
}

void Driver::Key(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers mods) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(target, &release);
}

}  // namespace belegix::drive
