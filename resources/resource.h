// Resource identifiers shared by the resource script and the code. Several
// pages reuse a number for a control of their own, so each page has its own
// names.
#pragma once

// Dialog templates of the wizard pages (the same numbers as PageTemplate).
#define IDD_WELCOME 101
#define IDD_SECTIONS 105
#define IDD_DEST 106
#define IDD_COPY 111
#define IDD_PROGRAMGROUP 113
// Dialogs of the versioned file installation.
#define IDD_LANGUAGE_CONFLICT 115
#define IDD_OVERWRITE 116

// The picture on the welcome page.
#define IDB_WELCOME 106

// Static texts that the code never addresses.
#define IDC_UNUSED (-1)

// Buttons of the common page frame. "Last" is never shown.
#define IDC_LAST 5
#define IDC_NEXT 1017
#define IDC_CANCEL 1018

// Welcome page (101).
#define IDC_WELCOME_TEXT2 1000
#define IDC_WELCOME_TEXT 1001

// Destination page (106).
#define IDC_DEST_PATH_LABEL 1010
#define IDC_DEST_PATH 1011
#define IDC_DEST_CHOOSE 1012
#define IDC_DEST_FREE_SPACE 1013
#define IDC_DEST_AUTOMATIC 1014
#define IDC_DEST_ASK_CREATE 1029

// Sections page (105).
#define IDC_SECTIONS_EXPLANATION 1003
#define IDC_SECTION_LIST 1009
#define IDC_SECTION_COMMENT 1011
#define IDC_SECTION_COMMENT_LABEL 1019
#define IDC_SECTION_MUST_INSTALL 1024
#define IDC_SECTION_INSTALL 1025

// Program group page (113).
#define IDC_GROUP_EXPLANATION 1003
#define IDC_GROUP_NAME 1011
#define IDC_GROUP_FOLDER 1013
#define IDC_GROUP_BROWSE 1014
#define IDC_GROUP_NEW 1030
#define IDC_GROUP_EXISTING 1031
#define IDC_GROUP_NONE 1032

// Copy page (111).
#define IDC_COPY_SECTION_LABEL 1026
#define IDC_COPY_FILE_BAR 1027
#define IDC_COPY_SECTION_BAR 1028
#define IDC_COPY_SECTION_NAME 1033
#define IDC_COPY_FILE_NAME 1034

// Language conflict dialog (115).
#define IDC_CONFLICT_INSTALL_ALL 1012
#define IDC_CONFLICT_DEST_PATH 1035
#define IDC_CONFLICT_DEST_LANGUAGE 1036
#define IDC_CONFLICT_SOURCE_PATH 1037
#define IDC_CONFLICT_SOURCE_LANGUAGE 1038
#define IDC_CONFLICT_DEST_CODEPAGE 1039
#define IDC_CONFLICT_SOURCE_CODEPAGE 1040
#define IDC_CONFLICT_YES 1041
#define IDC_CONFLICT_NO 1042

// Overwrite question (116).
#define IDC_OVERWRITE_YES 1012
#define IDC_OVERWRITE_PATH 1034
#define IDC_OVERWRITE_NO 1043
#define IDC_OVERWRITE_ALL 1044

// Progress window of the uninstaller (TAUninstall.exe), made by code.
#define IDC_UNINSTALL_FILE 1100
#define IDC_UNINSTALL_BAR_FRAME 1101
#define IDC_UNINSTALL_BAR 1102
