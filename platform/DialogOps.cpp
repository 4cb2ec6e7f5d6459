#include "platform/DialogOps.h"

#include "platform/DialogWindow.h"
#include "platform/os/UiThread.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <iterator>

namespace nuro {
namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The first maxChars - 1 characters, never splitting a surrogate pair.
std::string Cut(const QString& text, int maxChars)
{
    if (maxChars <= 1)
        return {};
    qsizetype n = std::min<qsizetype>(text.size(), maxChars - 1);
    if (n > 0 && n < text.size() && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n).toStdString();
}

QString ControlText(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return w->property("caption").isValid() ? w->property("caption").toString() : b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentIndex() < 0 ? QString() : c->currentText();
    return {};
}

bool SortedBox(QWidget* box)
{
    return box->property("sorted").toBool();
}

QStringList Entries(QWidget* box)
{
    QStringList list;
    if (auto* c = qobject_cast<QComboBox*>(box))
        for (int i = 0; i < c->count(); ++i)
            list << c->itemText(i);
    if (auto* l = qobject_cast<QListWidget*>(box))
        for (int i = 0; i < l->count(); ++i)
            list << l->item(i)->text();
    return list;
}

} // namespace

QWidget* GetDlgItem(QWidget* dlg, int id)
{
    return CallOnUiThread([&]() -> QWidget* {
        if (auto* d = qobject_cast<DialogWindow*>(dlg))
            return d->Control(id);
        DialogWindow* d = dlg ? dlg->findChild<DialogWindow*>() : nullptr;
        return d ? d->Control(id) : nullptr;
    });
}

int GetDlgCtrlID(QWidget* control)
{
    return control ? control->property(kControlIdProperty).toInt() : 0;
}

std::string GetDlgItemText(QWidget* dlg, int id, int maxChars)
{
    return CallOnUiThread([&]() -> std::string {
        QWidget* w = GetDlgItem(dlg, id);
        return w ? Cut(ControlText(w), maxChars) : std::string();
    });
}

bool SetDlgItemText(QWidget* dlg, int id, const std::string& text)
{
    return CallOnUiThread([&] {
        QWidget* w = GetDlgItem(dlg, id);
        if (!w)
            return false;
        const QString t = Q(text);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            e->setText(t);
            if (DialogWindow* d = DialogOf(w))
                d->SendCommand(id, EN_CHANGE);
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            l->setText(t);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (w->property("caption").isValid())
                w->setProperty("caption", t);
            if (b->icon().isNull())
                b->setText(t);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            g->setTitle(t);
        } else {
            return false;
        }
        return true;
    });
}

void CheckDlgButton(QWidget* dlg, int id, int state)
{
    RunOnUiThread([&] {
        if (auto* b = qobject_cast<QAbstractButton*>(GetDlgItem(dlg, id)); b && b->isCheckable())
            b->setChecked(state == BST_CHECKED);
    });
}

int IsDlgButtonChecked(QWidget* dlg, int id)
{
    return CallOnUiThread([&] {
        auto* b = qobject_cast<QAbstractButton*>(GetDlgItem(dlg, id));
        return b && b->isCheckable() && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    });
}

void ShowDlgItem(QWidget* dlg, int id, bool show)
{
    RunOnUiThread([&] {
        if (QWidget* w = GetDlgItem(dlg, id))
            w->setVisible(show);
    });
}

void EnableDlgItem(QWidget* dlg, int id, bool enable)
{
    RunOnUiThread([&] {
        if (QWidget* w = GetDlgItem(dlg, id))
            w->setEnabled(enable);
    });
}

bool IsDlgItemVisible(QWidget* dlg, int id)
{
    return CallOnUiThread([&] {
        QWidget* w = GetDlgItem(dlg, id);
        return w && !w->isHidden();
    });
}

bool IsDlgItemEnabled(QWidget* dlg, int id)
{
    return CallOnUiThread([&] {
        QWidget* w = GetDlgItem(dlg, id);
        return w && w->isEnabled();
    });
}

void SetDlgItemReadOnly(QWidget* dlg, int id, bool readOnly)
{
    RunOnUiThread([&] {
        if (auto* e = qobject_cast<QLineEdit*>(GetDlgItem(dlg, id)))
            e->setReadOnly(readOnly);
    });
}

bool IsDlgItemReadOnly(QWidget* dlg, int id)
{
    return CallOnUiThread([&] {
        auto* e = qobject_cast<QLineEdit*>(GetDlgItem(dlg, id));
        return e && e->isReadOnly();
    });
}

void SetButtonImage(QWidget* dlg, int id, const QImage& image, const QImage& twin2x)
{
    RunOnUiThread([&] {
        auto* b = qobject_cast<QPushButton*>(GetDlgItem(dlg, id));
        if (!b || image.isNull())
            return;
        if (!b->property("caption").isValid())
            b->setProperty("caption", b->text());
        b->setText(QString());
        QIcon icon(QPixmap::fromImage(image));
        if (!twin2x.isNull()) { // chosen by the icon on a screen of two device pixels per pixel
            QPixmap sharp = QPixmap::fromImage(twin2x);
            sharp.setDevicePixelRatio(2);
            icon.addPixmap(sharp);
        }
        b->setIcon(icon);
        b->setIconSize(image.size());
    });
}

int ListAddString(QWidget* box, const std::string& text)
{
    return CallOnUiThread([&] {
        const QString t = Q(text);
        const QStringList entries = Entries(box);
        int at = entries.size();
        if (SortedBox(box)) {
            at = 0;
            while (at < entries.size() && entries[at].compare(t, Qt::CaseInsensitive) <= 0)
                ++at;
        }
        if (auto* c = qobject_cast<QComboBox*>(box)) {
            // A combo box selects its first entry on its own; these keep no selection until told.
            const int current = c->currentIndex();
            c->insertItem(at, t);
            if (current < 0)
                c->setCurrentIndex(-1);
            return at;
        }
        if (auto* l = qobject_cast<QListWidget*>(box)) {
            l->insertItem(at, t);
            return at;
        }
        return -1;
    });
}

void ListAddStrings(QWidget* box, const std::vector<std::string>& texts)
{
    RunOnUiThread([&] {
        QStringList added;
        added.reserve(static_cast<qsizetype>(texts.size()));
        for (const std::string& t : texts)
            added << Q(t);
        QStringList all = Entries(box);
        if (SortedBox(box)) {
            // One insertion after another puts each text after every entry that compares equal to
            // it: a stable sort of the new texts, merged after equal old entries, is the same list.
            auto before = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
            std::stable_sort(added.begin(), added.end(), before);
            QStringList merged;
            merged.reserve(all.size() + added.size());
            std::merge(all.begin(), all.end(), added.begin(), added.end(), std::back_inserter(merged), before);
            all = std::move(merged);
        } else {
            all << added;
        }
        if (auto* c = qobject_cast<QComboBox*>(box)) {
            const QString current = c->currentIndex() < 0 ? QString() : c->currentText();
            const int currentAt = c->currentIndex() < 0 ? -1 : static_cast<int>(all.indexOf(current));
            c->clear();
            c->addItems(all);
            c->setCurrentIndex(currentAt);
        } else if (auto* l = qobject_cast<QListWidget*>(box)) {
            const int current = l->currentRow();
            const QString currentText = current < 0 ? QString() : l->item(current)->text();
            l->clear();
            l->addItems(all);
            if (current >= 0)
                l->setCurrentRow(static_cast<int>(all.indexOf(currentText)));
        }
    });
}

int ListSelectString(QWidget* box, int start, const std::string& prefix)
{
    return CallOnUiThread([&] {
        const QStringList entries = Entries(box);
        const int n = entries.size();
        if (n == 0)
            return -1;
        const QString p = Q(prefix);
        const int first = (start < 0 || start >= n) ? 0 : start + 1;
        for (int k = 0; k < n; ++k) {
            const int i = (first + k) % n;
            if (entries[i].startsWith(p, Qt::CaseInsensitive)) {
                ListSetCurSel(box, i);
                return i;
            }
        }
        return -1;
    });
}

int ListGetCurSel(QWidget* box)
{
    return CallOnUiThread([&] {
        if (auto* c = qobject_cast<QComboBox*>(box))
            return c->currentIndex();
        if (auto* l = qobject_cast<QListWidget*>(box))
            return l->selectedItems().isEmpty() ? -1 : l->row(l->selectedItems().first());
        return -1;
    });
}

void ListSetCurSel(QWidget* box, int index)
{
    RunOnUiThread([&] {
        if (auto* c = qobject_cast<QComboBox*>(box)) {
            c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
        } else if (auto* l = qobject_cast<QListWidget*>(box)) {
            if (index >= 0 && index < l->count()) {
                l->setCurrentRow(index);
                l->scrollToItem(l->item(index));
            } else {
                l->clearSelection();
                l->setCurrentRow(-1);
            }
        }
    });
}

std::string ListGetText(QWidget* box, int index)
{
    return CallOnUiThread([&] {
        const QStringList entries = Entries(box);
        return index >= 0 && index < entries.size() ? entries[index].toStdString() : std::string();
    });
}

int ListGetCount(QWidget* box)
{
    return CallOnUiThread([&] { return static_cast<int>(Entries(box).size()); });
}

void ShowWindow(QWidget* window, bool show)
{
    RunOnUiThread([&] {
        if (window)
            window->setVisible(show);
    });
}

bool IsWindowVisible(QWidget* window)
{
    return CallOnUiThread([&] { return window && window->isVisible(); });
}

void SetWindowText(QWidget* window, const std::string& text)
{
    RunOnUiThread([&] {
        if (window)
            window->window()->setWindowTitle(Q(text));
    });
}

std::string GetWindowText(QWidget* window)
{
    return CallOnUiThread([&] { return window ? window->window()->windowTitle().toStdString() : std::string(); });
}

QRect GetWindowRect(QWidget* window)
{
    return CallOnUiThread([&] { return window ? window->window()->frameGeometry() : QRect(); });
}

void MoveWindow(QWidget* window, int x, int y, bool activate)
{
    RunOnUiThread([&] {
        if (!window)
            return;
        QWidget* top = window->window();
        top->move(x, y);
        if (activate && top->isVisible()) {
            top->raise();
            top->activateWindow();
        }
    });
}

} // namespace nuro
