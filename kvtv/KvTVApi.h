// Exports of KvTV.dll: C linkage, C calling convention, undecorated names
// (the names are kept as the panel looks them up, spelling included).
#pragma once

#if defined(_WIN32)
#define KVTV_CDECL __cdecl
#else
#define KVTV_CDECL
#endif

extern "C" {

// Number of entries of the country table.
int KVTV_CDECL KvGetContryInfo(void);

// Frequency in Hz of `channel` in `band` (0 air, 1 cable) for the entry at
// *position; *code receives the entry's telephone code, *standard its video
// standard, *maxChannel / *minChannel the band's channel range. The code is
// an output only: the entry is always chosen by position. reserved1 and
// reserved2 are ignored (callers pass 0).
int KVTV_CDECL KvGetFreqInfo(int* code, int* position, int band, int channel,
                             int reserved1, int* standard, int* maxChannel,
                             int* minChannel, int reserved2);

}  // extern "C"

// Shapes for binding the exports at run time (GetProcAddress).
using KvGetContryInfoFn = int(KVTV_CDECL*)(void);
using KvGetFreqInfoFn = int(KVTV_CDECL*)(int*, int*, int, int, int, int*, int*,
                                         int*, int);
