// The plan's columns, the marks of its cells and the limits the evaluation grades against.
#pragma once

#include <optional>
#include <string_view>

#include "core/choice_state.h"

namespace belegix::plan {

// Columns of the plan grid `Tabelle`; row 0 holds the headers, rows 1 to 20 the subjects.
inline constexpr int kHeaderRow = 0;
inline constexpr int kSubjectColumn = 0;  // the subject's name
inline constexpr int kRoleColumn = 1;     // "Pfach": P1 to P3, and "Int" for the intensive language
inline constexpr int kHalfYears = 4;
inline constexpr int kFirstHalfYearColumn = 2;
inline constexpr int kLastHalfYearColumn = kFirstHalfYearColumn + kHalfYears - 1;
inline constexpr int kFieldColumn = 6;  // the task field "A", "B" or "C"

// The column of half-year 1 to 4.
constexpr int HalfYearColumn(int halfYear) {
    return kFirstHalfYearColumn + halfYear - 1;
}

// The marks of a half-year cell.
inline constexpr std::string_view kExamCourse = "4";         // exam subject, all half-years
inline constexpr std::string_view kObligationCourse = "4*";  // four-hour obligation course
inline constexpr std::string_view kTwoHourCourse = "2";      // two-hour obligation course
inline constexpr std::string_view kSportExamCourse = "5";
inline constexpr std::string_view kFurtherCourse4 = "Z4";  // further course of step 4
inline constexpr std::string_view kFurtherCourse2 = "Z2";
inline constexpr std::string_view kAttest = "Attest";  // exempt from Sport: no course

// The weekly hours a cell's mark counts with; nothing for a cell that holds no course.
struct CourseMark {
    std::string_view mark;
    int hours;
};
inline constexpr CourseMark kCourseMarks[] = {
    {kExamCourse, 4},     {kObligationCourse, 4}, {kFurtherCourse4, 4},
    {kFurtherCourse2, 2}, {kTwoHourCourse, 2},    {kSportExamCourse, 5},
};
constexpr std::optional<int> HoursOf(std::string_view mark) {
    for (const CourseMark& m : kCourseMarks)
        if (m.mark == mark) return m.hours;
    return std::nullopt;
}

// The overall qualification: the exam subjects may bring at most 36 half-year results into it.
inline constexpr Counter kGqLimit = 36;

// Where the count of half-year results starts before the exam subjects add theirs: what the
// obligations bring in any case. Profiles A, KuMu and C: five subjects with four courses (20) and
// five with two (10). Profiles B and sport add the two courses of their additional obligation
// (in B, Geschichte and Politik-Wirtschaft count with four courses among them).
inline constexpr Counter kGqStart = 30;
inline constexpr Counter kGqStartWithAdditional = 32;

// Weekly hours of a half-year and of the average: 34 to 38 is right; 32, 33, 39 and 40 are
// still acceptable for a half-year; fewer or more is not.
inline constexpr Counter kHoursGoodMin = 34;
inline constexpr Counter kHoursGoodMax = 38;
inline constexpr Counter kHoursAcceptableMin = 32;
inline constexpr Counter kHoursAcceptableMax = 40;
// The least total of the four half-years a plan needs to be printed: the average's minimum.
inline constexpr Counter kHoursTotalMin = kHoursGoodMin * kHalfYears;  // 136

// The number of courses of the four half-years: from 36 enough, from 39 good, from 46 too many.
inline constexpr Counter kCoursesEnough = 36;
inline constexpr Counter kCoursesGood = 39;
inline constexpr Counter kCoursesTooMany = 46;

}  // namespace belegix::plan
