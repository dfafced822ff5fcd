#include "core/rules/profile.h"

#include <optional>
#include <span>
#include <string>

#include "core/rules/profile_lists.h"
#include "core/rules/steps.h"

namespace belegix {

namespace {

void Fill(View& v, Control box, std::span<const ListItem> list) {
    v.ClearItems(box);
    for (const ListItem& item : list) v.AddItem(box, std::string(item.text));
}

void Fill(View& v, Control box, std::span<const items::BoxItem> list) {
    v.ClearItems(box);
    for (const items::BoxItem& item : list) v.AddItem(box, std::string(item.text));
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
    v.SetText(ProfilLabel, std::string(items::ItemOf(profile).caption));
    for (const ListItem& item : lists.lk1) v.AddItem(Lk1Box, std::string(item.text));
    MarkCore(v, Label15, "SP1");
    if (fixedP1) v.SetItemIndex(Lk1Box, kFirstItem);
    Fill(v, Lk2Box, lists.lk2);
    if (!coreAtP3) MarkCore(v, Label16, "SP2");
    Fill(v, P3Box, lists.p3);
    if (coreAtP3) MarkCore(v, Label17, "SP2");
    Fill(v, P4Box, lists.p4);
    Fill(v, P5Box, lists.p5);

    // `BExtraBox` shows its prompt, or the single item of a profile without the obligation.
    if (fixedP1) {
        Fill(v, BExtraBox, items::kAdditionalObligation);
        v.SetItemIndex(BExtraBox, kFirstItem);
    } else {
        Fill(v, BExtraBox, items::kAdditionalNotNeeded);
        v.SetItemIndex(BExtraBox, kFirstItem);
        v.SetEnabled(BExtraBox, false);
    }
}

}  // namespace

void ConfirmProfile(ChoiceState&, View& v) {
    using enum Control;
    const std::optional<Profile> profile = items::PickedProfile(v);

    if (profile) FillLists(v, *profile);
    if (v.ItemIndex(ProfilRadioGroup) == kNoItem) {
        v.MessageDlg(std::string(kOptionWaehlen), DlgType::Information, DlgButtons::Ok);
        v.Repaint(ProfilRadioGroup);
        return;
    }

    FinishStep(v, Step::Profile);
}

}  // namespace belegix
