// The tray step of start-up: the skin, the alarm monitor and the tray host, made on the first
// HideToTray; and the process's end.
#pragma once

namespace nuro {

class TrayHost;

// The process's tray host; created by the first HideToTray.
TrayHost* ProcessTrayHost();

// Start of the tray step (first call: skin, title, monitor, tray host); later calls hide the frame.
void HideToTray();

// Releases the single-instance claim and ends the process at once.
[[noreturn]] void EndProgramProcess(int code);

} // namespace nuro
