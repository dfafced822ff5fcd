// The five profiles and the subjects each offers at the five exam positions. The exam-subject
// checks read a box by its selected index through these same lists, so their order is binding.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/choice_state.h"

namespace belegix {

enum class Profile : int { A = 0, KuMu = 1, B = 2, C = 3, Sport = 4 };
inline constexpr int kProfileCount = 5;

struct ListItem {
    std::string_view text;  // as shown in the box
    Subject subject;
};

struct ProfileLists {
    std::string_view radioItem;     // "sprachlich"
    std::string_view labelCaption;  // caption of `ProfilLabel`
    std::span<const ListItem> lk1, lk2, p3, p4, p5;
};

// The lists of a profile.
const ProfileLists& ListsFor(Profile profile);

// The list that `box` (one of `Lk1Box` .. `P5Box`) holds in `profile`.
std::span<const ListItem> ExamList(Profile profile, Control box);

// The subject at `index` of `box` in `profile`; nullopt for -1 (no selection, typed text) or an
// index beyond the list.
std::optional<Subject> ExamSubjectAt(Profile profile, Control box, int index);

// `BExtraBox`: the single item of the profiles without the additional obligation, and the
// nine items of profiles B and sport ("Französich" is spelt so).
inline constexpr std::string_view kBrauchstDuNicht = "Brauchst Du nicht!";
extern const std::span<const std::string_view> kBExtraItems;

}  // namespace belegix
