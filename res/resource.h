// Resource identifiers of the Selector: dialog templates, controls, strings,
// the icon and the system-menu command.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_SELECTOR 102
#define IDD_PROJECT 103
#define IDM_ABOUTBOX 16
#define IDR_GRID_MENU 129

// The class of the selector window, by which a second start finds it.
#define ORVENT_WINDOW_CLASS "CORVENTApp"

// Selector window (102)
#define IDC_EXIT 1001
#define IDC_CREATE_NEW_PROJECT 1002
#define IDC_SELECT_OPEN_PROJECT 1003
#define IDC_LAST_APPLICATION 1004
#define IDC_SELECT_APPLICATION 1005
#define IDC_HELP_MANUAL 1006
#define IDC_DELETE_HISTORY 1008
#define IDC_RECENT_GRID 1009
#define IDC_PROJECT_TASK_FRAME 1011
#define IDC_RECENT_FRAME 1012
// The filter over the grid: its label, its box, how many rows match, and
// the words shown over the grid when none does.
#define IDC_FILTER_LABEL 1035
#define IDC_FILTER 1036
#define IDC_FILTER_COUNT 1037
#define IDC_FILTER_NONE 1038
// The current row's state in words: its project not found or not reachable.
#define IDC_ROW_STATE 1039
// The grid's context menu; its other items carry the ids of the buttons they
// stand for.
#define ID_GRID_OPEN_FOLDER 32771
#define ID_GRID_COPY_PATH 32772
// Posted when it is known whether more project files exist.
#define ID_GRID_PRESENCE 32773
// Posted when the grid is first drawn: what the window needs only once it is
// seen is set up then.
#define ID_GRID_FIRST_PAINT 32774
#define ID_GRID_REMOVE_MISSING 32775

// Project dialog (103)
#define IDC_PROJECT_OK 1000
#define IDC_PROJECT_CANCEL 1001
#define IDC_REFERENCE 1007
#define IDC_APPLICATION_FRAME 1013
#define IDC_PROJECT_TYPE_FRAME 1014
#define IDC_GEODETIC_FRAME 1015
#define IDC_PROJECT_NAME 1016
#define IDC_LOCATION 1017
#define IDC_APP_BASIC 1019
#define IDC_APP_ENERGY 1020
#define IDC_APP_ENGINEERING 1021
#define IDC_TYPE_MEASUREMENT 1022
#define IDC_TYPE_MESOSCALE 1023
#define IDC_TYPE_DESIGN_WIND 1024
#define IDC_TYPE_EXTREME_WIND 1025
#define IDC_TYPE_WIND_POWER 1026
#define IDC_GEO_TOKYO 1027
#define IDC_GEO_JGD2011 1028
#define IDC_GEO_WGS84 1029
#define IDC_LOCATION_LABEL 1034

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
