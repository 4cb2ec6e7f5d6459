// Helpers shared by the window-layer tests: a command recorder and a bounded event pump.
#pragma once

#include "platform/DialogWindow.h"

#include <QApplication>
#include <QDeadlineTimer>

#include <mutex>
#include <utility>
#include <vector>

namespace nuro::test {

// Serves the user-interface thread until ready() holds; the deadline only keeps a broken run from hanging.
template <typename Ready> bool ServeUntil(Ready ready, int timeoutMs = 10000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// What a dialog's controls delivered, as (id, notification code) pairs.
class CommandLog {
public:
    void Attach(DialogWindow* dlg)
    {
        dlg->SetCommandSink([this](int id, unsigned code) {
            std::lock_guard lock(mutex_);
            commands_.emplace_back(id, code);
        });
    }
    std::vector<std::pair<int, unsigned>> Take()
    {
        std::lock_guard lock(mutex_);
        return std::exchange(commands_, {});
    }

private:
    std::mutex mutex_; // guards commands_
    std::vector<std::pair<int, unsigned>> commands_;
};

using Commands = std::vector<std::pair<int, unsigned>>;

} // namespace nuro::test
