// Resource and control ids of Setup's dialog templates, pictures and animation.
#pragma once

// Pictures and the animation clip.
#define IDI_SETUP 128
#define IDB_FRAME_PICTURE 129
#define IDR_PROGRESS_CLIP 131

// Dialog templates.
#define IDD_BACKGROUND 102
#define IDD_WELCOME_PAGE 130
#define IDD_DESTINATION_PAGE 133
#define IDD_PROGRAM_FOLDER_PAGE 134
#define IDD_READY_PAGE 135
#define IDD_FINISH_PAGE 136
#define IDD_EXIT_CONFIRM 137
#define IDD_LANGUAGE_PAGE 140
#define IDD_WIZARD_FRAME 142
#define IDD_PROGRESS 1001

// Wizard frame.
#define IDC_FRAME_PICTURE 300
#define IDC_BACK 1001
#define IDC_NEXT 1002
#define IDC_BROWSER 1003
#define IDC_SEPARATOR 1011
#define IDC_CANCEL_WIZARD 1010
#define IDC_RESTART_LATER 1015
#define IDC_RESTART_NOW 1016

// Pages: every page's title, and the other texts, edits and lists by their ids.
#define IDC_TITLE 1000
#define IDC_TEXT_1003 1003
#define IDC_TEXT_1004 1004
#define IDC_TEXT_1005 1005
#define IDC_TEXT_1006 1006
#define IDC_TEXT_1007 1007
#define IDC_TEXT_1008 1008
#define IDC_TEXT_1009 1009
#define IDC_LIST 1014
#define IDC_FOLDER_EDIT 1018
#define IDC_BROWSE 1019

// Exit confirmation: three paragraphs, then IDOK (stay) and IDCANCEL (leave).
#define IDC_EXIT_TEXT_1 1000
#define IDC_EXIT_TEXT_2 1001
#define IDC_EXIT_TEXT_3 1002

// Progress window.
#define IDC_PROGRESS_TEXT 1000
#define IDC_PROGRESS_BAR 1022
#define IDC_PROGRESS_ANIMATION 1024

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
