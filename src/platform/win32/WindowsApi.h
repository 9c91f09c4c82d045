#pragma once

// <windows.h> for the backend, with the macros removed that would rename the methods of
// platform::Os (CreateProcess, DeleteFile, ...). The backend calls the A and W entry
// points by their full names.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// These need the types of <windows.h> first.
#include <ddeml.h>
#include <oleauto.h>
#include <shellapi.h>

#undef CreateProcess
#undef DeleteFile
#undef GetNextWindow
#undef GetPrivateProfileString
#undef GetWindowText
#undef GetWindowTextLength
#undef LoadLibrary
#undef MessageBox
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef ShellExecute
