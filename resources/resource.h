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

