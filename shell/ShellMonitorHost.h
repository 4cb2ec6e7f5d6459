// The alarm monitor's view of the running program: the main window's title and sound box, the tray
// host, and the alert's notice, notification and reminder. The notices are NoticeMonitorHost's own.
#pragma once

namespace nuro {

class NoticeMonitorHost;

// The program's one host for StartAlarmMonitor; every call on it comes on the monitor thread.
NoticeMonitorHost& ProgramMonitorHost();

} // namespace nuro
