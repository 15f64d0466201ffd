// The in-memory registry behind platform/registry.h on POSIX: the changes an export makes, applied
// all at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace registry_tree {

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

enum class Hive { kMachine, kUser };

// One change read from an export. Names are GBK; data is what RegQueryValueExA returns (texts in
// GBK with their NULs, a dword as four little-endian bytes).
struct Change {
  enum Kind { kCreateKey, kDeleteKey, kSetValue, kDeleteValue };
  Kind kind = kCreateKey;
  Hive hive = Hive::kMachine;
  std::vector<std::string> path;
  std::string name;
  uint32_t type = 0;
  std::string data;
};

// Applies the changes in order (a value's key is created when missing).
void Apply(const std::vector<Change>& changes);

}  // namespace registry_tree
