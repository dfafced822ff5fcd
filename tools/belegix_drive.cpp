// belegix-drive: opens the real planner window offscreen, runs a script of user actions on it
// and prints what happens as JSON lines (message boxes, printed pages, ignored actions, dumps).
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>

#include "drive_pdf.h"
#include "json_writer.h"
#include "rules/choice_state.h"
#include "ui/design.h"
#include "ui/drive_script.h"
#include "ui/qt_main_window.h"
#include "ui/qt_widgets.h"

namespace belegix::drive {
namespace {

void Emit(const Json& line) {
    std::cout << line.Dump() << '\n' << std::flush;
}

// Ends the driver at once: the window and its handlers are left as they are.
[[noreturn]] void Fail(int status, const std::string& message) {
    std::cout << std::flush;
    std::cerr << "belegix-drive: " << message << '\n' << std::flush;
    std::fflush(nullptr);
    std::_Exit(status);
}

// ---------------------------------------------------------------------------------------------
// Message boxes answered from the script.

class ScriptedBoxes : public MessageBoxes {
  public:
    void Queue(DlgResult answer) { answers_.push_back(answer); }
    std::size_t Pending() const { return answers_.size(); }

    DlgResult Show(const BoxRequest& box) override {
        DlgResult answer = DlgResult::Ok;
        if (box.buttons.size() > 1) {
            if (answers_.empty())
                Fail(3,
                     "a message box with several buttons has no answer: " + JsonString(box.text));
            answer = answers_.front();
            answers_.pop_front();
            bool offered = false;
            for (DlgResult b : box.buttons) offered = offered || b == answer;
            if (!offered)
                Fail(3, "the answer " + std::string(AnswerWord(answer)) +
                            " is not a button of the box " + JsonString(box.text));
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
        Emit(Json::Object().Set("box", std::move(inner)));
        return answer;
    }

  private:
    std::deque<DlgResult> answers_;
};

// ---------------------------------------------------------------------------------------------
// The printer: every call recorded, one line per printed page; optionally passed on to the
// real page renderer.

class RecordingPrintStream : public PrintStream {
  public:
    explicit RecordingPrintStream(std::unique_ptr<PrintStream> next) : next_(std::move(next)) {}

    std::optional<std::string> Open() override {
        ops_ = Json::Array();
        family_ = "Courier New";
        size_ = 12;
        bold_ = underline_ = false;
        colour_ = Colour::Black;
        return next_ ? next_->Open() : std::nullopt;
    }
    void SetFontName(const std::string& family) override {
        family_ = family;
        if (next_) next_->SetFontName(family);
    }
    void SetFontSize(int points) override {
        size_ = points;
        if (next_) next_->SetFontSize(points);
    }
    void SetFontStyle(bool bold, bool underline) override {
        bold_ = bold;
        underline_ = underline;
        if (next_) next_->SetFontStyle(bold, underline);
    }
    void SetColour(Colour colour) override {
        colour_ = colour;
        if (next_) next_->SetColour(colour);
    }
    void Write(const std::string& fragment) override {
        ops_.Push(Json::Object()
                      .Set("text", fragment)
                      .Set("font", family_)
                      .Set("size", size_)
                      .Set("bold", bold_)
                      .Set("underline", underline_)
                      .Set("colour", ColourWord(colour_)));
        if (next_) next_->Write(fragment);
    }
    void NewLine() override {
        ops_.Push(Json::Object().Set("newline", true));
        if (next_) next_->NewLine();
    }
    std::optional<std::string> Close() override {
        Emit(Json::Object().Set("print", std::move(ops_)));
        ops_ = Json::Array();
        return next_ ? next_->Close() : std::nullopt;
    }

  private:
    std::unique_ptr<PrintStream> next_;
    Json ops_ = Json::Array();
    std::string family_ = "Courier New";
    int size_ = 12;
    bool bold_ = false;
    bool underline_ = false;
    Colour colour_ = Colour::Black;
};

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
    if (win.introShown() && c != Control::BitBtnHinweise) return false;
    for (const QWidget* w = win.widget(c); w != nullptr && w != &win; w = w->parentWidget())
        if (!OwnEnabled(w) || !OwnVisible(w)) return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// dump

Json SubjectFamily(const SubjectFlags& flags, const auto& members) {
    Json o = Json::Object();
    for (int row = 1; row <= kSubjectCount; ++row) {
        const Subject s = SubjectAtRow(row);
        bool member = false;
        for (Subject m : members) member = member || m == s;
        if (member) o.Set(std::string(SubjectKey(s)), static_cast<int>(flags[s]));
    }
    return o;
}

template <class T>
Json TwoHourFamily(const KeyedArray<TwoHour, T, kTwoHourCount>& values) {
    Json o = Json::Object();
    for (int i = 0; i < kTwoHourCount; ++i) {
        const auto x = static_cast<TwoHour>(i);
        o.Set(std::string(TwoHourKey(x)), static_cast<std::int64_t>(values[x]));
    }
    return o;
}

Json StateJson(const ChoiceState& st) {
    Json o = Json::Object();
    o.Set("PFach", SubjectFamily(st.PFach, kPFachSubjects));
    o.Set("PKurs", SubjectFamily(st.PKurs, kPKursSubjects));
    o.Set("P4", SubjectFamily(st.P4, kP4Subjects));
    o.Set("P5", SubjectFamily(st.P5, kP5Subjects));
    o.Set("Int", SubjectFamily(st.Int, kIntSubjects));
    o.Set("Zusatz4", SubjectFamily(st.Zusatz4, kZusatz4Subjects));
    Json erfuellt = Json::Object();
    for (int k = 0; k < kObligationCount; ++k) {
        const auto key = static_cast<Obligation>(k);
        erfuellt.Set(std::string(ObligationKey(key)), static_cast<int>(st.Erfuellt[key]));
    }
    o.Set("Erfuellt", std::move(erfuellt));
    o.Set("Aufgabenfeld", Json::Object()
                              .Set("A", static_cast<int>(st.Aufgabenfeld[Field::A]))
                              .Set("B", static_cast<int>(st.Aufgabenfeld[Field::B]))
                              .Set("C", static_cast<int>(st.Aufgabenfeld[Field::C])));
    o.Set("FelderOk", static_cast<int>(st.FelderOk));
    o.Set("KernOk", static_cast<int>(st.KernOk));
    o.Set("IntGewaehlt", static_cast<int>(st.IntGewaehlt));
    o.Set("NurEineFs", static_cast<int>(st.NurEineFs));
    o.Set("FspZahl", st.FspZahl);
    o.Set("FspZahlSport", st.FspZahlSport);
    o.Set("NwZahl", st.NwZahl);
    o.Set("NwZahlZusatz", st.NwZahlZusatz);
    o.Set("GqKurse", st.GqKurse);
    o.Set("ZeitVon", st.ZeitVon);
    o.Set("ZeitBis", st.ZeitBis);
    o.Set("KursSpalte1", TwoHourFamily(st.KursSpalte1));
    o.Set("KursSpalte2", TwoHourFamily(st.KursSpalte2));
    o.Set("ZeitOffen", TwoHourFamily(st.ZeitOffen));
    o.Set("ZusatzSchritt", static_cast<int>(st.ZusatzSchritt));
    o.Set("ZusatzPanelOffen", static_cast<int>(st.ZusatzPanelOffen));
    o.Set("ErgebnisAktiv", static_cast<int>(st.ErgebnisAktiv));
    o.Set("KursAnzahl", st.KursAnzahl);
    Json stunden = Json::Array();
    for (int n = 1; n <= 4; ++n) stunden.Push(st.Stunden[static_cast<std::size_t>(n)]);
    o.Set("Stunden", std::move(stunden));
    o.Set("StundenSumme", st.StundenSumme);
    o.Set("Durchschnitt", st.Durchschnitt);
    o.Set("IntSchrittAktiv", static_cast<int>(st.IntSchrittAktiv));
    return o;
}

Json DumpJson(MainWindow& win) {
    QtView& view = win.view();
    Json window = Json::Object();
    window.Set("title", win.windowTitle().toStdString())
        .Set("clientWidth", win.width())
        .Set("clientHeight", win.height())
        .Set("resizable", win.minimumSize() != win.maximumSize());
    // The control that holds the input focus (the innermost one), null for none.
    std::optional<Control> focus;
    for (const QWidget* w = QApplication::focusWidget(); w != nullptr && w != &win && !focus;
         w = w->parentWidget())
        focus = view.ControlOf(w);
    window.Set("focus", focus ? Json(ControlName(*focus)) : Json());

    Json controls = Json::Object();
    for (Control c : AllControls()) {
        const QWidget* w = win.widget(c);
        Json o = Json::Object();
        o.Set("enabled", OwnEnabled(w))
            .Set("visible", OwnVisible(w))
            .Set("colour", ColourWord(view.GetColour(c)))
            .Set("fontColour", ColourWord(view.FontColour(c)))
            .Set("text", view.Text(c))
            .Set("left", w->x())
            .Set("geometry",
                 Json::Array().Push(w->x()).Push(w->y()).Push(w->width()).Push(w->height()));
        if (design::TakesPick(c)) {
            o.Set("index", view.ItemIndex(c));
            Json items = Json::Array();
            for (const QString& item : view.Items(c)) items.Push(item.toStdString());
            o.Set("items", std::move(items));
        }
        if (!w->toolTip().isEmpty()) o.Set("hint", w->toolTip().toStdString());
        o.Set("accessibleName", w->accessibleName().toStdString());
        if (!w->accessibleDescription().isEmpty())
            o.Set("accessibleDescription", w->accessibleDescription().toStdString());
        controls.Set(std::string(ControlName(c)), std::move(o));
    }

    Json grid = Json::Array();
    for (int row = 0; row < kGridRows; ++row) {
        Json cells = Json::Array();
        for (int col = 0; col < kGridColumns; ++col) cells.Push(view.Cell(col, row));
        grid.Push(std::move(cells));
    }

    Json status = Json::Array();
    for (int panel = 0; panel < 4; ++panel) status.Push(view.StatusText(panel));

    Json dump = Json::Object();
    dump.Set("window", std::move(window))
        .Set("controls", std::move(controls))
        .Set("grid", std::move(grid))
        .Set("state", StateJson(win.state()))
        .Set("status", std::move(status));
    return Json::Object().Set("dump", std::move(dump));
}

// ---------------------------------------------------------------------------------------------
// The actions.

class Driver {
  public:
    Driver(MainWindow& win, ScriptedBoxes& boxes) : win_(win), boxes_(boxes) {}

    // Runs one command; false when the window has closed.
    bool Run(const Command& cmd) {
        // A list that `key` opened closes when the student turns to anything else.
        if (cmd.op == Op::Click || cmd.op == Op::Pick || cmd.op == Op::Type ||
            cmd.op == Op::Focus || cmd.op == Op::Close)
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
                Emit(DumpJson(win_));
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
        }
        QApplication::processEvents();
        if (win_.closed()) {
            Emit(Json::Object().Set("closed", true));
            return false;
        }
        return true;
    }

  private:
    bool Reachable(const Command& cmd) {
        if (Usable(win_, cmd.control)) return true;
        Emit(Json::Object().Set("ignored", cmd.source));
        return false;
    }

    void Click(const Command& cmd) {
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

    void Pick(const Command& cmd) {
        if (!Reachable(cmd)) return;
        QWidget* w = win_.widget(cmd.control);
        const int count = static_cast<int>(win_.view().Items(cmd.control).size());
        if (cmd.index < 0 || cmd.index >= count)
            Fail(2, "line " + std::to_string(cmd.line) + ": pick " + std::to_string(cmd.index) +
                        " outside the " + std::to_string(count) + " items of " +
                        std::string(ControlName(cmd.control)));
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

    void Type(const Command& cmd) {
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
                Emit(Json::Object().Set("ignored", cmd.source));
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

    static void ClosePopups() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            QApplication::processEvents();
        }
    }

    // key NAME KEYS: NAME gets the focus as with `focus`; then every key goes, pressed and
    // released, to the control that has the focus at that moment (an open list of a combo box
    // included); with no control focused, to the window.
    void Keys(const Command& cmd) {
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
                Emit(Json::Object().Set("ignored", cmd.source));
                return;
            }
            QWidget* target = QApplication::activePopupWidget();
            if (target != nullptr && target->focusWidget() != nullptr)
                target = target->focusWidget();
            if (target == nullptr) target = QApplication::focusWidget();
            if (target == nullptr) target = &win_;
            const QKeyCombination k = keys[i];
            Key(target, k.key(), KeyText(k), k.keyboardModifiers());
            QApplication::processEvents();
        }
    }

    // The text a key types: a printable character without Ctrl, Alt or Meta.
    static QString KeyText(QKeyCombination k) {
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

  public:
    // The keys of `key` as Qt's key sequence text; empty when they cannot be read.
    static QKeySequence ParseKeys(const std::string& text) {
        const QKeySequence keys =
            QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
        for (int i = 0; i < keys.count(); ++i)
            if (keys[i].key() == Qt::Key_unknown || keys[i].key() == 0) return {};
        return keys;
    }

  private:
    static void Key(QWidget* target, int key, const QString& text,
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QCoreApplication::sendEvent(target, &release);
    }

    MainWindow& win_;
    ScriptedBoxes& boxes_;
};

bool ReadAll(const std::string& name, std::string& out) {
    if (name == "-") {
        out.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return true;
}

// Standard error carries the driver's own complaints only.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << message.toStdString() << '\n';
        std::abort();
    }
}

int Main(int argc, char* argv[]) {
    std::string pdf;
    std::string scriptName;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--pdf" && i + 1 < argc) {
            pdf = argv[++i];
        } else if (scriptName.empty() && (arg == "-" || arg.rfind("-", 0) != 0)) {
            scriptName = arg;
        } else {
            Fail(2, "usage: belegix-drive [--pdf FILE] SCRIPT");
        }
    }
    if (scriptName.empty()) Fail(2, "usage: belegix-drive [--pdf FILE] SCRIPT");

    std::string source;
    if (!ReadAll(scriptName, source)) Fail(2, "cannot read the script " + scriptName);
    const Script script = ParseScript(source);
    if (script.error)
        Fail(2, "line " + std::to_string(script.error->line) + ": " + script.error->reason);
    for (const Command& cmd : script.commands)
        if (cmd.op == Op::Key && Driver::ParseKeys(cmd.text).isEmpty())
            Fail(2, "line " + std::to_string(cmd.line) + ": unknown keys \"" + cmd.text + "\"");

    // Headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQt);
    QApplication app(argc, argv);
    PrepareApplication(app);

    ScriptedBoxes boxes;
    std::unique_ptr<PrintStream> pdfStream;
    if (!pdf.empty()) pdfStream = MakePdfPrintStream(pdf);
    RecordingPrintStream printer(std::move(pdfStream));

    MainWindow win(boxes, printer);
    win.stopTimer();
    win.setClock([] { return QDateTime(QDate(2016, 6, 1), QTime(8, 0, 0)); });
    win.show();
    win.activateWindow();
    QApplication::setActiveWindow(&win);
    QApplication::processEvents();
    win.ActivateOnce();

    Driver driver(win, boxes);
    for (const Command& cmd : script.commands)
        if (!driver.Run(cmd)) break;

    if (boxes.Pending() > 0)
        Fail(3, std::to_string(boxes.Pending()) + " queued answer(s) left unused");
    return 0;
}

}  // namespace
}  // namespace belegix::drive

int main(int argc, char* argv[]) {
    return belegix::drive::Main(argc, argv);
}
