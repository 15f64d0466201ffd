// What the fuzz entries share: a scratch folder, files, checks that abort, fields of an input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A folder of this process's own (in /dev/shm when there is one), removed at exit.
const std::string& ScratchDir();
std::string ScratchFile(const std::string& name);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);

// Aborts with a message when the engine broke a rule; libFuzzer keeps the input that did it.
void FuzzCheck(bool ok, const char* rule);

inline std::string AsText(const uint8_t* data, size_t size) {
  return size == 0 ? std::string() : std::string(reinterpret_cast<const char*>(data), size);
}
