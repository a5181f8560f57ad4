#include "vorna/core/keyboard.h"

#include "vorna/core/fields.h"

namespace vorna {
namespace {

using shell::FieldRange;
using shell::MoveRule;
using shell::SplitKind;
using shell::SplitValue;
using shell::Step;
using shell::Stroke;

// VORNA: 0 Age, 1 Sex, 2 push-ups, 3 sit-ups, 4/5 run minutes and seconds,
// 8-14 the dialog.
constexpr SplitValue kSplits[] = {
    {{4, 4}, 2, SplitKind::RunTime},  // run time
    {{8, 8}, 3, SplitKind::Ssn},      // SSN first part
    {{9, 9}, 2},                      // SSN second part, followed by the last
};

constexpr MoveRule kMoves[] = {
    {Stroke::Enter, {0, 3}, Step::By, 1},

    {Stroke::Tab, {5, 5}, Step::Stay, 0},      {Stroke::Tab, {0, 15}, Step::By, 1},

    {Stroke::ShiftTab, {0, 0}, Step::Stay, 0}, {Stroke::ShiftTab, {0, 15}, Step::By, -1},

    {Stroke::Up, {5, 5}, Step::To, 3},  // run seconds sit beside minutes, below sit-ups
    {Stroke::Up, {0, 0}, Step::Stay, 0},       {Stroke::Up, {0, 15}, Step::By, -1},

    {Stroke::Down, {0, 3}, Step::By, 1},
};

}  // namespace

const shell::NavigationRules kNavigation = {
    .slots = kFieldSlots,
    .freeTextLimit = 11,
    .sexField = kSex,
    .firstDialogField = 6,
    .chartPaging = true,
    .fieldChars = &FieldChars,
    .splits = kSplits,
    .moves = kMoves,
};

}  // namespace vorna
