// The functions Stats.dll exports, as the host declares them.  All use the
// C calling convention; the .def file also exports each under the
// Microsoft-decorated name of its C++ declaration.
#pragma once

#include "plugin/host_date_time.h"

typedef const char* T;    // a text argument (may be null)
typedef HostDateTime* D;  // a date-time argument (may be null)

extern "C" {
int GetNumberOfSets(void);
const char* GetSetName(int index);
unsigned long setVersion(const char* hostVersion);
void SetupSet0(void);
int ResetStats0(T hostDir, int exportRequest, T ownCall, D start, D end, T, T, T, T, T, T, T, T, T,
                T ownCountry, int, int, int, double, double, T, T, T);
int AddData0(T ownCall, T call, D time, D, D, D, unsigned int, unsigned int freqHz, T mode,
             T rstSent, T rstReceived, T exchSent, T exchReceived, T, T, T, T, T, T, T, T,
             T callPrefix, T country, int, int, int, double, double, T, T, T, T band, T);
int RemoveData0(T ownCall, T call, D time, D, D, D, unsigned int, unsigned int freqHz, T mode,
                T rstSent, T rstReceived, T exchSent, T exchReceived, T, T, T, T, T, T, T, T,
                T callPrefix, T country, int, int, int, double, double, T, T, T, T band, T);
int CheckCall0(T call, unsigned int, unsigned int, T mode, T, T, T, T, T, T, T, T, T callPrefix,
               T country, int, int, int, double, double, T, T, T, T, T, T band, T band2, char* out1,
               char* out2);
int IsValidExchg0(T exchange, T call, T country, T, int, int, int);
int GetExchgCount0(T, T, T);
const char* GetResult0(int* out);
}
