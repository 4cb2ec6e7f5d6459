// Template 1: the tray host, an invisible window of zero size with no controls.
#include "resources/templates/ShellTemplates.h"

namespace nuro {

const DialogTemplate kTrayHostTemplate = {
    1, " ", "MS Sans Serif", 8, 0, 0, 0, 0, WS_Popup | WS_Caption, "", 0, {},
};

} // namespace nuro
