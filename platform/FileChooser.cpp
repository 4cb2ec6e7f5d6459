#include "platform/FileChooser.h"

#include <QFileDialog>

namespace nuro {
namespace {

FileChooser& Replacement()
{
    static FileChooser chooser; // only touched on the user-interface thread
    return chooser;
}

} // namespace

std::string ChooseOpenFile(QWidget* owner, const std::string& title, const std::string& start,
                           const std::string& filter)
{
    if (Replacement())
        return Replacement()(start);
    return QFileDialog::getOpenFileName(owner, QString::fromStdString(title), QString::fromStdString(start),
                                        QString::fromStdString(filter))
        .toStdString();
}

void SetFileChooser(FileChooser chooser)
{
    Replacement() = std::move(chooser);
}

} // namespace nuro
