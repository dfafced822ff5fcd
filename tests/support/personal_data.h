// The personal data and result panels of a plan ready to print, shared by the page tests.
#pragma once

#include "tests/support/test_view.h"

namespace belegix::test {

inline void FillPersonalDataAndTotals(TestView& v) {
    using enum Control;
    v.SetText(MaskEdit1, "Mustermann");
    v.SetText(MaskEdit2, "Erika");
    v.SetText(MaskEdit3, "10c");
    v.SetText(MaskEdit4, "Gymnasium Lindenhain");
    v.SetText(ProfilLabel, "Sprachliches Profil");
    v.SetText(Semester1, "34");
    v.SetText(Semester2, "34");
    v.SetText(Semester3, "31");
    v.SetText(Semester4, "31");
    v.SetText(SemesterD, "32");
    v.SetText(Gsq, "36");
}

}  // namespace belegix::test
