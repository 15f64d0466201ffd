// Downloads through WinINet: the answer's status is checked and the file is written under a
// temporary name, then moved into place.
#include "platform/download.h"

#include <windows.h>
#include <wininet.h>

#include <string_view>

#include "scan/line_reader.h"

namespace {

// How long a silent server may keep the update check or the updater waiting.
constexpr DWORD kConnectTimeoutMs = 15000;
constexpr DWORD kReceiveTimeoutMs = 30000;

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_ != nullptr) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET get() const { return handle_; }

 private:
  HINTERNET handle_;
};

bool AnsweredOk(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  return HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) &&
         status == HTTP_STATUS_OK;
}

bool CopyInto(HINTERNET request, const std::string& path) {
  FileWriter file(path);
  if (!file.isOpen()) return false;
  char buffer[16384];
  DWORD n = 0;
  for (;;) {
    if (!InternetReadFile(request, buffer, sizeof buffer, &n)) return false;  // the writer drops its file
    if (n == 0) break;
    file.Write(std::string_view(buffer, n));
  }
  return file.Commit();
}

}  // namespace

bool DownloadToFile(const std::string& address, const std::string& path) {
  const InternetHandle session(InternetOpenA("hwdex", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (session.get() == nullptr) return false;
  DWORD connectTimeout = kConnectTimeoutMs;
  DWORD receiveTimeout = kReceiveTimeoutMs;
  InternetSetOptionA(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, &connectTimeout, sizeof connectTimeout);
  InternetSetOptionA(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveTimeout, sizeof receiveTimeout);
  const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_UI |
                      INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_PRAGMA_NOCACHE;
  const InternetHandle request(InternetOpenUrlA(session.get(), address.c_str(), nullptr, 0, flags, 0));
  return request.get() != nullptr && AnsweredOk(request.get()) && CopyInto(request.get(), path);
}
