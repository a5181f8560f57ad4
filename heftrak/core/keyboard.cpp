#include "heftrak/core/keyboard.h"

#include "heftrak/core/fields.h"

namespace heftrak {
namespace {

using shell::FieldRange;
using shell::MoveRule;
using shell::SplitKind;
using shell::SplitValue;
using shell::Step;
using shell::Stroke;

constexpr bool kSwallow = true;

// HEFTRAK: 0 Age, 1 Sex, 2/3 Height, 4 Weight, 5-16 the male readings, 23-46
// the female readings (odd whole inches, even hundredths), 61-68 the dialog.
constexpr SplitValue kSplits[] = {
    {{2, 2}, 2, SplitKind::Inches},       // height
    {{5, 15, 2}, 2, SplitKind::Inches},   // abdomen and neck
    {{23, 45, 2}, 2, SplitKind::Inches},  // hips, forearm, neck, wrist
    {{61, 61}, 3, SplitKind::Ssn},        // SSN first part
    {{62, 62}, 2},                        // SSN second part, followed by the last
};

// Tab and Enter walk one reading (both of its fields) per step; Up and Down go
// to the same reading one row up or down. The right-aligned multi-line fields
// (29, 31, 33, 41, 43, 45) swallow the keys that would act inside them.
constexpr MoveRule kMoves[] = {
    {Stroke::Enter, {2, 2}, Step::By, 2},
    {Stroke::Enter, {5, 13, 2}, Step::By, 2},
    {Stroke::Enter, {23, 27, 2}, Step::By, 2},
    {Stroke::Enter, {35, 39, 2}, Step::By, 2},
    {Stroke::Enter, {29, 33, 2}, Step::By, 2, kSwallow},
    {Stroke::Enter, {41, 43, 2}, Step::By, 2, kSwallow},
    {Stroke::Enter, {45, 45}, Step::Stay, 0, kSwallow},
    // Weight, the last neck reading and the last wrist field end their calculator.
    {Stroke::Enter, {4, 4}, Step::Stay, 0},
    {Stroke::Enter, {15, 16}, Step::Stay, 0},
    {Stroke::Enter, {46, 46}, Step::Stay, 0},
    {Stroke::Enter, {0, 71}, Step::By, 1},

    {Stroke::Tab, {2, 2}, Step::By, 2},
    {Stroke::Tab, {5, 13, 2}, Step::By, 2},
    {Stroke::Tab, {23, 43, 2}, Step::By, 2},
    {Stroke::Tab, {15, 16}, Step::To, 23},
    {Stroke::Tab, {45, 46}, Step::Stay, 0},
    {Stroke::Tab, {0, 71}, Step::By, 1},

    {Stroke::ShiftTab, {3, 4}, Step::By, -2},
    {Stroke::ShiftTab, {6, 7}, Step::By, -2},
    {Stroke::ShiftTab, {9, 15, 2}, Step::By, -2},
    {Stroke::ShiftTab, {25, 45, 2}, Step::By, -2},
    {Stroke::ShiftTab, {8, 16, 2}, Step::By, -3},
    {Stroke::ShiftTab, {26, 46, 2}, Step::By, -3},
    {Stroke::ShiftTab, {23, 24}, Step::To, 15},
    {Stroke::ShiftTab, {0, 0}, Step::Stay, 0},
    {Stroke::ShiftTab, {0, 71}, Step::By, -1},

    {Stroke::Up, {3, 4}, Step::By, -2},
    {Stroke::Up, {29, 33, 2}, Step::By, -6, kSwallow},
    {Stroke::Up, {41, 45, 2}, Step::By, -6, kSwallow},
    {Stroke::Up, {11, 16}, Step::By, -6},
    {Stroke::Up, {30, 46}, Step::By, -6},
    {Stroke::Up, {1, 2}, Step::By, -1},

    {Stroke::Down, {2, 2}, Step::To, 4},
    {Stroke::Down, {29, 33, 2}, Step::By, 6, kSwallow},
    {Stroke::Down, {0, 1}, Step::By, 1},
    {Stroke::Down, {3, 3}, Step::By, 1},
    {Stroke::Down, {5, 10}, Step::By, 6},
    {Stroke::Down, {23, 40}, Step::By, 6},
};

}  // namespace

const shell::NavigationRules kNavigation = {
    .slots = kFieldSlots,
    .freeTextLimit = 64,
    .sexField = kSex,
    .firstDialogField = 60,
    .chartPaging = false,
    .fieldChars = &FieldChars,
    .splits = kSplits,
    .moves = kMoves,
};

}  // namespace heftrak
