#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/rules/obligations.h"
#include "core/rules/profile_lists.h"
#include "core/rules/steps.h"
#include "tests/support/test_view.h"

namespace belegix {
namespace {

using test::Box;
using test::TestView;
using enum Control;
using enum Subject;
using O = Obligation;

const std::string kDe = "De-Auflage muss noch erfüllt werden!";
const std::string kFsp = "Fsp-Auflage muss noch erfüllt werden!";
const std::string kKuMu = "DsKuMu-Auflage muss noch erfüllt werden!";
const std::string kKuMuZusatz = "KuMu-Zusatz-Auflage muss noch erfüllt werden!";
const std::string kPo = "PW-Auflage muss noch erfüllt werden!";
const std::string kGe = "Ge-Auflage muss noch erfüllt werden!";
const std::string kReWn = "ReWn-Auflage muss noch erfüllt werden!";
const std::string kMa = "Ma-Auflage muss noch erfüllt werden!";
const std::string kNw = "NW-Auflage muss noch erfüllt werden!";
const std::string kSp = "Sp-Auflage muss noch erfüllt werden!";
const std::string kBExtra =
    "Zusatz-Auflage (zwei weitere Kurse in einer Fremdsprache oder in einer Naturwissenschaft) "
    "muss noch erfüllt werden!";

// Step 3 open, as the exam-subject confirmation leaves it; no obligation met yet.
class Obligations : public ::testing::Test {
  protected:
    void SetUp() override {
        StartPlanner(st, v);
        OpenStep(v, Step::Obligations);
    }

    // What the check of a profile without an additional obligation has already met.
    void MetByProfileA() {
        st.Erfuellt[O::KuMuZusatz] = 1;
        st.Erfuellt[O::BExtra] = 1;
        v.SetItems(BExtraBox, {"Brauchst Du nicht!"});
        v.SetItemIndex(BExtraBox, 0);
        v.SetEnabled(BExtraBox, false);
    }

    void PickAllPlainRows() {
        v.Pick(DeBox, 0);
        v.Pick(FspBox, 1);
        v.Pick(KuMuBox, 2);
        v.Pick(PoBox, 0);
        v.Pick(GeBox, 0);
        v.Pick(ReWnBox, 1);
        v.Pick(MaBox, 0);
        v.Pick(NaturBox, 0);
        v.Pick(SpBox, 0);
    }

    void ExpectPlainBoxes(const std::vector<std::string>& texts) {
        EXPECT_EQ(v.BoxTexts(), texts);
        for (const Box& b : v.Boxes()) {
            EXPECT_EQ(b.kind, Box::Kind::Plain) << b.text;
            EXPECT_EQ(b.buttons, DlgButtons::Ok);
        }
    }

    void ExpectSeminarfachRow() {
        for (int col = 2; col <= 5; ++col) EXPECT_EQ(v.Cell(col, Row(Sf)), "2") << col;
    }

    void ExpectStepStillOpen() {
        EXPECT_TRUE(v.Get(GroupBox2).enabled);
        EXPECT_EQ(v.GetColour(GroupBox2), Colour::Orange);
        EXPECT_TRUE(v.Get(AuflagenBitBtn).enabled);
        EXPECT_FALSE(v.Get(GroupBox3).enabled);
        EXPECT_FALSE(v.Get(ErgebnisBitBtn).enabled);
        EXPECT_EQ(v.Text(ZusatzBox), "");
        EXPECT_GE(v.Repaints(GroupBox2), 1);
    }

    ChoiceState st;
    TestView v;
};

TEST_F(Obligations, NoRowChosenNamesEveryObligationInOrderAndStillWritesTheSeminarfach) {
    CheckObligations(st, v);
    ExpectPlainBoxes({kDe, kFsp, kKuMu, kKuMuZusatz, kPo, kGe, kReWn, kMa, kNw, kSp, kBExtra});
    ExpectSeminarfachRow();
    ExpectStepStillOpen();
    for (int k = 0; k < kObligationCount; ++k) EXPECT_EQ(st.Erfuellt[O(k)], 0);
}

TEST_F(Obligations, OnlyTheObligationsLeftOpenByTheExamSubjectsAreNamed) {
    MetByProfileA();
    st.Erfuellt[O::De] = 1;  // Deutsch as an exam subject
    st.Erfuellt[O::Ma] = 1;
    v.Pick(SpBox, 0);
    CheckObligations(st, v);
    ExpectPlainBoxes({kFsp, kKuMu, kPo, kGe, kReWn, kNw});
    ExpectSeminarfachRow();
    ExpectStepStillOpen();
    EXPECT_EQ(st.Erfuellt[O::Sp], 1);
}

TEST_F(Obligations, AllRowsMetClosesStepThreeAndOpensStepFour) {
    MetByProfileA();
    PickAllPlainRows();
    CheckObligations(st, v);

    EXPECT_TRUE(v.Boxes().empty());
    for (int k = 0; k < kObligationCount; ++k) EXPECT_EQ(st.Erfuellt[O(k)], 1) << k;
    ExpectSeminarfachRow();
    EXPECT_EQ(v.GetColour(GroupBox2), Colour::Silver);
    EXPECT_FALSE(v.Get(GroupBox2).enabled);
    EXPECT_FALSE(v.Get(AuflagenBitBtn).enabled);
    EXPECT_EQ(v.Text(ZusatzBox), "Zusatzkurse gewünscht?");
    EXPECT_EQ(v.ItemIndex(ZusatzBox), -1);
    EXPECT_TRUE(v.Get(GroupBox3).enabled);
    EXPECT_EQ(v.GetColour(GroupBox3), Colour::Silver);  // still silver until entered
    EXPECT_EQ(v.Get(ErgebnisBitBtn).fontColour, Colour::Red);
    EXPECT_TRUE(v.Get(ErgebnisBitBtn).enabled);
    // Only the Seminarfach row is written.
    for (int row = 1; row < Row(Sf); ++row)
        for (int col = 1; col <= 5; ++col) EXPECT_EQ(v.Cell(col, row), " ");
}

TEST_F(Obligations, EveryRowIsMetByEachOfItsSubjects) {
    MetByProfileA();
    for (int fsp = 0; fsp <= 3; ++fsp) {
        for (int rewn = 0; rewn <= 1; ++rewn) {
            ChoiceState fresh;
            fresh.Erfuellt[O::KuMuZusatz] = fresh.Erfuellt[O::BExtra] = 1;
            PickAllPlainRows();
            v.Pick(FspBox, fsp);
            v.Pick(ReWnBox, rewn);
            v.Pick(KuMuBox, fsp % 3);
            v.Pick(NaturBox, fsp);
            v.Pick(SpBox, rewn + 1);
            v.ClearBoxes();
            CheckObligations(fresh, v);
            EXPECT_TRUE(v.Boxes().empty()) << fsp << rewn;
        }
    }
}

TEST_F(Obligations, BereitsErfuelltChosenByHandMeetsNothingButInSpBox) {
    MetByProfileA();
    v.Pick(DeBox, 1);
    v.Pick(FspBox, 4);
    v.Pick(KuMuBox, 3);
    v.Pick(PoBox, 1);
    v.Pick(GeBox, 1);
    v.Pick(ReWnBox, 2);
    v.Pick(MaBox, 1);
    v.Pick(NaturBox, 4);
    v.Pick(SpBox, 2);
    CheckObligations(st, v);
    ExpectPlainBoxes({kDe, kFsp, kKuMu, kPo, kGe, kReWn, kMa, kNw});
    EXPECT_EQ(st.Erfuellt[O::Sp], 1);

    // The empty fifth item of the arts row meets nothing either; "befreit (Attest)" meets Sport.
    ChoiceState other;
    other.Erfuellt[O::KuMuZusatz] = 1;
    v.Pick(KuMuBox, 4);
    v.Pick(SpBox, 1);
    v.ClearBoxes();
    CheckObligations(other, v);
    EXPECT_EQ(other.Erfuellt[O::KuMu], 0);
    EXPECT_EQ(other.Erfuellt[O::Sp], 1);
}

TEST_F(Obligations, TypedTextCountsAsNoSelection) {
    MetByProfileA();
    PickAllPlainRows();
    v.Type(DeBox, "Deutsch");
    v.Type(SpBox, "Sport");
    CheckObligations(st, v);
    ExpectPlainBoxes({kDe, kSp});
    ExpectStepStillOpen();
}

TEST_F(Obligations, FlagsMetOnAnEarlierConfirmationStaySet) {
    MetByProfileA();
    v.Pick(DeBox, 0);
    v.Pick(MaBox, 0);
    CheckObligations(st, v);
    EXPECT_EQ(st.Erfuellt[O::De], 1);

    v.SetItemIndex(DeBox, -1);
    v.SetItemIndex(MaBox, -1);
    v.Pick(FspBox, 0);
    v.ClearBoxes();
    CheckObligations(st, v);
    ExpectPlainBoxes({kKuMu, kPo, kGe, kReWn, kNw, kSp});
    EXPECT_EQ(st.Erfuellt[O::Ma], 1);
}

TEST_F(Obligations, AdditionalObligationSubjectsAccumulate) {
    v.SetItems(BExtraBox, {});
    for (const items::BoxItem& item : items::kAdditionalObligation)
        v.AddItem(BExtraBox, std::string(item.text));
    ASSERT_EQ(v.Get(BExtraBox).items.size(), 9u);

    v.Pick(BExtraBox, 0);  // "Bitte wählen"
    CheckObligations(st, v);
    EXPECT_EQ(st.Erfuellt[O::BExtra], 0);
    EXPECT_EQ(v.BoxTexts().back(), kBExtra);

    v.Pick(BExtraBox, 1);  // Englisch
    CheckObligations(st, v);
    v.Pick(BExtraBox, 6);  // Chemie
    v.ClearBoxes();
    CheckObligations(st, v);
    EXPECT_EQ(st.Erfuellt[O::BExtra], 1);
    EXPECT_EQ(st.Zusatz4[En], 1);
    EXPECT_EQ(st.Zusatz4[Ch], 1);
    for (Subject s : {Fr, La, Sn, Bi, Ph, If}) EXPECT_EQ(st.Zusatz4[s], 0) << SubjectKey(s);
    const std::vector<std::string> texts = v.BoxTexts();
    EXPECT_EQ(std::find(texts.begin(), texts.end(), kBExtra), texts.end());

    // Each position adds its own subject.
    const Subject expected[] = {En, Fr, La, Sn, Bi, Ch, Ph, If};
    for (int pos = 1; pos <= 8; ++pos) {
        ChoiceState fresh;
        v.Pick(BExtraBox, pos);
        CheckObligations(fresh, v);
        for (Subject s : kZusatz4Subjects)
            EXPECT_EQ(fresh.Zusatz4[s], s == expected[pos - 1] ? 1 : 0) << pos << SubjectKey(s);
    }
}

TEST_F(Obligations, AdditionalArtsObligation) {
    MetByProfileA();
    st.Erfuellt[O::KuMuZusatz] = 0;
    st.Erfuellt[O::KuMu] = 1;  // Kunst as P1 met the arts obligation
    st.PFach[Ku] = 1;
    PickAllPlainRows();

    v.Pick(KuMuBox, 1);  // Kunst again: no second arts subject
    CheckObligations(st, v);
    ExpectPlainBoxes({kKuMuZusatz});
    EXPECT_EQ(st.Erfuellt[O::KuMuZusatz], 0);

    for (int kumu : {0, 2}) {  // Darst.Spiel, Musik
        ChoiceState s2 = st;
        v.Pick(KuMuBox, kumu);
        v.ClearBoxes();
        CheckObligations(s2, v);
        EXPECT_TRUE(v.Boxes().empty()) << kumu;
        EXPECT_EQ(s2.Erfuellt[O::KuMuZusatz], 1);
    }

    // Musik as the exam subject is complemented by Kunst in the box, or by Ds as exam subject.
    ChoiceState mu = st;
    mu.PFach[Ku] = 0;
    mu.PFach[Mu] = 1;
    v.Pick(KuMuBox, 1);
    CheckObligations(mu, v);
    EXPECT_EQ(mu.Erfuellt[O::KuMuZusatz], 1);

    ChoiceState ds = mu;
    ds.Erfuellt[O::KuMuZusatz] = 0;
    ds.PFach[Ds] = 1;
    v.SetItemIndex(KuMuBox, -1);
    CheckObligations(ds, v);
    EXPECT_EQ(ds.Erfuellt[O::KuMuZusatz], 1);

    // Without an arts exam subject nothing in the box meets it.
    ChoiceState none;
    v.Pick(KuMuBox, 0);
    CheckObligations(none, v);
    EXPECT_EQ(none.Erfuellt[O::KuMuZusatz], 0);
}

class NaturBoxRefusals : public Obligations {
  protected:
    void Choose(int profile, int index) {
        v.SetItemIndex(ProfilRadioGroup, profile);
        v.Pick(NaturBox, index);
        v.ClearBoxes();
        ChooseScience(st, v);
    }
    void ExpectCleared() {
        EXPECT_EQ(v.ItemIndex(NaturBox), -1);
        EXPECT_EQ(v.Text(NaturBox), "");
    }
    void ExpectInformationBoxes(const std::vector<std::string>& texts) {
        EXPECT_EQ(v.BoxTexts(), texts);
        for (const Box& b : v.Boxes()) {
            EXPECT_EQ(b.kind, Box::Kind::Information);
            EXPECT_EQ(b.buttons, DlgButtons::Ok);
        }
    }
    const std::string examMsg =
        "Du hast dieses Fach bereits als Prüfungsfach gewählt. Wähle bitte eine andere "
        "Naturwissenschaft aus!";
    const std::string ifMsg =
        "Du kannst Informatik nur im naturwissenschaftlichen Profil anstelle einer "
        "Naturwissenschaft zur Auflagenerfüllung wählen. Wähle bitte eine andere "
        "Naturwissenschaft aus!";
};

TEST_F(NaturBoxRefusals, AScienceThatIsAnExamCourseIsRefused) {
    const Subject sciences[] = {Bi, Ch, Ph, If};
    for (int i = 0; i < 4; ++i) {
        st.PKurs.Fill(0);
        st.PKurs[sciences[i]] = 1;
        Choose(3, i);
        ExpectInformationBoxes({examMsg});
        ExpectCleared();
        // Another science is accepted.
        Choose(3, (i + 1) % 4);
        EXPECT_TRUE(v.Boxes().empty());
        EXPECT_EQ(v.ItemIndex(NaturBox), (i + 1) % 4);
    }
    EXPECT_EQ(st.Erfuellt[O::Natur], 0);  // recorded only by the confirmation
}

TEST_F(NaturBoxRefusals, InformatikOnlyInTheMathsAndScienceProfile) {
    for (int profile : {0, 1, 2, 4}) {
        Choose(profile, 3);
        ExpectInformationBoxes({ifMsg});
        ExpectCleared();
    }
    Choose(3, 3);
    EXPECT_TRUE(v.Boxes().empty());
    EXPECT_EQ(v.ItemIndex(NaturBox), 3);
    EXPECT_EQ(v.Text(NaturBox), "Informatik");
}

TEST_F(NaturBoxRefusals, TheExamSubjectTestComesFirstAndLeavesNothingForTheSecond) {
    st.PKurs[If] = 1;  // Informatik as P4 in the language profile
    Choose(0, 3);
    ExpectInformationBoxes({examMsg});
    ExpectCleared();

    // Physik as P1 in the maths-and-science profile: only the exam-subject message.
    st.PKurs.Fill(0);
    st.PKurs[Ph] = 1;
    Choose(3, 2);
    ExpectInformationBoxes({examMsg});
    ExpectCleared();
}

}  // namespace
}  // namespace belegix
