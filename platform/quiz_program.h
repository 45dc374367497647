// What lornel.exe and its question editor know of each other: the editor
// starts the quiz program beside it on the quiz file beside that, and finds a
// copy that runs by its window or by its single-instance mutex. The names
// are spelled here once for both programs.
#pragma once

namespace lornel::platform {

// lornel.exe's file name; the program names its instance mutex after the
// file name it runs under, so this is also the mutex the editor probes.
inline constexpr const char* kQuizProgramFile = "lornel.exe";
// The quiz file lornel.exe reads, beside itself.
inline constexpr const char* kQuizFileName = "wtda.ini";
// The class of both programs' top-level windows (a macro for the wide literal
// that RegisterClassW takes), and the title of lornel.exe's main window.
#define LORNEL_WINDOW_CLASS "LornelWindow"
inline constexpr const char* kWindowClass = LORNEL_WINDOW_CLASS;
inline constexpr const char* kQuizWindowTitle = "Lornel V1.1.15.823";

}  // namespace lornel::platform
