#include "platform/path_style.h"

namespace vostrelund {

namespace {
char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

std::string LeafNameKey(const PathStyle& style, std::string_view name) {
  std::string key(name);
  if (style.CaseBlindNames) {
    for (char& c : key)
      c = FoldAscii(c);
  }
  return key;
}

bool SameLeafName(const PathStyle& style, std::string_view a, std::string_view b) {
  if (!style.CaseBlindNames)
    return a == b;
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i]))
      return false;
  }
  return true;
}

}  // namespace vostrelund
