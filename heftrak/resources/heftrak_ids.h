/* HEFTRAK's identifiers, all in one place, in bands:

     0 -  59  the main window's fields (FieldId below): an id is also the
              field's index in the field table, and the keyboard rules do
              arithmetic on it (a hundredths field is its whole-inch field + 1,
              the same reading one row down is + 6)
    61 -  68  the personal data dialog's fields, after the window's in the
              same table; 67 is its rank box
   100 - 108  the main window's commands: its buttons and their Alt keys
   200 - 201  the personal data dialog's Print and Exit; 200 is also the
              print command it sends (shell_resources.h)
   300        the system menu's About entry (shell_resources.h)
   320 - 349  the system menu's Score a Roster entry and its dialogs'
              controls (roster/win32/roster_resources.h,
              roster/core/dialog_layout.h)
   350 - 361  the chart dialogs' lists

   Read by the resource compiler as well as by C++: what the resource script
   uses is preprocessor definitions, named after the program because a test
   may read both programs' maps; the C++ sees them as the enumerations. */
/* clang-format off: the resource compiler reads these lines too. */
#ifndef HEFTRAK_RESOURCES_HEFTRAK_IDS_H
#define HEFTRAK_RESOURCES_HEFTRAK_IDS_H

#include "shell/resources/shell_resources.h"

/* Named resources: bare words for the resource compiler, strings for C++
   (see shell_resources.h). A hyphen would split a bare word, so the chart
   dialogs' names stay quoted; they follow an END line, where no file name
   string can join them. */
#ifdef RC_INVOKED
#define RES_ACCEL_HEFTRAK HeftrakAccel
#else
#define RES_ACCEL_HEFTRAK "HeftrakAccel"
#endif
#define RES_DIALOG_CHART_MALE "CHART-MALE"
#define RES_DIALOG_CHART_FEMALE "CHART-FEMALE"

/* The main window's buttons and their Alt accelerators, as the resource
   script names them. Male Only has no button: its label is painted, and a
   click or Alt+M sends its command. */
#define HEFTRAK_CALCULATE 100
#define HEFTRAK_CLEAR_CALC 101
#define HEFTRAK_MALE_ONLY 102
#define HEFTRAK_PRINT 103
#define HEFTRAK_CHECK 105
#define HEFTRAK_CLEAR 106
#define HEFTRAK_CHARTS_MALE 107
#define HEFTRAK_CHARTS_FEMALE 108

#ifndef RC_INVOKED
namespace heftrak {

/* The sixty fields of the main window. */
enum FieldId : int {
  kAge = 0,
  kSex = 1,
  kHeightWhole = 2,
  kHeightHundredths = 3,
  kWeight = 4,
  // Male readings: site r (abdomen, neck), reading k (0..2); the whole-inch
  // field is 5 + 6r + 2k and its hundredths field the next id.
  kMaleReadingsFirst = 5,
  kMaleAverageAbdomen = 17,
  kMaleAverageNeck = 18,
  kMaleDifference = 19,
  kMaleAbdomenNeckFactor = 20,
  kMaleHeightFactor = 21,
  kMaleBodyFat = 22,
  // Female readings: site r (hips, forearm, neck, wrist), reading k (0..2);
  // the whole-inch field is 23 + 6r + 2k and its hundredths field the next id.
  kFemaleReadingsFirst = 23,
  kFemaleAverageHips = 47,
  kFemaleAverageForearm = 48,
  kFemaleAverageNeck = 49,
  kFemaleAverageWrist = 50,
  kFemaleWeightFactor = 51,   // A
  kFemaleHipFactor = 52,      // B
  kFemaleHeightFactor = 53,   // D
  kFemaleForearmFactor = 54,  // E
  kFemaleNeckFactor = 55,     // F
  kFemaleWristFactor = 56,    // G
  kFemaleTotalAB = 57,        // C
  kFemaleTotalDEFG = 58,      // H
  kFemaleBodyFat = 59,        // I
  kMainFieldCount = 60,
};

/* The personal data dialog's fields; 67 is its rank box, in both programs. */
enum DialogField : int {
  kSsnFirstField = 61,
  kSsnSecondField = 62,
  kSsnLastField = 63,
  kLastNameField = 64,
  kFirstNameField = 65,
  kMiddleInitialField = 66,
  kDateField = 68,
};

/* The field table holds the window's fields and the dialog's after them. */
inline constexpr int kFieldSlots = 72;

enum Command : int {
  kCalculateCommand = HEFTRAK_CALCULATE,
  kClearCalcCommand = HEFTRAK_CLEAR_CALC,
  kMaleOnlyCommand = HEFTRAK_MALE_ONLY,
  kPrintCommand = HEFTRAK_PRINT,
  kCheckCommand = HEFTRAK_CHECK,
  kClearCommand = HEFTRAK_CLEAR,
  kMaleChartsCommand = HEFTRAK_CHARTS_MALE,
  kFemaleChartsCommand = HEFTRAK_CHARTS_FEMALE,
};

/* The chart dialogs' lists. */
enum ChartListId : int {
  kMaleScreeningList = 350,
  kAbdomenNeckList = 351,
  kMaleHeightList = 352,
  kMaleLimitsList = 353,
  kFemaleScreeningList = 354,
  kFemaleLimitsList = 355,
  kWeightList = 356,
  kHipList = 357,
  kFemaleHeightList = 358,
  kForearmList = 359,
  kNeckList = 360,
  kWristList = 361,
};

}  // namespace heftrak
#endif /* RC_INVOKED */

#endif /* HEFTRAK_RESOURCES_HEFTRAK_IDS_H */
