// The subjects each profile offers at the five exam positions: per position the item texts of
// the box and the subject each stands for. The boxes are filled from these lists and the
// exam-subject checks read a picked item through them.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/box_items.h"
#include "core/choice_state.h"

namespace belegix {

struct ListItem {
    std::string_view text;  // as shown in the box
    Subject subject;
};

struct ProfileLists {
    std::span<const ListItem> lk1, lk2, p3, p4, p5;
};

// The lists of a profile.
const ProfileLists& ListsFor(Profile profile);

// The list that `box` (one of `Lk1Box` .. `P5Box`) holds in `profile`.
std::span<const ListItem> ExamList(Profile profile, Control box);

// The subject at `index` of `box` in `profile`; nullopt for -1 (no selection, typed text) or an
// index beyond the list.
std::optional<Subject> ExamSubjectAt(Profile profile, Control box, int index);

}  // namespace belegix
