// Resource ids of purgekit: the dialog, its controls, the icon, the side picture and the strings.
#pragma once

#define IDD_REMOVAL 102
#define IDI_PROGRAM 128
#define IDB_SIDE 129

#define IDS_ABOUT 101
#define IDS_LOG_NOT_FOUND 102
#define IDS_LOG_ACCESS_DENIED 103

#define IDC_SIDE_PICTURE 300
#define IDC_HEADING 1000
#define IDC_RESTART_NOW 1002
#define IDC_INSTRUCTION 1003
#define IDC_RESTART_LATER 1004
#define IDC_PRODUCT_NAME 1006
#define IDC_FILES_LABEL 1007
#define IDC_FOLDERS_LABEL 1008
#define IDC_STARTUP_LABEL 1009
#define IDC_CANCEL 1010
#define IDC_SEPARATOR 1011
#define IDC_NEXT 1012
#define IDC_FINISH 1013
#define IDC_PROGRAM_FOLDER_LABEL 1014
#define IDC_REGISTRY_LABEL 1015

#define IDM_ABOUT 16
