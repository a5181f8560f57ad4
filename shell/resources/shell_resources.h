/* Resource names and identifiers that both programs share. Read by the
   resource compiler as well as by C++, so only preprocessor definitions. */
/* clang-format off: the resource compiler reads these lines too. */
#ifndef SHELL_RESOURCES_SHELL_RESOURCES_H
#define SHELL_RESOURCES_SHELL_RESOURCES_H

/* Named resources. Resource names are matched without regard to case. The
   resource compiler gets them as bare words: it would join a quoted name to a
   quoted file name on the line before into one string. */
#ifdef RC_INVOKED
#define RES_ICON_ARMY ARMY
#define RES_BITMAP_DOT11 Dot11
#define RES_BITMAP_DOT22 Dot22
#define RES_BITMAP_QUENROW Quenrow
#define RES_DIALOG_ABOUT ABOUT
#define RES_DIALOG_PRINT PRINT
#define RES_DIALOG_ROSTER ROSTER
#define RES_DIALOG_PRINTING PRINTING
#else
#define RES_ICON_ARMY "ARMY"
#define RES_BITMAP_DOT11 "Dot11"
#define RES_BITMAP_DOT22 "Dot22"
#define RES_BITMAP_QUENROW "Quenrow"
#define RES_DIALOG_ABOUT "ABOUT"
#define RES_DIALOG_PRINT "PRINT"
#define RES_DIALOG_ROSTER "ROSTER"
#define RES_DIALOG_PRINTING "PRINTING"
#endif

/* The "&About..." entry appended to the main window's system menu, and
   "Score a R&oster..." above it. Windows keeps the low four bits of a
   system command for itself, so the second has them clear. The roster's
   dialogs (a scored roster's summary, its reports printing) number their
   controls from 321 (shell/core/roster_dialog_layout.h). */
#define IDM_ABOUT 300
#define IDM_SCORE_ROSTER 320

/* About box: OK closes it; the static text only carries the "Y2K Compliant"
   note and sends no commands. */
#define IDC_ABOUT_OK 1
#define IDC_ABOUT_Y2K 101

/* The personal data dialog's "Print" button sends the main window the
   print-report command, which has its number (200); "Exit" is 201. */
#define IDM_PRINT_REPORT 200

/* Version shown in the About box and carried in the version resource:
   CALC_VERSION_TEXT, CALC_VERSION_BINARY, with the product and maker names. */
#include "calc_version.h"

#endif /* SHELL_RESOURCES_SHELL_RESOURCES_H */
