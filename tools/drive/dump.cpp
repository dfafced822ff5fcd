#include "tools/drive/dump.h"

#include <QApplication>

#include "core/choice_state.h"
#include "core/design.h"
#include "tools/drive/session.h"

namespace belegix::drive {

namespace {

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

}  // namespace

Json DumpJson(MainWindow& win) {
    QtView& view = win.view();
    Json window = Json::Object();
    window.Set("title", win.windowTitle().toStdString())
        .Set("clientWidth", win.clientArea()->width())
        .Set("clientHeight", win.clientArea()->height())
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

    const PlanStatus plan = win.planStatus();
    Json dump = Json::Object();
    dump.Set("window", std::move(window))
        .Set("controls", std::move(controls))
        .Set("grid", std::move(grid))
        .Set("state", StateJson(win.state()))
        .Set("status", std::move(status))
        .Set("plan", Json::Object()
                         .Set("file", plan.file.isEmpty() ? Json() : Json(plan.file.toStdString()))
                         .Set("unsaved", plan.unsaved)
                         .Set("undo", plan.undo)
                         .Set("redo", plan.redo));
    return Json::Object().Set("dump", std::move(dump));
}

}  // namespace belegix::drive
