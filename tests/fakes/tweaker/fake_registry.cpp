#include "tests/fakes/tweaker/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vdx {

namespace {

std::string lower(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::vector<std::string> splitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : path) {
    if (c == '\\') {
      if (!cur.empty()) parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) parts.push_back(cur);
  return parts;
}

// Windows refuses key names longer than this.
constexpr std::size_t kMaxKeyName = 255;

bool namesFit(const std::vector<std::string>& parts) {
  for (const std::string& p : parts)
    if (p.size() > kMaxKeyName) return false;
  return true;
}

}  // namespace

struct FakeRegistry::Node {
  struct Value {
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
  };
  std::string name;
  bool deleted = false;
  std::map<std::string, std::shared_ptr<Node>> children;  // by lower-case name: sorted order
  std::vector<Value> values;                              // sorted by lower-case name

  Value* findValue(const std::string& n) {
    const std::string key = lower(n);
    for (Value& v : values)
      if (lower(v.name) == key) return &v;
    return nullptr;
  }
  void markDeleted() {
    deleted = true;
    for (auto& c : children) c.second->markDeleted();
  }
};

void FakeRegistry::addValue(Node* n, const std::string& name, uint32_t type, const std::vector<uint8_t>& bytes) {
  Node::Value* v = n->findValue(name);
  if (!v) {
    const std::string key = lower(name);
    auto at = std::find_if(n->values.begin(), n->values.end(),
                           [&](const Node::Value& other) { return lower(other.name) > key; });
    v = &*n->values.insert(at, Node::Value{name, 0, {}});
  }
  v->type = type;
  v->data = bytes;
}

FakeRegistry::FakeRegistry() {
  for (RegRoot r : {RegRoot::LocalMachine, RegRoot::CurrentUser, RegRoot::CurrentConfig, RegRoot::DynData})
    roots_[r] = std::make_shared<Node>();
}

FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Node* FakeRegistry::walk(RegRoot root, const std::string& path, bool create) const {
  auto it = roots_.find(root);
  if (it == roots_.end()) return nullptr;
  Node* n = it->second.get();
  if (!namesFit(splitPath(path))) return nullptr;
  for (const std::string& part : splitPath(path)) {
    auto c = n->children.find(lower(part));
    if (c == n->children.end()) {
      if (!create) return nullptr;
      auto child = std::make_shared<Node>();
      child->name = part;
      c = n->children.emplace(lower(part), child).first;
    }
    n = c->second.get();
  }
  return n;
}

FakeRegistry::Node* FakeRegistry::node(RegKeyHandle key) const {
  auto it = handles_.find(key);
  if (it == handles_.end() || it->second->deleted) return nullptr;
  return it->second.get();
}

RegKeyHandle FakeRegistry::newHandle(Node* n) {
  // Find the shared owner of n so the handle keeps the node alive after a delete.
  std::shared_ptr<Node> owner;
  std::vector<std::shared_ptr<Node>> stack;
  for (auto& r : roots_) stack.push_back(r.second);
  while (!stack.empty() && !owner) {
    auto cur = stack.back();
    stack.pop_back();
    if (cur.get() == n) owner = cur;
    for (auto& c : cur->children) stack.push_back(c.second);
  }
  RegKeyHandle h = nextHandle_;
  nextHandle_ += 4;
  handles_[h] = owner;
  return h;
}

bool FakeRegistry::createKey(RegRoot root, const std::string& path, RegKeyHandle* out) {
  *out = 0;
  Node* n = walk(root, path, true);
  if (!n) return false;
  *out = newHandle(n);
  return true;
}

bool FakeRegistry::openKey(RegRoot root, const std::string& path, RegKeyHandle* out) {
  *out = 0;
  Node* n = walk(root, path, false);
  if (!n) return false;
  *out = newHandle(n);
  return true;
}

void FakeRegistry::closeKey(RegKeyHandle key) { handles_.erase(key); }

bool FakeRegistry::queryValue(RegKeyHandle key, const std::string& name, uint32_t* type,
                              std::vector<uint8_t>* data) {
  Node* n = node(key);
  if (!n) return false;
  Node::Value* v = n->findValue(name);
  if (!v) return false;
  if (type) *type = v->type;
  if (data) *data = v->data;
  return true;
}

bool FakeRegistry::setValue(RegKeyHandle key, const std::string& name, uint32_t type, const void* data,
                            std::size_t size) {
  Node* n = node(key);
  if (!n || (size && !data)) return false;
  const uint8_t* p = static_cast<const uint8_t*>(data);
  addValue(n, name, type, std::vector<uint8_t>(p, p + size));
  return true;
}

bool FakeRegistry::deleteValue(RegKeyHandle key, const std::string& name) {
  Node* n = node(key);
  if (!n) return false;
  const std::string k = lower(name);
  auto it = std::find_if(n->values.begin(), n->values.end(),
                         [&](const Node::Value& v) { return lower(v.name) == k; });
  if (it == n->values.end()) return false;
  n->values.erase(it);
  return true;
}

bool FakeRegistry::enumSubKey(RegKeyHandle key, uint32_t index, std::string* name) {
  Node* n = node(key);
  if (!n || index >= n->children.size()) return false;
  auto it = n->children.begin();
  std::advance(it, index);
  *name = it->second->name;
  return true;
}

bool FakeRegistry::enumValue(RegKeyHandle key, uint32_t index, std::string* name) {
  Node* n = node(key);
  if (!n || index >= n->values.size()) return false;
  *name = n->values[index].name;
  return true;
}

bool FakeRegistry::createSubKey(RegKeyHandle key, const std::string& name) {
  Node* n = node(key);
  if (!n || splitPath(name).empty() || !namesFit(splitPath(name))) return false;
  for (const std::string& part : splitPath(name)) {
    auto c = n->children.find(lower(part));
    if (c == n->children.end()) {
      auto child = std::make_shared<Node>();
      child->name = part;
      c = n->children.emplace(lower(part), child).first;
    }
    n = c->second.get();
  }
  return true;
}

bool FakeRegistry::deleteSubKey(RegKeyHandle key, const std::string& name) {
  Node* n = node(key);
  if (!n) return false;
  std::vector<std::string> parts = splitPath(name);
  if (parts.empty()) return false;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    auto c = n->children.find(lower(parts[i]));
    if (c == n->children.end()) return false;
    n = c->second.get();
  }
  auto c = n->children.find(lower(parts.back()));
  if (c == n->children.end()) return false;
  // The whole branch goes, as on the 95/98 family.
  c->second->markDeleted();
  n->children.erase(c);
  return true;
}

bool FakeRegistry::flushKey(RegKeyHandle key) {
  if (!node(key)) return false;
  ++flushes_;
  return true;
}

bool FakeRegistry::keyExists(RegRoot root, const std::string& path) const { return walk(root, path, false) != nullptr; }

void FakeRegistry::setRaw(RegRoot root, const std::string& path, const std::string& name, uint32_t type,
                          const std::vector<uint8_t>& bytes) {
  Node* n = walk(root, path, true);
  if (n) addValue(n, name, type, bytes);
}

void FakeRegistry::setString(RegRoot root, const std::string& path, const std::string& name,
                             const std::string& text) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  setRaw(root, path, name, kRegSz, bytes);
}

void FakeRegistry::setDword(RegRoot root, const std::string& path, const std::string& name, uint32_t value) {
  std::vector<uint8_t> bytes(4);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  setRaw(root, path, name, kRegDword, bytes);
}

bool FakeRegistry::getRaw(RegRoot root, const std::string& path, const std::string& name, uint32_t* type,
                          std::vector<uint8_t>* bytes) const {
  Node* n = walk(root, path, false);
  if (!n) return false;
  Node::Value* v = n->findValue(name);
  if (!v) return false;
  if (type) *type = v->type;
  if (bytes) *bytes = v->data;
  return true;
}

std::string FakeRegistry::getString(RegRoot root, const std::string& path, const std::string& name) const {
  uint32_t type = 0;
  std::vector<uint8_t> bytes;
  if (!getRaw(root, path, name, &type, &bytes) || type != kRegSz) return std::string();
  std::string s(bytes.begin(), bytes.end());
  std::size_t nul = s.find('\0');
  return nul == std::string::npos ? s : s.substr(0, nul);
}

bool FakeRegistry::hasValue(RegRoot root, const std::string& path, const std::string& name) const {
  return getRaw(root, path, name, nullptr, nullptr);
}

}  // namespace vdx
