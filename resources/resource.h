// Resource and control ids of Stats.dll.  Shared by the resource script and
// the C++ code, so only #define lines belong here.
#pragma once

// Cabrillo header dialog.
#define IDD_CABRILLO 101
#define IDC_CAB_SOAPBOX 1001
#define IDC_CAB_ADDRESS 1002
#define IDC_CAB_EMAIL 1004
#define IDC_CAB_CLUB 1005
#define IDC_CAB_OPERATORS 1006
#define IDC_CAB_NAME 1007
#define IDC_CAB_CLAIMED 1008
#define IDC_CAB_CONTEST 1009
#define IDC_CAB_CALLSIGN 1010
#define IDC_CAB_CATEGORY_OPERATOR 1013
#define IDC_CAB_CATEGORY_BAND 1014
#define IDC_CAB_CATEGORY_MODE 1020
#define IDC_CAB_CATEGORY_POWER 1021
#define IDC_CAB_CATEGORY_TRANSMITTER 1022

// Icon of every window.
#define IDI_STATS 107

// Setup window.
#define IDD_SETUP 104
#define IDC_SETUP_VIEW 1023
#define IDC_SETUP_EADX100 1015
#define IDC_SETUP_CALL_AREA 1016
#define IDC_SETUP_PROVINCE 1017
#define IDC_SETUP_ON_TOP 1018
#define IDC_SETUP_PREV_QSO 1019
#define IDC_SETUP_OLD_STYLE 1020

// Multiplier window: one owner-drawn list.
#define IDD_MULTIPLIER 105
#define IDC_MULT_LIST 1016

// Previous-QSO window: one owner-drawn table.
#define IDD_PREV_QSO 112
#define IDC_PREV_TABLE 1003

// Province window: a cell per entry of kProvinceCodes in reading order,
// FIRST to LAST without GAP, then the HQ cell.
#define IDD_PROVINCE 110
#define IDC_PROVINCE_FIRST 1015
#define IDC_PROVINCE_GAP 1019
#define IDC_PROVINCE_LAST 1067
#define IDC_PROVINCE_HQ 1072

// Call-area window: ten cells a country, digits 1..9 then 0, the countries
// in the order of their map groups (contest/call_area_kinds.h).
#define IDD_CALL_AREA 111
#define IDC_AREA_FIRST 1015
#define IDC_AREA_LAST 1054
