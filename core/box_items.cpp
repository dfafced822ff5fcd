#include "core/box_items.h"

#include <string>

#include "core/must_exist.h"

namespace belegix::items {

namespace {

template <class Item>
const Item* At(std::span<const Item> table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return nullptr;
    return &table[static_cast<std::size_t>(index)];
}

}  // namespace

std::vector<std::string_view> Texts(std::span<const std::string_view> table) {
    return {table.begin(), table.end()};
}

std::span<const BoxItem> Of(Control box) {
    switch (box) {
        case Control::IntFSprComboBox:
            return kIntensiveLanguages;
        case Control::DeBox:
            return kDeutsch;
        case Control::FspBox:
            return kForeignLanguages;
        case Control::KuMuBox:
            return kArts;
        case Control::PoBox:
            return kPolitics;
        case Control::GeBox:
            return kHistory;
        case Control::ReWnBox:
            return kReligion;
        case Control::MaBox:
            return kMaths;
        case Control::NaturBox:
            return kSciences;
        case Control::SpBox:
            return kSport;
        case Control::BExtraBox:
            return kAdditionalObligation;
        case Control::ZusatzBox:
            return kFurtherCourses;
        default:
            MustExist(false, "item table of " + std::string(ControlName(box)));
            return {};
    }
}

const BoxItem* Picked(const View& view, Control box) {
    return At(Of(box), view.ItemIndex(box));
}

std::optional<Subject> PickedSubject(const View& view, Control box) {
    const BoxItem* item = Picked(view, box);
    if (item == nullptr || item->means != Means::Course) return std::nullopt;
    return item->subject;
}

bool PicksCourse(const View& view, Control box) {
    return PickedSubject(view, box).has_value();
}

int IndexOf(std::span<const BoxItem> table, Subject subject) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].means == Means::Course && table[i].subject == subject)
            return static_cast<int>(i);
    MustExist(false, "item of the subject " + std::string(SubjectKey(subject)));
    return kNoItem;
}

int IndexOf(std::span<const BoxItem> table, Means means) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].means == means) return static_cast<int>(i);
    MustExist(false, "item of the meaning " + std::to_string(static_cast<int>(means)));
    return kNoItem;
}

const ProfileItem& ItemOf(Profile profile) {
    std::size_t i = 0;
    while (i < std::size(kProfiles) && kProfiles[i].profile != profile) ++i;
    return ElementOf(kProfiles, i, "option of a profile");
}

std::optional<Profile> PickedProfile(const View& view) {
    const ProfileItem* item =
        At(std::span<const ProfileItem>(kProfiles), view.ItemIndex(Control::ProfilRadioGroup));
    if (item == nullptr) return std::nullopt;
    return item->profile;
}

const PeriodItem* PickedPeriod(const View& view) {
    return At(std::span<const PeriodItem>(kPeriods), view.ItemIndex(Control::RGZusatzkurse));
}

std::optional<TwoHour> TwoHourOf(Subject s) {
    switch (s) {
        case Ds:
            return TwoHour::Ds;
        case Ku:
            return TwoHour::Ku;
        case Mu:
            return TwoHour::Mu;
        case Po:
            return TwoHour::Po;
        case Ge:
            return TwoHour::Ge;
        default:
            return std::nullopt;
    }
}

}  // namespace belegix::items
