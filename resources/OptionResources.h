// Resource numbers of Option: the empty dialog templates the skinned windows are built on,
// its icons and the pictures of the macro event list.
#pragma once

#define IDD_OPTION_MAIN 102   // main window
#define IDD_OPTION_PAGE 131   // a page inside the main window (child)
#define IDD_OPTION_POPUP 132  // launch-program dialog, delete-macro warning
#define IDD_OPTION_WARN 134   // the other warning dialogs

#define IDI_OPTION 128         // the program's icon
#define IDI_SUBMENU_ARROW 145  // arrow of a submenu item

#define IDB_LIST_CLOCK 135       // a delay line
#define IDB_LIST_ARROW_UP 137    // a key release
#define IDB_LIST_ARROW_DOWN 138  // a key press
#define IDB_LIST_MOUSE 146       // a mouse button
