// A private world for each dialog test: its own settings file, place database and per-user data copy,
// the settings record and the dialogs reset, and a display that counts the schedule's refreshes.
#pragma once

#include "core/AppSettings.h"
#include "schedule/Schedule.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace nuro::test {

struct PlaceRow {
    std::string nom;
    int d1, m1;
    double s1;
    const char* card1;
    int d2, m2;
    double s2;
    const char* card2;
    double zone, p, t, h;
};

// The places of the test database.
const std::vector<PlaceRow>& TestPlaces();

// Writes a settings file holding only t1 (SETUP section), replacing any earlier one.
void WriteSettingsFile(const std::string& t1);

// Runs one statement on the installed test database (as if it changed behind the dialog's back).
void ChangeTestDatabase(const std::string& sql);

// The per-user database path the updater writes to, and the row the library answers for a name.
std::string UserDatabasePath();
std::string QueryRow(const std::string& name);

// Waits, serving events, until `done` holds or `seconds` have passed; the result of `done`.
bool WaitFor(const std::function<bool()>& done, int seconds = 20);

// Counts the refreshes that reach the main window's boxes.
class CountingDisplay : public TimeDisplay {
public:
    void SetTimeText(std::size_t, const std::string&) override { ++calls; }
    int Refreshes() const { return calls.load() / 6; }
    std::atomic<int> calls{0};
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The settings record, edited under its lock.
    void EditSettings(const std::function<void(AppSettings&)>& edit);

    CountingDisplay display;
    QWidget mainFrame;
};

// Sends command id (with a notification code) to a dialog, as a control does.
void Command(QWidget* dlg, int id, unsigned code = 0);

// Clicks a check box or radio button by id and sends its command, as a user's click does.
void Click(QWidget* dlg, int id);

// Whether the check box or radio button with this id is checked.
bool On(QWidget* dlg, int id);

} // namespace nuro::test
