// The GUI driver of hwdex.exe's window tests (a Windows test program run under Wine beside the
// program; never shipped). Usage:
//   gui_driver STEP [ARGUMENT...] [";" STEP [ARGUMENT...]]...
// Steps run in order; the first unmet expectation ends the driver with exit code 1 and a message on
// standard error. Arguments are UTF-8 (the program's own texts are compared as GBK). The steps are
// listed in driver_steps.cpp; tests/wine/gui/README.md describes them.
#include <windows.h>

#include <cstdio>
#include <exception>

#include "tests/wine/driver/gui_driver.h"

namespace {

// A driver that crashes says so on standard error (Wine's own report is off in the tests), with the
// exception code and address, and ends with exit code 2 rather than vanishing without a word.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* info) {
  Log("crashed");
  const EXCEPTION_RECORD& record = *info->ExceptionRecord;
  std::fprintf(stderr, "gui_driver: crashed with exception 0x%08lx at %p\n",
               static_cast<unsigned long>(record.ExceptionCode), record.ExceptionAddress);
  std::fflush(stderr);
  ExitProcess(2);
}

std::string Utf8Argument(const wchar_t* argument) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, argument, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, argument, -1, text.data(), length, nullptr, nullptr);
  text.resize(text.size() - 1);
  return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetUnhandledExceptionFilter(ReportCrash);
  if (argc < 2) Fail("usage: gui_driver STEP [ARGUMENT...] [\";\" STEP [ARGUMENT...]]...");
  std::vector<std::string> step;
  for (int i = 1; i <= argc; ++i) {
    if (i < argc && std::wstring(argv[i]) != L";") {
      step.push_back(Utf8Argument(argv[i]));
      continue;
    }
    if (!step.empty()) {
      try {
        RunStep(step);
      } catch (const std::exception& error) {
        Fail(step[0] + ": " + error.what());
      }
    }
    step.clear();
  }
  Log("done");
  return 0;
}
