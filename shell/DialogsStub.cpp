// Stand-ins for the settings dialogs while they are not part of the build.
#include "dialogs/Dialogs.h"

namespace nuro {

void OpenConfigDialog() {}
void OpenExpertDialog() {}
void OpenSummerTimeDialog() {}
void ShowAbout(QWidget*) {}
void SetDialogsMainFrame(QWidget*) {}

} // namespace nuro
