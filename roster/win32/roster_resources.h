/* Score a Roster's resource names and its system menu entry, for the
   programs' resource scripts and the roster's window code. Read by the
   resource compiler as well as by C++, so only preprocessor definitions. */
/* clang-format off: the resource compiler reads these lines too. */
#ifndef ROSTER_WIN32_ROSTER_RESOURCES_H
#define ROSTER_WIN32_ROSTER_RESOURCES_H

/* The dialog templates each program's script gives (in its own style): a
   roster's scoring, its summary and its reports printing. Bare words for
   the resource compiler, strings for C++ (see shell_resources.h). */
#ifdef RC_INVOKED
#define RES_DIALOG_SCORING SCORING
#define RES_DIALOG_ROSTER ROSTER
#define RES_DIALOG_PRINTING PRINTING
#else
#define RES_DIALOG_SCORING "SCORING"
#define RES_DIALOG_ROSTER "ROSTER"
#define RES_DIALOG_PRINTING "PRINTING"
#endif

/* "Score a R&oster...", put into the system menu above the shell's
   "&About..." (300). Windows keeps the low four bits of a system command
   for itself, so they are clear. The dialogs number their controls from 321
   (roster/core/dialog_layout.h). */
#define IDM_SCORE_ROSTER 320

#endif /* ROSTER_WIN32_ROSTER_RESOURCES_H */
