/* VORNA's control and command identifiers and resource names. Read by the
   resource compiler as well as by C++, so only preprocessor definitions. */
/* clang-format off: the resource compiler reads these lines too. */
#ifndef VORNA_WIN32_VORNA_IDS_H
#define VORNA_WIN32_VORNA_IDS_H

#include "shell/resources/shell_resources.h"

/* A bare word for the resource compiler, a string for C++ (see
   shell_resources.h). */
#ifdef RC_INVOKED
#define RES_ACCEL_VORNA VornaAccel
#else
#define RES_ACCEL_VORNA "VornaAccel"
#endif

/* Child controls of the main window; the button ids double as the commands
   of their Alt accelerators. */
#define IDC_CALCULATE 11
#define IDC_CLEAR 12
#define IDC_CHART_LIST 14
#define IDC_PRINT 16

/* Alt+M toggles Male Only, whose label is painted rather than a control. */
#define IDM_MALE_ONLY 15

/* Alt+X sends the number of the personal data dialog's Exit button; the main
   window does nothing with it. */
#define IDM_ALT_X 201

#endif /* VORNA_WIN32_VORNA_IDS_H */
