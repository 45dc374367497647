#include "editor/file_messages.h"

#include "editor/asking.h"

namespace lornel::editor {

std::string ReadProblemText(platform::FileProblem problem, const std::string& path) {
  switch (problem) {
    case platform::FileProblem::Missing:
      return "找不到文件" + Quoted(path) + "。";
    case platform::FileProblem::Directory:
      return Quoted(path) + "是一个文件夹，不是题目文件。";
    case platform::FileProblem::Denied:
      return "没有权限读取" + Quoted(path) + "（它可能正被别的程序占用，或者需要管理员权限）。";
    case platform::FileProblem::TooLarge:
      return Quoted(path) + "超过 512 MB，不是题目文件，没有打开。";
    default:
      return "无法读取" + Quoted(path) + "。";
  }
}

std::string WriteProblemText(const platform::FileWrite& write, const std::string& path) {
  using platform::FileAt;
  using platform::FileProblem;
  const std::string unchanged = "原来的文件没有改动。";
  if (write.at == FileAt::Backup) {
    const std::string backup = Quoted(path + ".bak");
    if (write.problem == FileProblem::Directory)
      return "无法保存：备份文件的位置" + backup + "是一个文件夹。" + unchanged;
    return "无法保存：无法替换备份文件" + backup + "（它可能正被别的程序占用）。" + unchanged;
  }
  if (write.at == FileAt::Folder) {
    // The last backslash that is one: a GBK character's second byte can be 0x5C.
    std::size_t slash = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
      if (path[i] == '\\') slash = i;
      if (static_cast<unsigned char>(path[i]) >= 0x81) ++i;
    }
    const std::string folder = Quoted(slash == std::string::npos ? "." : path.substr(0, slash));
    if (write.problem == FileProblem::Missing) return "无法保存：找不到文件夹" + folder + "。";
    if (write.problem == FileProblem::Denied)
      return "无法保存：没有权限在文件夹" + folder +
             "里新建文件（文件夹可能是只读的，或者需要管理员权限）。" + unchanged;
    return "无法保存：无法在文件夹" + folder + "里写入文件（磁盘可能已满）。" + unchanged;
  }
  switch (write.problem) {
    case FileProblem::Directory:
      return "无法保存：" + Quoted(path) + "是一个文件夹。";
    case FileProblem::Denied:
      return "无法保存：没有权限写入" + Quoted(path) +
             "（文件可能是只读的，或者正被别的程序占用）。" + unchanged;
    default:
      return "无法保存到" + Quoted(path) + "。" + unchanged;
  }
}

}  // namespace lornel::editor
