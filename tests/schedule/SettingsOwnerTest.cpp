// The settings' owner where the threads meet: the monitor's refresh reads while the user-interface
// thread changes, and those who listen hear each change once it is whole.
#include "core/AppSettings.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace nuro {
namespace {

// A change sets three fields that belong together, as a place's coordinates and zone do.
void Place(AppSettings& s, int i)
{
    s.D1 = i;
    s.extra.ZONE = "Zone/" + std::to_string(i);
    s.M1 = i;
}

bool Whole(const AppSettings& s)
{
    return s.D1 == s.M1 && s.extra.ZONE == "Zone/" + std::to_string(s.D1);
}

TEST(SettingsOwnerTest, ReadersSeeOnlyWholeChangesAndListenersHearEachOnceWithTheRecordFree)
{
    SettingsOwner owner;
    owner.Change([](AppSettings& s) { Place(s, 0); });
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0}, reads{0};
    std::thread monitor([&] {
        while (!stop.load()) {
            if (!Whole(owner.Snapshot()))
                ++torn;
            if (!owner.Read([](const AppSettings& s) { return Whole(s); }))
                ++torn;
            ++reads;
        }
    });

    const int tag = 0;
    std::vector<int> heard;
    int wrongTag = 0, notAsLeft = 0;
    const int listener = owner.Listen([&](const AppSettings& s, const void* by) {
        heard.push_back(s.D1);
        wrongTag += by != &tag;
        // The lock is free again (a held one would never be taken here) and holds what the edit left.
        notAsLeft += owner.Snapshot().D1 != s.D1 || !Whole(s);
    });
    int late = 0;
    int lateListener = 0;
    const int kChanges = 3000;
    for (int i = 1; i <= kChanges; ++i) {
        owner.Change([i](AppSettings& s) { Place(s, i); }, &tag);
        // One who starts listening while others are told hears the next change, not this one.
        if (i == kChanges / 2)
            lateListener = owner.Listen([&](const AppSettings&, const void*) { ++late; });
    }
    while (reads.load() < 100)
        std::this_thread::yield();
    stop = true;
    monitor.join();

    EXPECT_EQ(torn.load(), 0);
    ASSERT_EQ(heard.size(), static_cast<std::size_t>(kChanges));
    for (int i = 0; i < kChanges; ++i)
        ASSERT_EQ(heard[static_cast<std::size_t>(i)], i + 1);
    EXPECT_EQ(wrongTag, 0);
    EXPECT_EQ(notAsLeft, 0);
    EXPECT_EQ(late, kChanges - kChanges / 2);

    owner.Forget(listener);
    owner.Forget(lateListener);
    owner.Change([](AppSettings& s) { Place(s, -1); });
    EXPECT_EQ(heard.size(), static_cast<std::size_t>(kChanges));
    EXPECT_EQ(late, kChanges - kChanges / 2);
    // Replace is the first load: put in place whole, and nobody is told.
    AppSettings loaded;
    Place(loaded, 7);
    owner.Replace(loaded);
    EXPECT_TRUE(Whole(owner.Snapshot()));
    EXPECT_EQ(owner.Snapshot().D1, 7);
    EXPECT_EQ(heard.size(), static_cast<std::size_t>(kChanges));
}

} // namespace
} // namespace nuro
