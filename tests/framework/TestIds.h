// Ids of the framework tests' own dialog templates and their items.
#pragma once

#define IDD_MAIN 200
#define IDD_CHILD 201
#define IDD_POPUP 202
#define IDD_INNER 203
#define IDD_LABELS 204
#define IDD_MISSING 299

#define IDC_LABEL 1000
#define IDC_END42 1001
#define IDC_CHECK 1002
#define IDC_TEXT 1003
#define IDC_HIDDEN 1004
#define IDC_LIST 1014
#define IDC_EDIT 1018
#define IDC_SMALL_EDIT 1019
#define IDC_CHILD_EDIT 1020
#define IDC_POPUP_BUTTON 1030

#define MAIN_CAPTION "Framework Test"
#define INNER_CAPTION "Inner Test"
