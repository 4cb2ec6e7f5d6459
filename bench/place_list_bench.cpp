// Filling the Config dialog's sorted place list: one name after another, as the list box's own
// insertion does it, against the whole list at once. Prints seconds for 6,000 and 11,000 names.
#include "platform/DialogOps.h"
#include "platform/TemplateBuilder.h"

#include <QApplication>
#include <QListWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

const nuro::DialogTemplate kHost{1, "bench", "System", 10, 0, 0, 250, 150, nuro::WS_None, "", 0, {}};

// Short place-like names in no particular order, some of them equal but for case.
std::vector<std::string> Names(int count)
{
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> length(4, 12), letter(0, 25);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        std::string name;
        for (int n = length(random); n > 0; --n)
            name.push_back(static_cast<char>((name.empty() ? 'A' : 'a') + letter(random)));
        names.push_back(i % 50 == 0 ? "sfax" : i % 50 == 1 ? "Sfax" : name);
    }
    return names;
}

template <class Fill> double Seconds(const std::vector<std::string>& names, Fill fill, std::vector<std::string>* listed)
{
    nuro::DialogWindow* dlg = nuro::BuildDialog(kHost, nullptr, false);
    QWidget* list = nuro::CreateListBox(dlg, 120, QRect(310, 10, 180, 220), nuro::CS_Sorted | nuro::CS_Border);
    const auto start = std::chrono::steady_clock::now();
    fill(list, names);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    listed->clear();
    auto* box = qobject_cast<QListWidget*>(list);
    for (int i = 0; box && i < box->count(); ++i)
        listed->push_back(box->item(i)->text().toStdString());
    delete dlg;
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::printf("%8s  %14s  %14s\n", "names", "one by one (s)", "all at once (s)");
    int status = 0;
    for (int count : {6000, 11000}) {
        const std::vector<std::string> names = Names(count);
        std::vector<std::string> oneByOne, atOnce;
        const double slow = Seconds(
            names,
            [](QWidget* list, const std::vector<std::string>& all) {
                for (const std::string& name : all)
                    nuro::ListAddString(list, name);
            },
            &oneByOne);
        const double fast = Seconds(
            names, [](QWidget* list, const std::vector<std::string>& all) { nuro::ListAddStrings(list, all); },
            &atOnce);
        std::printf("%8d  %14.3f  %14.3f\n", count, slow, fast);
        if (oneByOne != atOnce) {
            std::printf("the two fills list the names differently\n");
            status = 1;
        }
    }
    return status;
}
