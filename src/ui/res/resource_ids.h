// Resource numbers and the application's title, shared by kesto.rc and the code that hands them
// to the toolkit (plain macros: windres reads this).
#pragma once

#define KESTO_APP_TITLE "Tarvel"

#define KESTO_IDI_APP 1
// Skin bitmaps.
#define KESTO_IDB_TITLE_LEFT 101
#define KESTO_IDB_TITLE_MAIN 102
#define KESTO_IDB_TITLE_RIGHT 103
#define KESTO_IDB_WINDOW_LEFT 104
#define KESTO_IDB_WINDOW_RIGHT 105
#define KESTO_IDB_WINDOW_BOTTOM 106
#define KESTO_IDB_WINDOW_BOTTOM_LEFT 107
#define KESTO_IDB_WINDOW_BOTTOM_RIGHT 108
#define KESTO_IDB_TITLE_HELP 109
#define KESTO_IDB_TITLE_MINIMIZE 110
#define KESTO_IDB_TITLE_CLOSE 111
