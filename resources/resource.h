// Every resource, control and command id of Quillmere.
#pragma once

// Dialogs, menu, icon and strings.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_QUILLMERE_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_CONFIGURE_AUTO 129
#define IDR_MENU 130
#define IDR_SENTENCE_MENU 131

// Main window.
#define IDC_CONCEPT 1000
#define IDC_ACTION 1001
#define IDC_OBJECT 1002
#define IDC_METAPHOR 1003
#define IDC_SIMILE 1004
#define IDC_GENERATE 1005
#define IDC_AUTO_GENERATE 1006
#define IDC_EXIT 1007
#define IDC_RESET 1008
#define IDC_CONFIGURE_AUTO 1009
#define IDC_CONVENTIONAL 1010
#define IDC_OUTPUT 1011

// Auto-generation settings window.
#define IDC_RANDOMIZE_CONVENTION 1010
#define IDC_RANDOMIZE_FIGURE 1011
#define IDC_RANDOMIZE_EVERYTHING 1012
#define IDC_RANDOMIZE_POLARITY 1013
#define IDC_AUTO_CONVENTIONAL 1014
#define IDC_AUTO_UNCONVENTIONAL 1015
#define IDC_AUTO_METAPHOR 1016
#define IDC_AUTO_SIMILE 1017
#define IDC_AUTO_NEGATIVE 1018
#define IDC_AUTO_POSITIVE 1019

// About window.
#define IDC_ABOUT_NOTICE 1015
#define IDC_VISIT_WEB_SITE 1016

// Commands: the system-menu item, the menu bar's About item, the output line's
// Copy and Copy All (Copy also Ctrl+C and Ctrl+Insert), and Shift+F10 for the
// output line's menu.
#define IDM_ABOUTBOX 0x0010
#define IDM_ABOUT_QUILLMERE 32771
#define IDM_COPY 32772
#define IDM_COPY_ALL 32773
#define IDM_SENTENCE_MENU 32774

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
