#include "platform/os/UiThread.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

namespace nuro {
namespace {

// The work travels in our own locked queue and Qt only carries an empty wake-up call: that way
// every hand-over between the threads goes through std::mutex, which the thread sanitizer sees.
class UiBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void Enqueue(std::function<void()> fn)
    {
        {
            std::lock_guard lock(queueMutex_);
            queue_.push_back(std::move(fn));
        }
        QMetaObject::invokeMethod(this, "Drain", Qt::QueuedConnection);
    }

public slots:
    void Drain()
    {
        for (;;) {
            std::function<void()> fn;
            {
                std::lock_guard lock(queueMutex_);
                if (queue_.empty())
                    return;
                fn = std::move(queue_.front());
                queue_.pop_front();
            }
            fn();
        }
    }

private:
    std::mutex queueMutex_; // guards queue_
    std::deque<std::function<void()>> queue_;
};

std::mutex bridgeMutex; // guards bridge creation
QPointer<UiBridge> bridge;

UiBridge* Bridge()
{
    std::lock_guard lock(bridgeMutex);
    if (!bridge) {
        auto* app = QCoreApplication::instance();
        if (!app)
            return nullptr;
        // Created on any thread, but it must live on the application's thread to run the work there.
        // Only that thread may add it to the application's children.
        auto* b = new UiBridge;
        if (QThread::currentThread() == app->thread())
            b->setParent(app);
        else
            b->moveToThread(app->thread());
        bridge = b;
    }
    return bridge.data();
}

} // namespace

bool OnUiThread()
{
    auto* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void RunOnUiThread(std::function<void()> fn)
{
    if (OnUiThread()) {
        fn();
        return;
    }
    UiBridge* b = Bridge();
    if (!b) {
        fn();
        return;
    }
    struct Done {
        std::mutex mutex; // guards finished
        std::condition_variable cv;
        bool finished = false;
    };
    auto done = std::make_shared<Done>();
    b->Enqueue([fn = std::move(fn), done] {
        fn();
        std::lock_guard lock(done->mutex);
        done->finished = true;
        done->cv.notify_all();
    });
    std::unique_lock lock(done->mutex);
    done->cv.wait(lock, [&] { return done->finished; });
}

void PostToUiThread(std::function<void()> fn)
{
    UiBridge* b = Bridge();
    if (!b) {
        fn();
        return;
    }
    b->Enqueue(std::move(fn));
}

} // namespace nuro

#include "UiThread.moc"
