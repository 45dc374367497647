// Which windows the library restyles, and the window procedure it puts in
// front of theirs (chained by GWLP_WNDPROC, so other subclasses keep working;
// the table of what was there before lives in the library, not in properties).
#pragma once

#include <windows.h>

namespace skinh {

// Subclasses hwnd when it is of a kind we skin; does nothing when it already
// is, so attaching again never stacks a second subclass.
void Adopt(HWND hwnd);
// hwnd and all its descendants.
void AdoptTree(HWND top);

// Installs the creation hook on the calling thread once; later windows of
// the thread (message boxes included) are adopted as they are created.
bool HookCurrentThread(HINSTANCE module);

}  // namespace skinh
