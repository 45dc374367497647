// The on-screen keys: push buttons that leave the keyboard focus where it is.
#pragma once

#include "ui/table.h"
#include "ui/win32/form.h"

namespace lornel::win32 {

// A button whose row marks it as a key of an on-screen keyboard, or an option
// button: a tap on either leaves the focus in the answer box.
bool IsOnScreenKey(const ui::Row& row);
// Puts the key's own mouse handling in front of the button's.
void SubclassOnScreenKey(Control& key);

}  // namespace lornel::win32
