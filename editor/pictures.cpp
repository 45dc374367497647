#include "editor/pictures.h"

#include <string_view>

#include "config/path.h"

namespace lornel::editor {
namespace {

// As Windows compares names: ASCII letters in either case, "/" as "\".
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) {
      if (c == '/') return '\\';
      return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    };
    if (fold(a[i]) != fold(b[i])) return false;
    // A trail byte is compared as it is.
    if (static_cast<unsigned char>(a[i]) >= 0x81 && i + 1 < a.size()) {
      if (a[i + 1] != b[i + 1]) return false;
      ++i;
    }
  }
  return true;
}

// "猫.jpg" as "猫 (n).jpg"; a name without an extension gets " (n)" at its end.
std::string Numbered(const std::string& name, int n) {
  std::size_t dot = std::string::npos;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '.') dot = i;
    if (static_cast<unsigned char>(name[i]) >= 0x81) ++i;
  }
  const std::string suffix = " (" + std::to_string(n) + ")";
  if (dot == std::string::npos || dot == 0) return name + suffix;
  return name.substr(0, dot) + suffix + name.substr(dot);
}

std::string Quoted(const std::string& path) { return "“" + path + "”"; }

}  // namespace

AdoptedPicture AdoptPicture(platform::Files& files, const std::string& configPath,
                            const std::string& chosenPath) {
  const std::string folder = config::FolderOf(configPath);
  const std::string inside = folder + "\\";
  if (!folder.empty() && chosenPath.size() > inside.size() &&
      SameName(std::string_view(chosenPath).substr(0, inside.size()), inside))
    return {chosenPath.substr(inside.size()), {}};

  const platform::FileRead read = files.ReadFileChecked(chosenPath);
  if (read.problem != platform::FileProblem::None)
    return {{}, "无法读取图片" + Quoted(chosenPath) + "，没有选用它。"};
  const std::string pictures = (folder.empty() ? std::string() : inside) + kPictureFolder;
  const std::string refused = "无法把图片复制到文件夹" + Quoted(pictures) +
                              "里（文件夹可能是只读的，例如写保护的 U 盘，或者磁盘已满）。"
                              "没有选用这张图片。请把题目文件放到可以写入的文件夹中再选。";
  if (!files.CreateFolder(pictures)) return {{}, refused};
  const std::string name = config::FileNameOf(chosenPath);
  for (int n = 1; n <= 999; ++n) {
    const std::string candidate = n == 1 ? name : Numbered(name, n);
    const std::string target = pictures + "\\" + candidate;
    const std::string value = std::string(kPictureFolder) + "\\" + candidate;
    if (files.PathExists(target)) {
      const platform::FileRead there = files.ReadFileChecked(target);
      if (there.problem == platform::FileProblem::None && there.bytes == read.bytes)
        return {value, {}};
      continue;
    }
    // Written whole under its name or not at all.
    if (files.CreateFileAtomically(target, read.bytes)) return {value, {}};
    return {{}, refused};
  }
  return {{}, "文件夹" + Quoted(pictures) + "里同名的图片太多了，没有选用这张图片。"};
}

}  // namespace lornel::editor
