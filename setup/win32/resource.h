// Resource and control identifiers of setup.exe.  The portable page classes
// carry the same numbers as their own constants.
#pragma once

#define IDI_SETUP 128
#define IDB_SIDE 140
#define IDB_BACKGROUND 141

#define IDD_WELCOME 130
#define IDD_LICENSE 131
#define IDD_DESTINATION 132
#define IDD_COMPLETE 134
#define IDD_COPY 135
#define IDD_EXIT_SETUP 136
#define IDD_CHOOSE_DIRECTORY 137
#define IDD_CREATE_ICONS 139
#define IDD_UNINSTALL 142
#define IDD_UNINSTALL_COMPLETE 145

// Welcome
#define IDC_WELCOME_TEXT 1020
// Licence agreement
#define IDC_AGREEMENT 1000
#define IDC_ACCEPT_QUESTION 1019
// Destination
#define IDC_BROWSE 1001
#define IDC_DESTINATION_PATH 1002
#define IDC_INSTALL_TEXT 1017
#define IDC_CANCEL_TEXT 1018
#define IDC_RELATED_FILES 1028
// Setup Complete
#define IDC_RESTART_NOW 1008
#define IDC_RESTART_LATER 1009
// Copy dialog and uninstall page
#define IDC_COPY_FROM 1005
#define IDC_COPY_TO 1006
#define IDC_BAR 1007
#define IDC_UNINSTALL_DONE 1014
#define IDC_UNINSTALL_STATUS 1030
// Uninstall Complete
#define IDC_UNINSTALL_FINISHED 1021
#define IDC_UNINSTALL_RESTART_NOW 1015
#define IDC_UNINSTALL_RESTART_LATER 1016
// Directory chooser: the common file dialog's own control ids
#define IDC_CHOOSER_NETWORK 1037   // psh14
#define IDC_CHOOSER_PATH 1088      // stc1: the dialog keeps the current directory in it
#define IDC_CHOOSER_FILES 1120     // lst1
#define IDC_CHOOSER_DIRS 1121      // lst2
#define IDC_CHOOSER_TYPES 1136     // cmb1
#define IDC_CHOOSER_DRIVES 1137    // cmb2
#define IDC_CHOOSER_FILE_NAME 1152 // edt1

// String table
#define IDS_LICENSE_1 57345
#define IDS_LICENSE_2 57346
#define IDS_LICENSE_3 57347
#define IDS_LICENSE_4 57348
#define IDS_LICENSE_5 57349
#define IDS_LICENSE_6 57350
#define IDS_LICENSE_7 57351
#define IDS_LICENSE_8 57352
#define IDS_CONFIRM_REMOVE 57361
#define IDS_CONFIRM_REMOVE_CAPTION 57362
#define IDS_YES 57363
#define IDS_NO 57364
#define IDS_SUPPLIER 57365
#define IDS_NEED_DIRECTX9 57368
#define IDS_INSTALL_DIRECTX9 57369
