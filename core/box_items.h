// What the items of the window's choice boxes mean. Each table gives an item's text, as the box
// shows it, together with its meaning; the design table fills the boxes from these tables and the
// rules ask them what the picked item stands for, so an item's text and meaning cannot part.
// The exam-subject boxes get their lists per profile (core/rules/profile_lists.h).
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/choice_state.h"
#include "core/view.h"

namespace belegix {

// The profiles in the order of `ProfilRadioGroup`.
enum class Profile : int { A = 0, KuMu = 1, B = 2, C = 3, Sport = 4 };
inline constexpr int kProfileCount = 5;

// Selected indexes that mean the same in every box.
inline constexpr int kNoItem = -1;  // nothing picked, or typed text
inline constexpr int kFirstItem = 0;

namespace items {

// What picking an item of a step-0, step-3 or step-4 box means.
enum class Means {
    Course,  // a course in `subject`
    Met,     // the obligation is met already ("bereits erfüllt")
    Exempt,  // exempt from the obligation ("befreit (Attest)")
    None,    // no course: "keine", a prompt, the empty item
};

struct BoxItem {
    std::string_view text;
    Means means = Means::None;
    std::optional<Subject> subject;  // for a course: its subject and so its plan row
    int hours = 0;                   // `ZusatzBox`: the weekly hours of the further course
};

constexpr BoxItem Course(std::string_view text, Subject s, int hours = 0) {
    return {text, Means::Course, s, hours};
}
constexpr BoxItem Met(std::string_view text) {
    return {text, Means::Met, std::nullopt, 0};
}
constexpr BoxItem Exempt(std::string_view text) {
    return {text, Means::Exempt, std::nullopt, 0};
}
constexpr BoxItem None(std::string_view text) {
    return {text, Means::None, std::nullopt, 0};
}

using enum Subject;

// Step 0, `IntFSprComboBox`.
inline constexpr BoxItem kIntensiveLanguages[] = {Course("Französisch", Fr), Course("Latein", La),
                                                  Course("Spanisch", Sn), None("keine")};

// Step 1, `ProfilRadioGroup`: the option and the caption `ProfilLabel` shows for it.
struct ProfileItem {
    std::string_view text;
    Profile profile;
    std::string_view caption;
};
inline constexpr ProfileItem kProfiles[] = {
    {"sprachlich", Profile::A, "Sprachliches Profil"},
    {"künstlerisch-musisch", Profile::KuMu, "Künstlerisch-musisches Profil"},
    {"gesellschaftswissenschaftlich", Profile::B, "Gesellschaftswissenschaftliches Profil"},
    {"mathematisch-naturwissensch.", Profile::C, "Mathematisch-naturwissenschaftliches Profil"},
    {"sportlich", Profile::Sport, "Sportliches Profil"},
};

// Step 3, one table per obligation box.
inline constexpr BoxItem kDeutsch[] = {Course("Deutsch", De), Met("bereits erfüllt")};
inline constexpr BoxItem kForeignLanguages[] = {Course("Englisch", En), Course("Französisch", Fr),
                                                Course("Latein", La), Course("Spanisch", Sn),
                                                Met("bereits erfüllt")};
inline constexpr BoxItem kArts[] = {Course("Darst.Spiel", Ds), Course("Kunst", Ku),
                                    Course("Musik", Mu), Met("bereits erfüllt"), None("")};
inline constexpr BoxItem kPolitics[] = {Course("Politik-W.", Po), Met("bereits erfüllt")};
inline constexpr BoxItem kHistory[] = {Course("Geschichte", Ge), Met("bereits erfüllt")};
inline constexpr BoxItem kReligion[] = {Course("Religion", Re), Course("Werte u. Normen", Wn),
                                        Met("bereits erfüllt")};
// The trailing blank is the item's own.
inline constexpr BoxItem kMaths[] = {Course("Mathematik", Ma), Met("bereits erfüllt ")};
inline constexpr BoxItem kSciences[] = {Course("Biologie", Bi), Course("Chemie", Ch),
                                        Course("Physik", Ph), Course("Informatik", If),
                                        Met("bereits erfüllt")};
inline constexpr BoxItem kSport[] = {Course("Sport", Sp), Exempt("befreit (Attest)"),
                                     Met("bereits erfüllt")};

// `BExtraBox` holds one of three lists: the choice of the profiles with the additional
// obligation ("Französich" is spelt so), the single item of the profiles without it, and the
// single item that replaces the choice once the exam subjects meet it.
inline constexpr std::string_view kBrauchstDuNicht = "Brauchst Du nicht!";
inline constexpr std::string_view kBereitsErfuelltExtra = "Bereits erfüllt!";
inline constexpr BoxItem kAdditionalObligation[] = {
    None("Bitte wählen"), Course("Englisch", En), Course("Französich", Fr),
    Course("Latein", La), Course("Spanisch", Sn), Course("Biologie", Bi),
    Course("Chemie", Ch), Course("Physik", Ph),   Course("Informatik", If)};
inline constexpr BoxItem kAdditionalNotNeeded[] = {Met(kBrauchstDuNicht)};
inline constexpr BoxItem kAdditionalMet[] = {Met(kBereitsErfuelltExtra)};

// Step 4, `SeminarBox`: the areas of the Seminarfach.
inline constexpr std::string_view kSeminarAreas[] = {
    "sprachlich", "musisch-künstlerisch", "gesellschaftswissenschaftlich",
    "mathematisch-naturwissenschaftlich", "sportlich"};

// Step 4, `ZusatzBox`: a further course and its weekly hours.
inline constexpr BoxItem kFurtherCourses[] = {
    Course("Englisch", En, 4),   Course("Französisch", Fr, 4),  Course("Latein", La, 4),
    Course("Spanisch", Sn, 4),   Course("Darst. Spiel", Ds, 2), Course("Kunst", Ku, 2),
    Course("Musik", Mu, 2),      Course("Erdkunde", Ek, 2),     Course("Geschichte", Ge, 2),
    Course("Politik-W.", Po, 2), Course("Religion", Re, 2),     Course("Werte und Normen", Wn, 2),
    Course("Biologie", Bi, 4),   Course("Chemie", Ch, 4),       Course("Physik", Ph, 4),
    Course("Informatik", If, 4)};

// The period panel, `RGZusatzkurse`: the half-years a course runs in. A step-3 course is offered
// the two-half-year periods only, which lead the list.
struct PeriodItem {
    std::string_view text;
    int from;  // first half-year, 1 to 4
    int to;    // last half-year
};
inline constexpr PeriodItem kPeriods[] = {
    {"1. und 2. Halbjahr", 1, 2}, {"3. und 4. Halbjahr", 3, 4}, {"1. bis 4. Halbjahr", 1, 4}};

// The texts of a table, for the design.
template <class Item>
std::vector<std::string_view> Texts(std::span<const Item> table) {
    std::vector<std::string_view> texts;
    for (const Item& item : table) texts.push_back(item.text);
    return texts;
}
std::vector<std::string_view> Texts(std::span<const std::string_view> table);

// The table of a step-0, step-3 or step-4 box with fixed meanings (`BExtraBox`: its choice list).
// Any other control is a programming error and ends the program.
std::span<const BoxItem> Of(Control box);

// The picked item of `box` read through its table; nullptr when nothing is picked (typed text
// included) or the index lies beyond the box's present list.
const BoxItem* Picked(const View& view, Control box);
// The subject of the picked item when it is a course.
std::optional<Subject> PickedSubject(const View& view, Control box);
// Whether the picked item is a course.
bool PicksCourse(const View& view, Control box);

// The position of the item of `table` that is `subject`'s course, or of the first item that means
// `means`; a missing item is a programming error and ends the program.
int IndexOf(std::span<const BoxItem> table, Subject subject);
int IndexOf(std::span<const BoxItem> table, Means means);

// The option of `profile`.
const ProfileItem& ItemOf(Profile profile);

// The profile picked in `ProfilRadioGroup`, and the period picked in `RGZusatzkurse`.
std::optional<Profile> PickedProfile(const View& view);
const PeriodItem* PickedPeriod(const View& view);

// The subjects whose obligation and further courses run in two half-years only.
std::optional<TwoHour> TwoHourOf(Subject s);

}  // namespace items
}  // namespace belegix
