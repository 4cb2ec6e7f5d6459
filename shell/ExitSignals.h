// SIGTERM, SIGINT and SIGHUP end the program through the event loop, so its settings are saved.
#pragma once

#include <functional>

namespace nuro {

// From now on each of the three signals calls onSignal on the user-interface thread.
void RouteExitSignals(std::function<void()> onSignal);

} // namespace nuro
