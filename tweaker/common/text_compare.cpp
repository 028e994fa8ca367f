#include "tweaker/common/text_compare.h"

namespace vdx {
namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameAt(const std::string& text, std::size_t pos, const std::string& part) {
  for (std::size_t i = 0; i < part.size(); ++i)
    if (lower(text[pos + i]) != lower(part[i])) return false;
  return true;
}

}  // namespace

bool matchesNoCaseAt(const std::string& text, std::size_t pos, const std::string& part) {
  return pos <= text.size() && text.size() - pos >= part.size() && sameAt(text, pos, part);
}

bool equalsNoCase(const std::string& a, const std::string& b) { return a.size() == b.size() && sameAt(a, 0, b); }

std::size_t findNoCase(const std::string& text, const std::string& part) {
  if (part.size() > text.size()) return std::string::npos;
  for (std::size_t pos = 0; pos + part.size() <= text.size(); ++pos)
    if (sameAt(text, pos, part)) return pos;
  return std::string::npos;
}

std::string lowerCase(std::string text) {
  for (char& c : text) c = lower(c);
  return text;
}

}  // namespace vdx
