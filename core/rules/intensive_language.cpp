#include "core/rules/intensive_language.h"

#include <string>

#include "core/rules/steps.h"

namespace belegix {

namespace {

using enum Subject;

// The row of an intensive language: "Int" and a four-hour course in every half-year.
void WriteIntensiveRow(View& v, Subject s) {
    v.SetCell(1, Row(s), "Int");
    for (int col = 2; col <= 5; ++col) v.SetCell(col, Row(s), "4*");
}

void ChooseLanguage(ChoiceState& st, View& v, Subject s) {
    st.IntGewaehlt = 1;
    st.Int[s] = 1;
    WriteIntensiveRow(v, s);
}

}  // namespace

void ChooseIntensiveLanguage(ChoiceState& st, View& v) {
    constexpr Control box = Control::IntFSprComboBox;

    // Every test reads the box afresh and every test runs.
    if (v.ItemIndex(box) == -1) {
        v.MessageDlg(std::string(kOptionWaehlen), DlgType::Information, DlgButtons::Ok);
        v.Repaint(box);
    }
    if (v.ItemIndex(box) == 0) ChooseLanguage(st, v, Fr);
    if (v.ItemIndex(box) == 1) ChooseLanguage(st, v, La);
    if (v.ItemIndex(box) == 2) ChooseLanguage(st, v, Sn);
    if (v.ItemIndex(box) == 3) {
        st.IntGewaehlt = 0;
        st.NurEineFs = 0;
        st.Int[Fr] = 0;
        st.Int[La] = 0;
        st.Int[Sn] = 0;
        for (Subject s : {Fr, La, Sn}) {
            v.SetCell(1, Row(s), "   ");
            for (int col = 2; col <= 5; ++col) v.SetCell(col, Row(s), "  ");
        }
    }
    if (const int index = v.ItemIndex(box); index >= 0 && index <= 2) {
        const DlgResult answer =
            v.MessageDlg(std::string(kNurEineFsFrage), DlgType::Confirmation, DlgButtons::YesNo);
        st.NurEineFs = answer == DlgResult::Yes ? 1 : 0;
    }
    if (v.ItemIndex(box) != -1) FinishStep(v, Step::IntensiveLanguage);
}

}  // namespace belegix
