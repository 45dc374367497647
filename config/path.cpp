#include "config/path.h"

#include "config/gbk.h"

namespace lornel::config {
namespace {

constexpr bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::size_t NameStart(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size();) {
    const gbk::Char c = gbk::At(path, i);
    i += c.size;
    if (c.size == 1 && IsSeparator(path[i - 1])) start = i;
  }
  return start;
}

std::string FolderOf(std::string_view path) {
  const std::size_t start = NameStart(path);
  return std::string(path.substr(0, start == 0 ? 0 : start - 1));
}

std::string FileNameOf(std::string_view path) { return std::string(path.substr(NameStart(path))); }

bool IsAbsolutePath(std::string_view path) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  return (path.size() >= 2 && letter(path[0]) && path[1] == ':') ||
         (!path.empty() && IsSeparator(path[0]));
}

std::string PathBeside(std::string_view base, std::string_view value) {
  if (value.empty() || IsAbsolutePath(value)) return std::string(value);
  return std::string(base.substr(0, NameStart(base))) + std::string(value);
}

}  // namespace lornel::config
