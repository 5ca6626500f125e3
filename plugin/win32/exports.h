// The functions Stats.dll exports, as the host declares them.  All use the
// C calling convention; the .def file also exports each under the
// Microsoft-decorated name of its C++ declaration.  The short argument
// types stay in their namespace: only the functions reach the includer.
#pragma once

#include "plugin/host_date_time.h"

namespace stats_abi {

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

}  // namespace stats_abi

using stats_abi::AddData0;
using stats_abi::CheckCall0;
using stats_abi::GetExchgCount0;
using stats_abi::GetNumberOfSets;
using stats_abi::GetResult0;
using stats_abi::GetSetName;
using stats_abi::IsValidExchg0;
using stats_abi::RemoveData0;
using stats_abi::ResetStats0;
using stats_abi::SetupSet0;
using stats_abi::setVersion;
