#include "targets/ArrayName.h"

#include <cctype>

#include "conversion/CIdentifier.h"

namespace pixmora {

namespace {

// The keywords of C99 and C++20, each between blanks.
constexpr std::string_view kKeywords =
    " _Bool _Complex _Imaginary alignas alignof and and_eq asm auto bitand bitor bool break"
    " case catch char char16_t char32_t char8_t class co_await co_return co_yield compl"
    " concept const const_cast consteval constexpr constinit continue decltype default delete"
    " do double dynamic_cast else enum explicit export extern false float for friend goto if"
    " inline int long mutable namespace new noexcept not not_eq nullptr operator or or_eq"
    " private protected public register reinterpret_cast requires restrict return short"
    " signed sizeof static static_assert static_cast struct switch template this thread_local"
    " throw true try typedef typeid typename union unsigned using virtual void volatile"
    " wchar_t while xor xor_eq ";

}  // namespace

std::string ArrayName(std::string_view requested) {
  std::string name = CIdentifier(requested);
  if (kKeywords.find(" " + name + " ") != std::string_view::npos)
    name += '_';
  return name;
}

std::string MacroName(std::string_view arrayName) {
  std::string text(arrayName);
  for (char& c : text)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace pixmora
