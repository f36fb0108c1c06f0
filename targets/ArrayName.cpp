#include "targets/ArrayName.h"

#include <algorithm>
#include <iterator>

#include "conversion/CIdentifier.h"

namespace pixmora {

namespace {

// The keywords of C99 and C++20.
constexpr std::string_view kKeywords[]{"_Bool",
                                       "_Complex",
                                       "_Imaginary",
                                       "alignas",
                                       "alignof",
                                       "and",
                                       "and_eq",
                                       "asm",
                                       "auto",
                                       "bitand",
                                       "bitor",
                                       "bool",
                                       "break",
                                       "case",
                                       "catch",
                                       "char",
                                       "char16_t",
                                       "char32_t",
                                       "class",
                                       "compl",
                                       "const",
                                       "const_cast",
                                       "constexpr",
                                       "continue",
                                       "decltype",
                                       "default",
                                       "delete",
                                       "do",
                                       "double",
                                       "dynamic_cast",
                                       "else",
                                       "enum",
                                       "explicit",
                                       "export",
                                       "extern",
                                       "false",
                                       "float",
                                       "for",
                                       "friend",
                                       "goto",
                                       "if",
                                       "inline",
                                       "int",
                                       "long",
                                       "mutable",
                                       "namespace",
                                       "new",
                                       "noexcept",
                                       "not",
                                       "not_eq",
                                       "nullptr",
                                       "operator",
                                       "or",
                                       "or_eq",
                                       "private",
                                       "protected",
                                       "public",
                                       "register",
                                       "reinterpret_cast",
                                       "restrict",
                                       "return",
                                       "short",
                                       "signed",
                                       "sizeof",
                                       "static",
                                       "static_assert",
                                       "static_cast",
                                       "struct",
                                       "switch",
                                       "template",
                                       "this",
                                       "thread_local",
                                       "throw",
                                       "true",
                                       "try",
                                       "typedef",
                                       "typeid",
                                       "typename",
                                       "union",
                                       "unsigned",
                                       "using",
                                       "virtual",
                                       "void",
                                       "volatile",
                                       "wchar_t",
                                       "while",
                                       "xor",
                                       "xor_eq",
                                       "char8_t",
                                       "concept",
                                       "consteval",
                                       "constinit",
                                       "co_await",
                                       "co_return",
                                       "co_yield",
                                       "requires"};

}  // namespace

std::string ArrayName(std::string_view requested) {
  std::string name = CIdentifier(requested);
  if (std::find(std::begin(kKeywords), std::end(kKeywords), name) != std::end(kKeywords))
    name += '_';
  return name;
}

}  // namespace pixmora
