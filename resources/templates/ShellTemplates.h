// The shell's two dialog templates: 13, the main window, and 1, the tray host.
#pragma once

#include "resources/DialogTemplate.h"

namespace nuro {

extern const DialogTemplate kMainTemplate; // template 13
extern const DialogTemplate kTrayHostTemplate; // template 1

} // namespace nuro
