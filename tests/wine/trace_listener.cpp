// A test helper under Wine (not shipped): the debug-output listener that DebugView is on Windows.
// It takes the system's debug-output buffer (the "DBWIN_BUFFER" mapping and its two events) and
// appends every OutputDebugStringA line of every program to FILE as
//   <milliseconds since 1970> TAB <process id> TAB <text in UTF-8> LF
// flushed line by line, so that a test can wait for a line. It runs until it is killed; FILE.ready
// is written once it listens. Usage: hwdex_trace FILE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The debug-output buffer: the writer's process id, then the text with its terminating zero.
struct DebugBuffer {
  DWORD processId;
  char text[4096 - sizeof(DWORD)];
};

std::string Utf8(const char* gbk) {
  const int wideLength = MultiByteToWideChar(936, 0, gbk, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  MultiByteToWideChar(936, 0, gbk, -1, wide.data(), wideLength);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), length, nullptr, nullptr);
  text.resize(text.size() - 1);  // the terminating zero
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

unsigned long long UnixMilliseconds() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return ticks / 10000 - 11644473600000ULL;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: hwdex_trace FILE\n");
    return 2;
  }
  const HANDLE bufferReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
  const HANDLE dataReady = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
  const HANDLE mapping =
      CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DebugBuffer), "DBWIN_BUFFER");
  if (bufferReady == nullptr || dataReady == nullptr || mapping == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
    std::fprintf(stderr, "hwdex_trace: the debug-output buffer cannot be had (another listener?)\n");
    return 1;
  }
  const auto* buffer = static_cast<const DebugBuffer*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
  std::FILE* out = std::fopen(argv[1], "ab");
  std::FILE* ready = std::fopen((std::string(argv[1]) + ".ready").c_str(), "wb");
  if (buffer == nullptr || out == nullptr || ready == nullptr) {
    std::fprintf(stderr, "hwdex_trace: cannot write %s\n", argv[1]);
    return 1;
  }
  std::fclose(ready);
  for (;;) {
    SetEvent(bufferReady);
    if (WaitForSingleObject(dataReady, INFINITE) != WAIT_OBJECT_0) return 1;
    std::string text(buffer->text, strnlen(buffer->text, sizeof buffer->text));
    std::fprintf(out, "%llu\t%lu\t%s\n", UnixMilliseconds(), buffer->processId, Utf8(text.c_str()).c_str());
    std::fflush(out);
  }
}
