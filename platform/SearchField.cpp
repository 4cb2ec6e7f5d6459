#include "platform/SearchField.h"

#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/os/UiThread.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>

#include <algorithm>
#include <QPointer>

namespace nuro {
namespace {

class ArrowsToList : public QObject {
public:
    ArrowsToList(QListWidget* list, QObject* parent) : QObject(parent), list_(list) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !list_)
            return QObject::eventFilter(watched, event);
        const int step = [&] {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Down:
                return 1;
            case Qt::Key_Up:
                return -1;
            case Qt::Key_PageDown:
                return 5;
            case Qt::Key_PageUp:
                return -5;
            default:
                return 0;
            }
        }();
        if (step == 0 || list_->count() == 0)
            return QObject::eventFilter(watched, event);
        const int row = std::clamp(list_->currentRow() + step, 0, list_->count() - 1);
        list_->setCurrentRow(row);
        list_->scrollToItem(list_->currentItem());
        return true;
    }

private:
    QPointer<QListWidget> list_;
};

} // namespace

void LinkSearchList(QWidget* dlg, int editId, int listId)
{
    RunOnUiThread([&] {
        QWidget* edit = GetDlgItem(dlg, editId);
        auto* list = qobject_cast<QListWidget*>(GetDlgItem(dlg, listId));
        if (edit && list)
            edit->installEventFilter(new ArrowsToList(list, edit));
    });
}

void ListReplaceAll(QWidget* box, const std::vector<std::string>& texts)
{
    RunOnUiThread([&] {
        auto* list = qobject_cast<QListWidget*>(box);
        if (!list)
            return;
        list->clear();
        for (const std::string& t : texts)
            list->addItem(QString::fromStdString(t));
        if (!texts.empty())
            list->setCurrentRow(0);
    });
}

void ShowOnTop(QWidget* dlg, int id, bool show)
{
    RunOnUiThread([&] {
        QWidget* w = GetDlgItem(dlg, id);
        if (!w)
            return;
        w->setVisible(show);
        if (show)
            w->raise();
    });
}

void FocusDlgItem(QWidget* dlg, int id)
{
    RunOnUiThread([&] {
        if (QWidget* w = GetDlgItem(dlg, id))
            w->setFocus(Qt::OtherFocusReason);
    });
}

int FocusedDlgItem(QWidget* dlg)
{
    return CallOnUiThread([&] {
        QWidget* focus = dlg ? dlg->focusWidget() : nullptr;
        return focus ? focus->property(kControlIdProperty).toInt() : 0;
    });
}

} // namespace nuro
