#include "tweaker/display/directx_version.h"

#include <cstdio>
#include <cstdlib>

#include "tweaker/common/text_format.h"
#include "tweaker/platform/system.h"

namespace vdx {

namespace {
// The decimal number at the start of `s` (0 when there is none), without
// ever reading past the text.
int leadingNumber(const std::string& s, std::string::size_type at) {
  long value = 0;
  while (at < s.size() && s[at] >= '0' && s[at] <= '9' && value < 100000) {
    value = value * 10 + (s[at] - '0');
    ++at;
  }
  return static_cast<int>(value);
}
}  // namespace

DirectXVersion directXVersionFromText(const std::string& text) {
  DirectXVersion v;
  const std::string::size_type first = text.find('.');
  if (first == std::string::npos) {
    v.line = text + "  (DirectX ]";
    return v;
  }
  v.major = leadingNumber(text, first + 1);
  const std::string::size_type second = text.find('.', first + 1);
  v.minor = second == std::string::npos ? 0 : leadingNumber(text, second + 1);
  // The file versions of DirectX 3 to 6 run one ahead of the release.
  if (v.major == 3 || v.major == 4) {
    v.major -= 1;
    if (v.minor != 0) v.minor -= 1;
  } else if (v.major == 6 && v.minor != 0) {
    v.minor -= 1;
  }
  char buf[64];
  formatText(buf, sizeof buf, "  (DirectX %d.%d)", v.major, v.minor);
  v.line = text + buf;
  return v;
}

DirectXVersion FormatDirectXVersion(SystemServices& system, const std::string& path) {
  std::string text;
  system.fileVersionText(path, &text);
  return directXVersionFromText(text);
}

}  // namespace vdx
