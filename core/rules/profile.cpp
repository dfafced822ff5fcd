#include "core/rules/profile.h"

#include <span>
#include <string>

#include "core/rules/profile_lists.h"
#include "core/rules/steps.h"

namespace belegix {

namespace {

void Fill(View& v, Control box, std::span<const ListItem> items) {
    v.ClearItems(box);
    for (const ListItem& item : items) v.AddItem(box, std::string(item.text));
}

// A core position of the profile: "SP1" or "SP2", moved left, in red.
void MarkCore(View& v, Control label, const char* caption) {
    v.SetText(label, caption);
    v.SetLeft(label, 6);
    v.SetFontColour(label, Colour::Red);
}

void FillLists(View& v, Profile profile) {
    using enum Control;
    const ProfileLists& lists = ListsFor(profile);
    // Profiles B and sport have one fixed first exam subject and the additional obligation;
    // B has its second core subject at P3.
    const bool fixedP1 = profile == Profile::B || profile == Profile::Sport;
    const bool coreAtP3 = profile == Profile::B;

    v.ClearItems(Lk1Box);
    v.SetText(ProfilLabel, std::string(lists.labelCaption));
    for (const ListItem& item : lists.lk1) v.AddItem(Lk1Box, std::string(item.text));
    MarkCore(v, Label15, "SP1");
    if (fixedP1) v.SetItemIndex(Lk1Box, 0);
    Fill(v, Lk2Box, lists.lk2);
    if (!coreAtP3) MarkCore(v, Label16, "SP2");
    Fill(v, P3Box, lists.p3);
    if (coreAtP3) MarkCore(v, Label17, "SP2");
    Fill(v, P4Box, lists.p4);
    Fill(v, P5Box, lists.p5);

    v.ClearItems(BExtraBox);
    if (fixedP1) {
        for (std::string_view item : kBExtraItems) v.AddItem(BExtraBox, std::string(item));
        v.SetItemIndex(BExtraBox, 0);
    } else {
        v.AddItem(BExtraBox, std::string(kBrauchstDuNicht));
        v.SetItemIndex(BExtraBox, 0);
        v.SetEnabled(BExtraBox, false);
    }
}

}  // namespace

void ConfirmProfile(ChoiceState&, View& v) {
    using enum Control;
    const int index = v.ItemIndex(ProfilRadioGroup);

    if (index >= 0 && index < kProfileCount) FillLists(v, static_cast<Profile>(index));
    if (index == -1) {
        v.MessageDlg(std::string(kOptionWaehlen), DlgType::Information, DlgButtons::Ok);
        v.Repaint(ProfilRadioGroup);
        return;
    }

    FinishStep(v, Step::Profile);
}

}  // namespace belegix
