// Control ids of the dialog that dialogviewprobe.exe shows.
#pragma once

#define IDD_PROBE 100
#define IDC_PROBE_EDIT 1001
#define IDC_PROBE_LIST 1002
#define IDC_PROBE_COMBO 1003
#define IDC_PROBE_SLIDER 1004
#define IDC_PROBE_CHECK 1005
#define IDC_PROBE_RADIO1 1006
#define IDC_PROBE_RADIO2 1007
#define IDC_PROBE_BUTTON 1008
#define IDC_PROBE_STATIC 1009
#define IDC_PROBE_SORTED 1010
