/* HEFTRAK's command identifiers and resource names. Read by the resource
   compiler as well as by C++, so only preprocessor definitions. */
/* clang-format off: the resource compiler reads these lines too. */
#ifndef HEFTRAK_WIN32_HEFTRAK_IDS_H
#define HEFTRAK_WIN32_HEFTRAK_IDS_H

#include "shell/resources/shell_resources.h"

/* Bare words for the resource compiler, strings for C++ (see
   shell_resources.h). */
#ifdef RC_INVOKED
#define RES_ACCEL_HEFTRAK HeftrakAccel
/* A hyphen would split a bare word, so these two are quoted; they follow an
   END line, where no file name string can join them. */
#define RES_DIALOG_CHART_MALE "CHART-MALE"
#define RES_DIALOG_CHART_FEMALE "CHART-FEMALE"
#else
#define RES_ACCEL_HEFTRAK "HeftrakAccel"
#define RES_DIALOG_CHART_MALE "CHART-MALE"
#define RES_DIALOG_CHART_FEMALE "CHART-FEMALE"
#endif

/* Buttons of the main window and their Alt accelerators. Male Only has no
   button: its label is painted, and the click or Alt+M sends 102. */
#define IDC_CALCULATE 100
#define IDC_CLEAR_CALC 101
#define IDM_MALE_ONLY 102
#define IDC_PRINT 103
#define IDC_CHECK 105
#define IDC_CLEAR 106
#define IDC_CHARTS_MALE 107
#define IDC_CHARTS_FEMALE 108

#endif /* HEFTRAK_WIN32_HEFTRAK_IDS_H */
