#include "platform/MessageBox.h"

#include "platform/DialogWindow.h"
#include "platform/Translation.h"
#include "resources/UiTexts.h"
#include "platform/os/UiThread.h"

#include <QMessageBox>

#include <mutex>

namespace nuro {
namespace {

std::mutex seamMutex; // guards nextAnswer and lastAsked
std::optional<int> nextAnswer;
std::optional<AskedMessage> lastAsked;

} // namespace

void SetNextMessageBoxAnswer(int answer)
{
    std::lock_guard lock(seamMutex);
    nextAnswer = answer;
}

std::optional<AskedMessage> LastAskedMessage()
{
    std::lock_guard lock(seamMutex);
    return lastAsked;
}

void ClearAskedMessages()
{
    std::lock_guard lock(seamMutex);
    lastAsked.reset();
    nextAnswer.reset();
}

int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned flags)
{
    {
        std::lock_guard lock(seamMutex);
        lastAsked = AskedMessage{owner, text, caption, flags};
        if (nextAnswer) {
            const int answer = *nextAnswer;
            nextAnswer.reset();
            return answer;
        }
    }
    return CallOnUiThread([&] {
        QMessageBox box(owner ? owner->window() : nullptr);
        box.setWindowTitle(TranslateData(TextLanguage::Interface, kMessageContext, caption.c_str()));
        box.setText(TranslateData(TextLanguage::Interface, kMessageContext, text.c_str()));
        switch (flags & 0xF0) {
        case MB_ICONERROR:
            box.setIcon(QMessageBox::Critical);
            break;
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        case MB_ICONWARNING:
            box.setIcon(QMessageBox::Warning);
            break;
        case MB_ICONINFORMATION:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
        }
        switch (flags & 0xF) {
        case MB_OKCANCEL:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        }
        box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
        switch (box.exec()) {
        case QMessageBox::Cancel:
            return IDCANCEL;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Ok:
            return IDOK;
        default:
            return (flags & 0xF) == MB_OK ? IDOK : IDCANCEL;
        }
    });
}

} // namespace nuro
