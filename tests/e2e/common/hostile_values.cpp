#include "tests/e2e/common/hostile_values.h"

#include <cstring>

#include "tests/e2e/common/driver.h"

namespace e2e {

namespace {

std::vector<unsigned char> bytesOf(const std::string& s, bool terminated) {
  std::vector<unsigned char> b(s.begin(), s.end());
  if (terminated) b.push_back(0);
  return b;
}

// UTF-16 code units of an ASCII text, with no terminator.
std::vector<unsigned char> wideUnterminated(const std::string& s) {
  std::vector<unsigned char> b;
  for (char c : s) {
    b.push_back(static_cast<unsigned char>(c));
    b.push_back(0);
  }
  return b;
}

std::vector<unsigned char> doubleBytes(double d) {
  std::vector<unsigned char> b(sizeof d);
  std::memcpy(b.data(), &d, sizeof d);
  return b;
}

bool sane(const RawRegValue& v) {
  if (v.type == REG_DWORD) return v.bytes.size() == 4;
  if (v.type == REG_BINARY && v.bytes.size() == sizeof(double)) {
    double d = 0;
    std::memcpy(&d, v.bytes.data(), sizeof d);
    return d == d && d - d == 0;  // finite
  }
  if (v.type != REG_SZ || v.bytes.empty() || v.bytes.back() != 0 || v.bytes.size() > 1025) return false;
  for (std::size_t i = 0; i + 1 < v.bytes.size(); ++i)
    if (v.bytes[i] < 0x20 || v.bytes[i] > 0x7E) return false;
  return true;
}

std::string describe(const RawRegValue& v) {
  std::string s = "type " + std::to_string(v.type) + ", " + std::to_string(v.bytes.size()) + " bytes \"";
  for (std::size_t i = 0; i < v.bytes.size() && i < 40; ++i)
    s += (v.bytes[i] >= 0x20 && v.bytes[i] < 0x7F) ? static_cast<char>(v.bytes[i]) : '.';
  return s + (v.bytes.size() > 40 ? "...\"" : "\"");
}

}  // namespace

KeySnapshot snapshotKey(HKEY root, const std::string& path) {
  KeySnapshot snap;
  snap.root = root;
  snap.path = path;
  HKEY k = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return snap;
  std::vector<char> name(16384);
  std::vector<unsigned char> data(1 << 18);
  for (DWORD i = 0;; ++i) {
    DWORD nameLen = static_cast<DWORD>(name.size()), dataLen = static_cast<DWORD>(data.size()), type = 0;
    if (RegEnumValueA(k, i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen) != ERROR_SUCCESS) break;
    snap.values.push_back({std::string(name.data(), nameLen), type, {data.begin(), data.begin() + dataLen}});
  }
  RegCloseKey(k);
  return snap;
}

void restoreKey(const KeySnapshot& snapshot) {
  HKEY k = nullptr;
  if (RegCreateKeyExA(snapshot.root, snapshot.path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) !=
      ERROR_SUCCESS)
    return;
  for (const RawRegValue& v : snapshotKey(snapshot.root, snapshot.path).values) RegDeleteValueA(k, v.name.c_str());
  for (const RawRegValue& v : snapshot.values)
    RegSetValueExA(k, v.name.c_str(), 0, v.type, v.bytes.data(), static_cast<DWORD>(v.bytes.size()));
  RegCloseKey(k);
}

void addValueNames(HKEY root, const std::string& path, std::vector<std::string>* names) {
  for (const RawRegValue& v : snapshotKey(root, path).values) {
    bool known = false;
    for (const std::string& n : *names) known = known || n == v.name;
    if (!known) names->push_back(v.name);
  }
}

const std::vector<HostileForm>& hostileForms() {
  static const std::vector<HostileForm> forms = [] {
    std::vector<HostileForm> f;
    f.push_back({"a DWORD", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}});
    f.push_back({"a two-byte DWORD", REG_DWORD, {7, 0}});
    f.push_back({"an empty string", REG_SZ, {}});
    f.push_back({"an odd-length string", REG_SZ, {'O', 0, 'n'}, true});
    f.push_back({"a string without terminator", REG_SZ, wideUnterminated("On"), true});
    f.push_back({"one binary byte", REG_BINARY, {0x01}});
    f.push_back({"70,000 characters", REG_SZ, bytesOf(std::string(70000, 'A'), true)});
    f.push_back({"70,000 digits without terminator", REG_SZ, wideUnterminated(std::string(70000, '9')), true});
    f.push_back({"\"1e999\"", REG_SZ, bytesOf("1e999", true)});
    f.push_back({"\"nan\"", REG_SZ, bytesOf("nan", true)});
    f.push_back({"\"-0\"", REG_SZ, bytesOf("-0", true)});
    f.push_back({"\"0x10\"", REG_SZ, bytesOf("0x10", true)});
    f.push_back({"\"  7junk\"", REG_SZ, bytesOf("  7junk", true)});
    f.push_back({"a NaN double", REG_BINARY, doubleBytes(__builtin_nan(""))});
    f.push_back({"an infinite double", REG_BINARY, doubleBytes(__builtin_inf())});
    f.push_back({"a multi-string", REG_MULTI_SZ, {'O', 'n', 0, 'x', 0, 0}});
    return f;
  }();
  return forms;
}

std::vector<RawRegValue> setHostileRound(HKEY root, const std::string& path, const std::vector<std::string>& names,
                                         int round) {
  std::vector<RawRegValue> set;
  HKEY k = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) != ERROR_SUCCESS)
    return set;
  const std::vector<HostileForm>& forms = hostileForms();
  for (std::size_t i = 0; i < names.size(); ++i) {
    const HostileForm& f = forms[(i + static_cast<std::size_t>(round)) % forms.size()];
    if (f.rawWide) {
      const std::wstring wide(names[i].begin(), names[i].end());
      RegSetValueExW(k, wide.c_str(), 0, f.type, f.bytes.data(), static_cast<DWORD>(f.bytes.size()));
    } else {
      RegSetValueExA(k, names[i].c_str(), 0, f.type, f.bytes.data(), static_cast<DWORD>(f.bytes.size()));
    }
  }
  RegCloseKey(k);
  for (const RawRegValue& v : snapshotKey(root, path).values)
    for (const std::string& n : names)
      if (v.name == n) set.push_back(v);
  return set;
}

void checkWrittenBack(HKEY root, const std::string& path, const std::vector<RawRegValue>& set,
                      const std::string& what) {
  const KeySnapshot now = snapshotKey(root, path);
  std::string garbled;
  for (const RawRegValue& was : set) {
    for (const RawRegValue& v : now.values) {
      if (v.name != was.name || v == was || sane(v)) continue;
      garbled += " " + v.name + " (" + describe(v) + ")";
    }
  }
  check(garbled.empty(), what + ": every value is as set, gone or sane", garbled);
}

int dismissDialogs(DWORD processId, int waitMs) {
  int closed = 0;
  const DWORD end = GetTickCount() + static_cast<DWORD>(waitMs);
  static const WPARAM kTries[] = {IDCANCEL, IDNO, IDOK};
  for (int dialogs = 0; dialogs < 20;) {
    HWND dialog = waitDialog(processId, nullptr, 0);
    if (!dialog) {
      if (static_cast<LONG>(end - GetTickCount()) <= 0) break;
      pause(50);
      continue;
    }
    ++dialogs;
    for (WPARAM id : kTries) {
      PostMessageA(dialog, WM_COMMAND, id, 0);
      if (waitGone(dialog, 1500)) {
        ++closed;
        break;
      }
    }
  }
  return closed;
}

}  // namespace e2e
