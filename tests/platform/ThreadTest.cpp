// The thread bridge: work handed over from other threads runs on the user-interface thread.
#include "PlatformTestSupport.h"

#include "platform/DialogOps.h"
#include "platform/TemplateBuilder.h"
#include "platform/os/UiThread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace nuro {
namespace {

QThread* UiThread()
{
    return QCoreApplication::instance()->thread();
}

// Runs fn on a new thread while this one serves the event loop; returns whether it finished.
template <class F> bool OnWorker(F fn)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        fn();
        done = true;
    });
    const bool finished = test::ServeUntil([&] { return done.load(); });
    worker.join(); // a bridge that never ran the work would hang here rather than pass
    return finished;
}

TEST(UiThreadTest, OnUiThreadTellsTheThreadsApart)
{
    EXPECT_TRUE(OnUiThread());
    bool onWorker = true;
    ASSERT_TRUE(OnWorker([&] { onWorker = OnUiThread(); }));
    EXPECT_FALSE(onWorker);
}

TEST(UiThreadTest, RunFromAnotherThreadRunsOnTheUiThreadAndWaits)
{
    QThread* ranOn = nullptr;
    bool finishedBeforeReturn = false;
    ASSERT_TRUE(OnWorker([&] {
        bool ran = false;
        RunOnUiThread([&] {
            ranOn = QThread::currentThread();
            ran = true;
        });
        finishedBeforeReturn = ran;
    }));
    EXPECT_EQ(ranOn, UiThread());
    EXPECT_TRUE(finishedBeforeReturn);
}

TEST(UiThreadTest, CallReturnsTheValueFromTheUiThread)
{
    int value = 0;
    ASSERT_TRUE(
        OnWorker([&] { value = CallOnUiThread([] { return QThread::currentThread() == UiThread() ? 42 : -1; }); }));
    EXPECT_EQ(value, 42);
}

TEST(UiThreadTest, OnTheUiThreadItselfTheWorkRunsInline)
{
    // Nested calls must not wait for an event loop that is busy running the caller.
    int depth = 0;
    RunOnUiThread([&] { RunOnUiThread([&] { depth = CallOnUiThread([] { return 2; }); }); });
    EXPECT_EQ(depth, 2);
}

TEST(UiThreadTest, PostedWorkRunsLaterInOrderOnTheUiThread)
{
    std::mutex mutex; // guards order
    std::vector<int> order;
    bool allOnUi = true;
    ASSERT_TRUE(OnWorker([&] {
        for (int i = 0; i < 50; ++i)
            PostToUiThread([&, i] {
                allOnUi = allOnUi && QThread::currentThread() == UiThread();
                std::lock_guard lock(mutex);
                order.push_back(i);
            });
    }));
    ASSERT_TRUE(test::ServeUntil([&] {
        std::lock_guard lock(mutex);
        return order.size() == 50;
    }));
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(order[i], i);
    EXPECT_TRUE(allOnUi);

    // From the user-interface thread too it is queued, not run at once.
    bool ran = false;
    PostToUiThread([&] { ran = true; });
    EXPECT_FALSE(ran);
    EXPECT_TRUE(test::ServeUntil([&] { return ran; }));
}

TEST(UiThreadTest, ManyThreadsAtOnce)
{
    std::atomic<int> onUi{0};
    std::atomic<int> finished{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([&] {
            for (int i = 0; i < 25; ++i)
                RunOnUiThread([&] {
                    if (QThread::currentThread() == UiThread())
                        ++onUi;
                });
            ++finished;
        });
    const bool done = test::ServeUntil([&] { return finished.load() == 4; });
    for (std::thread& w : workers)
        w.join();
    EXPECT_TRUE(done);
    EXPECT_EQ(onUi.load(), 100);
}

// Dialog operations from a worker thread touch widgets only on the user-interface thread.
TEST(UiThreadTest, DialogOperationsFromAWorker)
{
    constexpr ControlTemplate controls[] = {
        {61, ControlKind::Edit, "", 4, 4, 60, 12, CS_Border, ""},
        {62, ControlKind::ListBox, "", 4, 20, 60, 40, CS_Sorted, ""},
    };
    const DialogTemplate t = {950, "Worker", "System", 8, 0, 0, 70, 70, WS_Popup, "", 0, controls};
    std::unique_ptr<DialogWindow> dlg(BuildDialog(t, nullptr, false));
    test::CommandLog log;
    log.Attach(dlg.get());
    QWidget* d = dlg.get();
    std::string text;
    int found = -2;
    ASSERT_TRUE(OnWorker([&] {
        SetDlgItemText(d, 61, "from worker");
        text = GetDlgItemText(d, 61, 5);
        QWidget* list = GetDlgItem(d, 62);
        ListAddString(list, "b");
        ListAddString(list, "a");
        found = ListSelectString(list, -1, "B");
    }));
    EXPECT_EQ(text, "from");
    EXPECT_EQ(found, 1);
    EXPECT_EQ(log.Take(), (test::Commands{{61, EN_CHANGE}}));
}

} // namespace
} // namespace nuro
