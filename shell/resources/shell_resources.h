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
#else
#define RES_ICON_ARMY "ARMY"
#define RES_BITMAP_DOT11 "Dot11"
#define RES_BITMAP_DOT22 "Dot22"
#define RES_BITMAP_QUENROW "Quenrow"
#define RES_DIALOG_ABOUT "ABOUT"
#define RES_DIALOG_PRINT "PRINT"
#endif

/* The "&About..." entry appended to the main window's system menu. */
#define IDM_ABOUT 300

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
