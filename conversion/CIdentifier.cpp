#include "conversion/CIdentifier.h"

namespace pixmora {
namespace {

bool IsIdentifierByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::string CIdentifier(std::string_view name) {
  std::string result;
  result.reserve(name.size() + 1);
  if (name.empty() || (name.front() >= '0' && name.front() <= '9'))
    result += '_';
  for (const char c : name)
    result += IsIdentifierByte(c) ? c : '_';
  return result;
}

}  // namespace pixmora
