// What every exam-subject check shares: reading a box, the effect of a chosen subject, the
// rules that recur in every profile, the failure mark and the restart. A profile's check is a
// short sequence of these pieces in its own order, with its own texts and deviations.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/choice_state.h"
#include "core/rules/profile_lists.h"
#include "core/view.h"

namespace belegix::exam {

// The five exam positions; P1 to P3 on raised level, P4 written and P5 oral on basic level.
enum class Position : int { P1 = 1, P2, P3, P4, P5 };

// How a foreign language marks the foreign-language obligation while its box is read.
enum class FspMark {
    None,      // not at all; the profile decides after all boxes are read
    Full,      // flag, "bereits erfüllt" in `FspBox`, box disabled
    FlagOnly,  // only `Erfuellt[Fsp]`; the profile marks the box later
};

// How the task-field rule decides: on the three task-field flags, or through `FelderOk`.
enum class FieldTest { Direct, ViaFelderOk };

// Which flag family stands for "a foreign language is an exam subject" in the core-subject rule.
enum class CoreLanguages { ByPKurs, ByPFach };

inline constexpr std::string_view kIntensivText =
    "Eine Intensivsprache kann nicht als P1-, P2- oder P3-Fach gewählt werden";
inline constexpr std::string_view kFelderText =
    "Auflagen beachten: Es wurden nicht alle Aufgabenfelder abgedeckt";
// The core-subject text of the language and arts profiles (lower-case "zwei", two blanks
// before "müssen").
inline constexpr std::string_view kKernText =
    "Auflagen beachten: zwei der Fächer Deutsch, Fremdsprache, Mathematik  müssen "
    "Prüfungsfächer sein! Du musst noch einmal neu beginnen!";
// The core-subject text of the maths-and-science and sport profiles (capital "Zwei", two blanks
// before "müssen").
inline constexpr std::string_view kKernTextZwei =
    "Auflagen beachten: Zwei der Fächer Deutsch, Fremdsprache, Mathematik  müssen "
    "Prüfungsfächer sein! Du musst noch einmal neu beginnen!";

// Subject classes.
bool IsForeignLanguage(Subject s);            // En, Fr, La, Sn
bool IsScience(Subject s);                    // Bi, Ch, Ph
std::optional<Field> TaskFieldOf(Subject s);  // nothing for Sp and Sf
// The obligation an exam subject meets by default (Fsp for the languages); nothing for Ek, If.
std::optional<Obligation> ObligationOf(Subject s);
// What an exam subject adds to `GqKurse` by default: 2 for subjects that count with two
// half-years anyway, 4 for those that count with none, 0 for the rest.
Counter GqAdditionOf(Subject s);

// The intensive-language condition on `GqKurse`: the student's answers of step 0 agree
// (`IntGewaehlt` = `NurEineFs`) and for at least one of Französisch, Spanisch, Latein being the
// intensive language differs from being an exam subject.
bool IntensiveLanguageDiffers(const ChoiceState& st);

// The intensive-language condition of profiles B and sport: the intensive language is not an
// exam subject; for Französisch only when the answers of step 0 agree as well.
bool IntensiveLanguageNotExamined(const ChoiceState& st);

// The step-3 box of an obligation and the index of its "bereits erfüllt" item.
Control BoxOf(Obligation k);
int MetItemOf(Obligation k);

// Marks obligation K met: flag, the box's "bereits erfüllt" item, box disabled.
void MarkMet(ChoiceState& st, View& view, Obligation k);
// Only the box part of the above: item selected, box disabled.
void ShowMet(View& view, Obligation k);
// Replaces the items of `BExtraBox` by `list` (a single item meaning "met"), selects it and
// disables the box.
void ReplaceBExtra(View& view, std::span<const items::BoxItem> list);

// One run of a profile's check.
class ExamCheck {
  public:
    ExamCheck(ChoiceState& st, View& view, Profile profile)
        : st(st), view(view), profile_(profile) {}

    ChoiceState& st;
    View& view;

    // Start values: `GqKurse`, and `Erfuellt[KuMuZusatz]` := 1 unless the profile keeps the
    // additional arts obligation open. The failure mark starts cleared. Counters that a profile
    // clears itself are set by the profile.
    void Start(Counter gqStart, bool kuMuZusatzMet = true);

    // Reads the selected index of an exam-subject box once and maps it through the profile's
    // list; nothing for no selection, typed text or an index beyond the list.
    std::optional<Subject> Read(Control box) const;

    // The full effect of subject `s` at position `p`: the six steps below in order.
    void Apply(Subject s, Position p, FspMark fsp);
    // 1-3: task field, `PFach`+`PKurs`, "P1".."P3" in column 1 or the `P4`/`P5` flag.
    void MarkExamSubject(Subject s, Position p);
    // 4: the obligation that `s` meets by default, foreign languages as `fsp` says.
    void MeetObligationOf(Subject s, FspMark fsp);
    // 5: `FspZahl` + 1 for a foreign language.
    void CountLanguage(Subject s);
    // 6: the default addition to `GqKurse`.
    void AddGq(Subject s);

    // At P1 to P3: Französisch while `Int[Fr]` = 1 or Spanisch while `Int[Sn]` = 1 is refused
    // with `text` in an information box and sets the failure mark. True when refused; the
    // subject then has no effect at all.
    bool RefuseIntensive(Subject s, std::string_view text = kIntensivText);

    // Unless all three task fields are covered: `text` as a plain box, failure mark.
    void TaskFieldRule(FieldTest how, std::string_view text = kFelderText);
    // `KernOk` := 1 when two of Deutsch, a foreign language, Mathematik are exam subjects;
    // otherwise `text` as a plain box, failure mark.
    void CoreSubjectRule(std::string_view text = kKernText,
                         CoreLanguages languages = CoreLanguages::ByPKurs);

    // An information box with OK, for the profile's own refusals; sets the failure mark.
    void Refuse(std::string_view text);
    void Fail() { failed_ = true; }
    bool Failed() const { return failed_; }
    // `ResetPlan` when the failure mark is set.
    void ResetIfFailed();
    // When `GqKurse` exceeds the overall qualification's limit: `longText` as an information box
    // with OK, then `ResetPlan`.
    void LimitRule(std::string_view longText);

  private:
    Profile profile_;
    bool failed_ = false;
};

}  // namespace belegix::exam
