// The program's trace: one line per pane navigation, timer and scan step, written with
// OutputDebugStringA so that a debug viewer (and the tests, under Wine) can follow the window.
#pragma once

#include <windows.h>

#include <string>

inline void Trace(const std::string& line) { OutputDebugStringA(line.c_str()); }
