// The registry seam on POSIX: two in-memory hives (local machine, current user) answering as
// RegOpenKeyExA, RegEnumKeyExA and RegQueryValueExA would with a 256-byte buffer.
#include "platform/registry.h"

#include <map>
#include <memory>

#include "platform/posix/registry_text.h"
#include "platform/posix/registry_tree.h"

namespace registry_tree {
namespace {

struct Value {
  std::string name;
  uint32_t type = 0;
  std::string data;
};

// Subkeys and values are keyed by their folded names, so they compare and enumerate as Windows
// does; each keeps the name it was first created with.
struct Node {
  std::string name;
  std::map<std::u16string, std::unique_ptr<Node>> subkeys;
  std::map<std::u16string, Value> values;
};

Node& Root(Hive hive) {
  static Node machine;
  static Node user;
  return hive == Hive::kMachine ? machine : user;
}

// An open key is its path, looked up again on every use: a key deleted or a tree cleared while a
// handle is open leaves the handle answering "missing" instead of pointing at freed memory.
struct OpenKey {
  Hive hive;
  std::vector<std::u16string> path;
};

Node* Find(Hive hive, const std::vector<std::u16string>& path) {
  Node* node = &Root(hive);
  for (const std::u16string& name : path) {
    const auto it = node->subkeys.find(name);
    if (it == node->subkeys.end()) return nullptr;
    node = it->second.get();
  }
  return node;
}

Node& FindOrCreate(Hive hive, const std::vector<std::string>& path) {
  Node* node = &Root(hive);
  for (const std::string& name : path) {
    std::unique_ptr<Node>& child = node->subkeys[FoldName(name)];
    if (!child) {
      child = std::make_unique<Node>();
      child->name = name;
    }
    node = child.get();
  }
  return *node;
}

void SetValue(Node& node, const std::string& name, uint32_t type, const std::string& data) {
  Value& value = node.values[FoldName(name)];
  if (value.name.empty()) value.name = name;  // an existing value keeps its name's case
  value.type = type;
  value.data = data;
}

void DeleteKey(Hive hive, const std::vector<std::string>& path) {
  if (path.empty()) return;  // a hive itself cannot be deleted
  std::vector<std::u16string> parent;
  for (size_t i = 0; i + 1 < path.size(); ++i) parent.push_back(FoldName(path[i]));
  if (Node* node = Find(hive, parent)) node->subkeys.erase(FoldName(path.back()));
}

const Node* NodeOf(const RegistryKey& key) {
  const auto* open = static_cast<const OpenKey*>(key.handle());
  return open ? Find(open->hive, open->path) : nullptr;
}

// The value as the 256-byte buffer receives it; nothing when missing or too long.
const Value* FindValue(const RegistryKey& key, const std::string& name) {
  const Node* node = NodeOf(key);
  if (!node) return nullptr;
  const auto it = node->values.find(FoldName(name));
  if (it == node->values.end() || it->second.data.size() > kRegistryValueLimit) return nullptr;
  return &it->second;
}

RegistryKey Open(Hive hive, const std::string& path) {
  std::vector<std::string> names;
  if (!SplitKeyPath(path, names)) return RegistryKey();
  auto open = std::make_unique<OpenKey>();
  open->hive = hive;
  for (const std::string& name : names) open->path.push_back(FoldName(name));
  if (!Find(hive, open->path)) return RegistryKey();
  return RegistryKey(open.release());
}

const char kUserKey[] = "Software\\hwdex";

}  // namespace

void Apply(const std::vector<Change>& changes) {
  for (const Change& change : changes) {
    switch (change.kind) {
      case Change::kCreateKey:
        FindOrCreate(change.hive, change.path);
        break;
      case Change::kDeleteKey:
        DeleteKey(change.hive, change.path);
        break;
      case Change::kSetValue:
        SetValue(FindOrCreate(change.hive, change.path), change.name, change.type, change.data);
        break;
      case Change::kDeleteValue: {
        std::vector<std::u16string> path;
        for (const std::string& name : change.path) path.push_back(FoldName(name));
        if (Node* node = Find(change.hive, path)) node->values.erase(FoldName(change.name));
        break;
      }
    }
  }
}

}  // namespace registry_tree

using namespace registry_tree;

RegistryKey::~RegistryKey() { delete static_cast<OpenKey*>(handle_); }

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    delete static_cast<OpenKey*>(handle_);
    handle_ = other.handle_;
    other.handle_ = nullptr;
  }
  return *this;
}

RegistryKey OpenMachineKey(const std::string& path) { return Open(Hive::kMachine, path); }

std::optional<std::string> EnumerateSubkey(const RegistryKey& key, uint32_t index) {
  const Node* node = NodeOf(key);
  if (!node || index >= node->subkeys.size()) return std::nullopt;
  auto it = node->subkeys.begin();
  std::advance(it, index);
  return it->second->name;
}

std::optional<std::string> ReadTextValue(const RegistryKey& key, const std::string& name) {
  const Value* value = FindValue(key, name);
  if (!value || (value->type != kRegSz && value->type != kRegExpandSz && value->type != kRegMultiSz)) {
    return std::nullopt;
  }
  // The text ends at its first NUL (for a multi-string that is the end of the first string).
  return value->data.substr(0, value->data.find('\0'));
}

std::optional<uint32_t> ReadDwordValue(const RegistryKey& key, const std::string& name) {
  const Value* value = FindValue(key, name);
  if (!value || value->type != kRegDword || value->data.size() != 4) return std::nullopt;
  uint32_t number = 0;
  for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value->data[static_cast<size_t>(i)]);
  return number;
}

std::optional<std::string> ReadUserValue(const std::string& name) {
  return ReadTextValue(Open(Hive::kUser, kUserKey), name);
}

bool WriteUserValue(const std::string& name, const std::string& text) {
  std::vector<std::string> path;
  SplitKeyPath(kUserKey, path);
  SetValue(FindOrCreate(Hive::kUser, path), name, kRegSz, text + '\0');
  return true;
}

void ClearRegistry() {
  Root(Hive::kMachine) = Node();
  Root(Hive::kUser) = Node();
}

namespace {
void SetMachine(const std::string& keyPath, const std::string& name, uint32_t type, const std::string& data) {
  std::vector<std::string> path;
  if (!SplitKeyPath(keyPath, path)) return;
  SetValue(FindOrCreate(Hive::kMachine, path), name, type, data);
}
}  // namespace

void SetMachineText(const std::string& keyPath, const std::string& name, const std::string& text) {
  SetMachine(keyPath, name, kRegSz, text + '\0');
}

void SetMachineMultiText(const std::string& keyPath, const std::string& name, const std::string& first) {
  SetMachine(keyPath, name, kRegMultiSz, first + '\0' + '\0');
}

void SetMachineDword(const std::string& keyPath, const std::string& name, uint32_t value) {
  std::string data(4, '\0');
  for (size_t i = 0; i < 4; ++i) data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  SetMachine(keyPath, name, kRegDword, data);
}

void CreateMachineKey(const std::string& keyPath) {
  std::vector<std::string> path;
  if (SplitKeyPath(keyPath, path)) FindOrCreate(Hive::kMachine, path);
}
