// The subject catalogue and the choice state: one object, owned by the window, holding every
// flag and counter that the rules share.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/must_exist.h"
#include "core/view.h"

namespace belegix {

using Flag = std::uint8_t;  // holds 0 or 1
using Counter = std::int32_t;

// The twenty subjects; the value of each key is its row in the plan grid `Tabelle`.
enum class Subject : int {
    De = 1,
    En,
    Fr,
    La,
    Sn,
    Ds,
    Ku,
    Mu,
    Ek,
    Ge,
    Po,
    Re,
    Wn,
    Ma,
    Bi,
    Ch,
    Ph,
    If,
    Sp,
    Sf
};
inline constexpr int kSubjectCount = 20;

inline constexpr int Row(Subject s) {
    return static_cast<int>(s);
}
inline constexpr Subject SubjectAtRow(int row) {
    return static_cast<Subject>(row);
}

// Two-letter key ("De"), name in column 0 ("Deutsch"), task field in column 6 ("A", "B", "C",
// or empty for Sport and Seminarfach).
std::string_view SubjectKey(Subject s);
std::string_view SubjectName(Subject s);
std::string_view TaskField(Subject s);

// The course obligations of step 3.
enum class Obligation : int { De, Fsp, KuMu, Po, Ge, ReWn, Ma, Natur, Sp, KuMuZusatz, BExtra };
inline constexpr int kObligationCount = 11;
std::string_view ObligationKey(Obligation k);

enum class Field : int { A, B, C };

// The subjects whose obligation courses run for two half-years only.
enum class TwoHour : int { Ds, Ku, Mu, Po, Ge };
inline constexpr int kTwoHourCount = 5;
std::string_view TwoHourKey(TwoHour x);

// A fixed-size array indexed by one of the keys above.
template <class Key, class T, std::size_t N, int Offset = 0>
struct KeyedArray {
    std::array<T, N> values{};
    T& operator[](Key k) { return ElementOf(values, Index(k), "key of a keyed array"); }
    const T& operator[](Key k) const { return ElementOf(values, Index(k), "key of a keyed array"); }
    void Fill(T v) { values.fill(v); }
    static std::size_t Index(Key k) {
        return static_cast<std::size_t>(static_cast<int>(k) - Offset);
    }
    bool operator==(const KeyedArray&) const = default;
};

// Per-subject flags, indexed by subject key (rows 1 to 20).
using SubjectFlags = KeyedArray<Subject, Flag, kSubjectCount, 1>;

// Which subjects each family has; the others exist in the array but no rule touches them.
extern const std::array<Subject, 19> kPFachSubjects;
extern const std::array<Subject, 18> kPKursSubjects;
extern const std::array<Subject, 14> kP4Subjects;
extern const std::array<Subject, 15> kP5Subjects;
extern const std::array<Subject, 3> kIntSubjects;
extern const std::array<Subject, 8> kZusatz4Subjects;

// What the last plan evaluation found, as the window shows it: the colours of the result panels,
// whether the plan may be printed, and the verdict told (empty for none).
struct Evaluation {
    // Semester1 to Semester4, SemesterD, Kurse_ok, Gsq_ok.
    std::array<Colour, 7> lights{Colour::Neutral, Colour::Neutral, Colour::Neutral, Colour::Neutral,
                                 Colour::Neutral, Colour::Neutral, Colour::Neutral};
    bool admissible = false;
    std::string verdict;
    bool operator==(const Evaluation&) const = default;
};

struct ChoiceState {
    // Subject flag families.
    SubjectFlags PFach;    // one of the five exam subjects
    SubjectFlags PKurs;    // exam course: 4 hours in all four half-years (Sport: 5)
    SubjectFlags P4;       // the fourth exam subject (written, basic level)
    SubjectFlags P5;       // the fifth exam subject (oral, basic level)
    SubjectFlags Int;      // the intensive foreign language (Fr, La, Sn)
    SubjectFlags Zusatz4;  // chosen in `BExtraBox` for the extra obligation

    KeyedArray<Obligation, Flag, kObligationCount> Erfuellt;
    KeyedArray<Field, Flag, 3> Aufgabenfeld;

    Flag FelderOk = 0;
    Flag KernOk = 0;
    Flag IntGewaehlt = 0;
    Flag NurEineFs = 0;
    Counter FspZahl = 0;
    Counter FspZahlSport = 0;
    Counter NwZahl = 0;
    Counter NwZahlZusatz = 0;  // not reset; the checks that use it clear it themselves
    Counter GqKurse = 0;

    // Periods of the two-hour courses and the period panel.
    Counter ZeitVon = 0;  // not reset
    Counter ZeitBis = 0;  // not reset
    KeyedArray<TwoHour, Counter, kTwoHourCount> KursSpalte1;
    KeyedArray<TwoHour, Counter, kTwoHourCount> KursSpalte2;
    KeyedArray<TwoHour, Flag, kTwoHourCount> ZeitOffen;
    Flag ZusatzSchritt = 0;
    Flag ZusatzPanelOffen = 0;  // the period panel is shown; not reset, like the panel itself
    Flag ErgebnisAktiv = 0;

    // Results of the last plan evaluation.
    Counter KursAnzahl = 0;
    std::array<Counter, 5> Stunden{};  // Stunden[1] .. Stunden[4]; [0] unused; not reset
    Counter StundenSumme = 0;          // not reset
    std::int64_t Durchschnitt = 0;     // not reset

    // Whether step 0 (intensive foreign language) opens on a reset; set by StartPlanner only.
    Flag IntSchrittAktiv = 0;

    // The last evaluation as a value, for everything that reports the plan (reset with the
    // result panels).
    Evaluation evaluation;

    bool operator==(const ChoiceState&) const = default;
};

// The choice state as at the beginning. Kept: `IntSchrittAktiv`, the last period (`ZeitVon`,
// `ZeitBis`), `NwZahlZusatz`, `ZusatzPanelOffen` (like the panel itself) and the hours of the
// last evaluation (`Stunden`, `StundenSumme`, `Durchschnitt`).
void ResetState(ChoiceState& st);

// The message that answers an empty single choice everywhere, between two line breaks.
inline constexpr std::string_view kOptionWaehlen = "\nDu musst unbedingt eine Option auswählen!\n";

}  // namespace belegix
