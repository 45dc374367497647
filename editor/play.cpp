// "开始答题": lornel.exe beside the editor plays the file it reads, the
// wtda.ini beside it. A copy that runs already is brought forward instead:
// a second one would only show its "already running" notice and end.
#include <string>

#include "config/config.h"
#include "editor/asking.h"
#include "editor/editor.h"
#include "platform/quiz_program.h"
#include "ui/message.h"

namespace lornel::editor {

void PlayQuiz(Editor& e) {
  const std::string program = e.programDirectory + "\\" + platform::kQuizProgramFile;
  const std::string quizFile = config::ConfigPathIn(e.programDirectory);
  if (!e.host.PathExists(program)) {
    Tell(e, "编辑器所在的文件夹" + Quoted(e.programDirectory) +
                "里没有课堂程序 lornel.exe；请把编辑器和 lornel.exe 放在同一个文件夹里。");
    return;
  }
  if (!e.host.SameFile(e.path, quizFile)) {
    Tell(e, "课堂程序只读取它旁边的 wtda.ini；现在打开的是" + Quoted(e.path) + "，请把它复制成" +
                Quoted(quizFile) + "，或者用“打开…”打开那个文件，再开始答题。");
    return;
  }
  if (!SettleChanges(e, "题目已经修改。开始答题前要先保存到" + Quoted(e.path) +
                            "吗？\r\n\r\n选“否”就按文件里原来的题目答题。"))
    return;
  const platform::Handle window =
      e.host.FindProgramWindow(program, platform::kWindowClass, platform::kQuizWindowTitle);
  if (window != 0) {
    // Told first: a box of the editor shown afterwards would cover the quiz again.
    Tell(e,
         "课堂程序已经在运行，按“确定”切换到它的窗口。\r\n\r\n保存的修改从下一次打开题目起生效："
         "课堂程序每次打开题目时都重新读取 wtda.ini。",
         ui::kMbIconInformation);
    e.host.BringWindowToFront(window);
    return;
  }
  // Its single-instance marker is named after its file name: held by a copy
  // in another folder, a start here would only show the notice.
  if (const platform::Handle marker = e.host.OpenNamedMutex(platform::kQuizProgramFile)) {
    e.host.CloseHandle(marker);
    Tell(e,
         "已经有一个 lornel.exe 在运行，但它不是这个文件夹里的课堂程序（可能是别的文件夹里的 "
         "lornel.exe）；请先关闭它，再按“开始答题”。");
    return;
  }
  if (!e.host.StartProgram(program, e.programDirectory))
    Tell(e, "无法启动课堂程序" + Quoted(program) + "。");
}

}  // namespace lornel::editor
