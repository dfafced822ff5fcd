#include "core/rules/intensive_language.h"

#include <string>

#include "core/box_items.h"
#include "core/plan_limits.h"
#include "core/rules/steps.h"

namespace belegix {

namespace {

using enum Subject;

// The row of an intensive language: "Int" and a four-hour course in every half-year.
void WriteIntensiveRow(View& v, Subject s) {
    v.SetCell(plan::kRoleColumn, Row(s), "Int");
    for (int col = plan::kFirstHalfYearColumn; col <= plan::kLastHalfYearColumn; ++col)
        v.SetCell(col, Row(s), std::string(plan::kObligationCourse));
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
    if (v.ItemIndex(box) == kNoItem) {
        v.MessageDlg(std::string(kOptionWaehlen), DlgType::Information, DlgButtons::Ok);
        v.Repaint(box);
    }
    if (const auto s = items::PickedSubject(v, box)) ChooseLanguage(st, v, *s);
    if (const items::BoxItem* item = items::Picked(v, box);
        item && item->means == items::Means::None) {
        st.IntGewaehlt = 0;
        st.NurEineFs = 0;
        // Every language of the box is cleared, its row blanked.
        for (const items::BoxItem& language : items::Of(box)) {
            if (!language.subject) continue;
            const Subject s = *language.subject;
            st.Int[s] = 0;
            v.SetCell(plan::kRoleColumn, Row(s), "   ");
            for (int col = plan::kFirstHalfYearColumn; col <= plan::kLastHalfYearColumn; ++col)
                v.SetCell(col, Row(s), "  ");
        }
    }
    if (items::PicksCourse(v, box)) {
        const DlgResult answer =
            v.MessageDlg(std::string(kNurEineFsFrage), DlgType::Confirmation, DlgButtons::YesNo);
        st.NurEineFs = answer == DlgResult::Yes ? 1 : 0;
    }
    if (v.ItemIndex(box) != kNoItem) FinishStep(v, Step::IntensiveLanguage);
}

}  // namespace belegix
