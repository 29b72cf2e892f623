// Resource identifiers, grouped by the resource that uses them.
#pragma once

// Menu, icon, bitmaps and the chime
#define IDR_CONTEXTMENU        101
#define IDB_CHARACTER          106
#define IDB_CALENDAR           114
#define IDB_BACKGROUND         115
#define IDI_VESPIN             117
#define IDW_CHIME              121

// Context menu commands
#define IDM_PROPERTY           40001
#define IDM_ABOUT              40002
#define IDM_EXIT               40003
#define IDM_CHARA0             40005
#define IDM_CHARA1             40006
#define IDM_CHARA2             40007
#define IDM_CALENDAR           40008
#define IDM_MONTHCALENDAR      40010
#define IDM_CLICKTHROUGH       40011

// Property sheet, Window page (dialog 109)
#define IDD_WINDOWPAGE         109
#define IDC_TOPMOST            1000
#define IDC_AWAYTASKBAR        1001
#define IDC_TRAYNOICON         1002
#define IDC_FIX                1003
#define IDC_WINDOWPOS          1019
#define IDC_CALENDARPOS        1020
#define IDC_FONT               1029

// Clock page (dialog 111)
#define IDD_CLOCKPAGE          111
#define IDC_24HOUR             1006
#define IDC_SECOND             1007
#define IDC_ROKUYO             1008
#define IDC_ALARM              1009
#define IDC_WAVE               1010
#define IDC_ALARM30            1011
#define IDC_WAVE30             1012
#define IDC_BROWSEWAVE         1020
#define IDC_BROWSEWAVE30       1021
#define IDC_CALTRANS_TRACK     1024
#define IDC_CALTRANS_EDIT      1025
#define IDC_CALTRANS_SPIN      1026
#define IDC_WAVE_LABEL         1030
#define IDC_WAVE30_LABEL       1031

// Chara page (dialog 113)
#define IDD_CHARAPAGE          113
#define IDC_RANDOM             1009
#define IDC_CHARA0             1010
#define IDC_CHARA1             1011
#define IDC_CHARA2             1012
#define IDC_CHANGETIMING       1021
#define IDC_TRANS_TRACK        1024
#define IDC_TRANS_EDIT         1025
#define IDC_TRANS_SPIN         1026

// Calendar page (dialog 120)
#define IDD_CALENDARPAGE       120
#define IDC_HOLIDAYLAW         1040
#define IDC_LUNARROKUYO        1041

// Aside page (dialog 122): click-through, the fade under the pointer, stepping aside for full screen
#define IDD_ASIDEPAGE          122
#define IDC_CLICKTHROUGH       1050
#define IDC_CTRLNOTE           1051
#define IDC_FADEONHOVER        1052
#define IDC_FADE_TRACK         1053
#define IDC_FADE_VALUE         1054
#define IDC_HIDEFULLSCREEN     1055
#define IDC_HIDEFULLSCREEN_NOTE 1056
// Time signal page (dialog 123)
#define IDD_SIGNALPAGE         123
#define IDC_QUIETFROM          1060
#define IDC_QUIETTO            1061
#define IDC_QUIETDAYSOFF       1062
#define IDC_STRIKEHOURS        1063
#define IDC_SIGNALBALLOON      1064

// About box (dialog 118) and staff credits (dialog 119)
#define IDD_ABOUT              118
#define IDD_STAFF              119
#define IDC_HOMEPAGE           1031
#define IDC_MAILTO             1032
#define IDC_ICONFRAME          1033
#define IDC_ABOUTICON          1034

// Messages and timers of the main window
#define WM_TRAYNOTIFY          1034
#define TRAY_ICON_ID           117
#define TIMER_SECOND           1
#define TIMER_BLINK            2
#define TIMER_HOVER            3
#define TIMER_STAFF            10
