#include "core/rules/profile_lists.h"

#include <array>

#include "core/must_exist.h"

namespace belegix {

namespace {

using enum Subject;

// Profile 0, sprachlich.
constexpr ListItem kLk1A[] = {{"Englisch", En}, {"Französisch", Fr}, {"Spanisch", Sn}};
constexpr ListItem kLk2A[] = {
    {"Deutsch", De}, {"Englisch", En}, {"Französisch", Fr}, {"Spanisch", Sn}};
// P3 of profiles 0 and 1.
constexpr ListItem kP3AKuMu[] = {
    {"Deutsch", De},  {"Englisch", En}, {"Französisch", Fr}, {"Spanisch", Sn},   {"Kunst", Ku},
    {"Musik", Mu},    {"Erdkunde", Ek}, {"Geschichte", Ge},  {"Politik-W.", Po}, {"Mathematik", Ma},
    {"Biologie", Bi}, {"Chemie", Ch},   {"Physik", Ph}};
// P4 of profiles 0, 1 and 3.
constexpr ListItem kP4Full[] = {{"Deutsch", De},    {"Englisch", En},   {"Französisch", Fr},
                                {"Latein", La},     {"Spanisch", Sn},   {"Erdkunde", Ek},
                                {"Geschichte", Ge}, {"Politik-W.", Po}, {"Religion", Re},
                                {"Mathematik", Ma}, {"Biologie", Bi},   {"Chemie", Ch},
                                {"Physik", Ph},     {"Informatik", If}};
// P5 of profiles 0 and 3.
constexpr ListItem kP5Full[] = {{"Deutsch", De},  {"Englisch", En},   {"Französisch", Fr},
                                {"Latein", La},   {"Spanisch", Sn},   {"Darst.Spiel", Ds},
                                {"Erdkunde", Ek}, {"Geschichte", Ge}, {"Politik-W.", Po},
                                {"Religion", Re}, {"Mathematik", Ma}, {"Biologie", Bi},
                                {"Chemie", Ch},   {"Physik", Ph},     {"Informatik", If}};

// Profile 1, künstlerisch-musisch.
constexpr ListItem kLk1KuMu[] = {{"Kunst", Ku}, {"Musik", Mu}};
constexpr ListItem kLk2KuMu[] = {{"Deutsch", De}, {"Mathematik", Ma}};
constexpr ListItem kP5KuMu[] = {{"Deutsch", De},    {"Englisch", En},   {"Französisch", Fr},
                                {"Latein", La},     {"Spanisch", Sn},   {"Erdkunde", Ek},
                                {"Geschichte", Ge}, {"Politik-W.", Po}, {"Religion", Re},
                                {"Mathematik", Ma}, {"Biologie", Bi},   {"Chemie", Ch},
                                {"Physik", Ph},     {"Informatik", If}};

// Profile 2, gesellschaftswissenschaftlich.
constexpr ListItem kLk1B[] = {{"Geschichte", Ge}};
constexpr ListItem kLk2B[] = {{"Deutsch", De},  {"Englisch", En},   {"Französisch", Fr},
                              {"Spanisch", Sn}, {"Mathematik", Ma}, {"Biologie", Bi},
                              {"Chemie", Ch},   {"Physik", Ph}};
constexpr ListItem kP3B[] = {{"Politik-W.", Po}, {"Erdkunde", Ek}};
constexpr ListItem kP4B[] = {
    {"Deutsch", De},  {"Englisch", En},   {"Französisch", Fr}, {"Latein", La},     {"Spanisch", Sn},
    {"Erdkunde", Ek}, {"Politik-W.", Po}, {"Religion", Re},    {"Mathematik", Ma}, {"Biologie", Bi},
    {"Chemie", Ch},   {"Physik", Ph},     {"Informatik", If}};
constexpr ListItem kP5B[] = {{"Deutsch", De},    {"Englisch", En},   {"Französisch", Fr},
                             {"Latein", La},     {"Spanisch", Sn},   {"Darst.Spiel", Ds},
                             {"Erdkunde", Ek},   {"Politik-W.", Po}, {"Religion", Re},
                             {"Mathematik", Ma}, {"Biologie", Bi},   {"Chemie", Ch},
                             {"Physik", Ph},     {"Informatik", If}};

// Profile 3, mathematisch-naturwissenschaftlich.
constexpr ListItem kLk1C[] = {{"Biologie", Bi}, {"Chemie", Ch}, {"Physik", Ph}};
constexpr ListItem kLk2C[] = {{"Mathematik", Ma}, {"Biologie", Bi}, {"Chemie", Ch}, {"Physik", Ph}};
constexpr ListItem kP3C[] = {{"Deutsch", De},  {"Englisch", En},   {"Französisch", Fr},
                             {"Spanisch", Sn}, {"Kunst", Ku},      {"Musik", Mu},
                             {"Erdkunde", Ek}, {"Geschichte", Ge}, {"Politik-W.", Po}};

// Profile 4, sportlich.
constexpr ListItem kLk1Sport[] = {{"Sport", Sp}};
constexpr ListItem kLk2Sport[] = {{"Biologie", Bi}, {"Chemie", Ch}, {"Physik", Ph}};
constexpr ListItem kP3Sport[] = {
    {"Deutsch", De},  {"Englisch", En},   {"Französisch", Fr},        {"Spanisch", Sn},
    {"Erdkunde", Ek}, {"Geschichte", Ge}, {"Politik-Wirtschaft", Po}, {"Mathematik", Ma}};
constexpr ListItem kP4Sport[] = {
    {"Deutsch", De},  {"Englisch", En},   {"Französisch", Fr}, {"Latein", La},   {"Spanisch", Sn},
    {"Erdkunde", Ek}, {"Geschichte", Ge}, {"Politik-W.", Po},  {"Religion", Re}, {"Mathematik", Ma},
    {"Biologie", Bi}, {"Chemie", Ch},     {"Physik", Ph}};
constexpr ListItem kP5Sport[] = {{"Deutsch", De},  {"Englisch", En},   {"Französisch", Fr},
                                 {"Latein", La},   {"Spanisch", Sn},   {"Darst.Spiel", Ds},
                                 {"Erdkunde", Ek}, {"Geschichte", Ge}, {"Politik-W.", Po},
                                 {"Religion", Re}, {"Mathematik", Ma}, {"Biologie", Bi},
                                 {"Chemie", Ch},   {"Physik", Ph}};

const std::array<ProfileLists, kProfileCount> kExamLists = {{
    {kLk1A, kLk2A, kP3AKuMu, kP4Full, kP5Full},
    {kLk1KuMu, kLk2KuMu, kP3AKuMu, kP4Full, kP5KuMu},
    {kLk1B, kLk2B, kP3B, kP4B, kP5B},
    {kLk1C, kLk2C, kP3C, kP4Full, kP5Full},
    {kLk1Sport, kLk2Sport, kP3Sport, kP4Sport, kP5Sport},
}};

}  // namespace

const ProfileLists& ListsFor(Profile profile) {
    return ElementOf(kExamLists, static_cast<std::size_t>(profile), "profile");
}

std::span<const ListItem> ExamList(Profile profile, Control box) {
    const ProfileLists& lists = ListsFor(profile);
    switch (box) {
        case Control::Lk1Box:
            return lists.lk1;
        case Control::Lk2Box:
            return lists.lk2;
        case Control::P3Box:
            return lists.p3;
        case Control::P4Box:
            return lists.p4;
        case Control::P5Box:
            return lists.p5;
        default:
            MustExist(false, "exam-subject list of a box that holds none");
            return {};
    }
}

std::optional<Subject> ExamSubjectAt(Profile profile, Control box, int index) {
    const auto list = ExamList(profile, box);
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return std::nullopt;
    return list[static_cast<std::size_t>(index)].subject;
}

}  // namespace belegix
