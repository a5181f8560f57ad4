/* VORNA's identifiers, all in one place, in bands:

     0 -   5  the main window's entry fields (FieldId below): an id is also the
              field's index in the field table, and the keyboard rules do
              arithmetic on it (the run seconds follow the minutes)
     8 -  14  the personal data dialog's fields, after the window's in the
              same table (slots 6, 7 and 15 stay empty); its rank box is 67
    11 -  16  the main window's own controls and commands; they share numbers
              with the dialog's fields, which live in another window
   200 - 201  the personal data dialog's Print and Exit; 200 is also the
              print command it sends (shell_resources.h)
   300        the system menu's About entry (shell_resources.h)
   320 - 349  the system menu's Score a Roster entry and its dialogs'
              controls (roster/win32/roster_resources.h,
              roster/core/dialog_layout.h)

   Read by the resource compiler as well as by C++: what the resource script
   uses is preprocessor definitions, named after the program because a test
   may read both programs' maps; the C++ sees them as the enumerations. */
/* clang-format off: the resource compiler reads these lines too. */
#ifndef VORNA_RESOURCES_VORNA_IDS_H
#define VORNA_RESOURCES_VORNA_IDS_H

#include "shell/resources/shell_resources.h"

/* A bare word for the resource compiler, a string for C++ (see
   shell_resources.h). */
#ifdef RC_INVOKED
#define RES_ACCEL_VORNA VornaAccel
#else
#define RES_ACCEL_VORNA "VornaAccel"
#endif

/* The main window's buttons and Alt accelerators, as the resource script
   names them. Alt+M toggles Male Only, whose label is painted rather than a
   control; Alt+X sends the number of the personal data dialog's Exit button,
   and the main window does nothing with it. */
#define VORNA_CALCULATE 11
#define VORNA_CLEAR 12
#define VORNA_MALE_ONLY 15
#define VORNA_PRINT 16
#define VORNA_ALT_X 201

#ifndef RC_INVOKED
namespace vorna {

/* The six entry fields of the main window. */
enum FieldId : int {
  kAge = 0,
  kSex = 1,
  kPushups = 2,
  kSitups = 3,
  kRunMinutes = 4,
  kRunSeconds = 5,
  kEntryFieldCount = 6,
};

/* The personal data dialog's fields; its rank box is 67, in both programs. */
enum DialogField : int {
  kSsnFirstField = 8,
  kSsnSecondField = 9,
  kSsnLastField = 10,
  kLastNameField = 11,
  kFirstNameField = 12,
  kMiddleInitialField = 13,
  kDateField = 14,
};

/* The field table holds the window's fields and the dialog's after them. */
inline constexpr int kFieldSlots = 16;

/* The main window's own controls and commands. */
enum Command : int {
  kCalculateCommand = VORNA_CALCULATE,
  kClearCommand = VORNA_CLEAR,
  kChartList = 14,
  kMaleOnlyCommand = VORNA_MALE_ONLY,
  kPrintCommand = VORNA_PRINT,
  kAltXCommand = VORNA_ALT_X,
};

}  // namespace vorna
#endif /* RC_INVOKED */

#endif /* VORNA_RESOURCES_VORNA_IDS_H */
