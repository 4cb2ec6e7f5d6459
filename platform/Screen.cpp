#include "platform/Screen.h"

#include "platform/os/UiThread.h"

#include <QGuiApplication>
#include <QScreen>

namespace nuro {

int GetDeviceCaps(int index)
{
    return CallOnUiThread([index] {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return 0;
        const QSize size = screen->geometry().size();
        return index == HORZRES ? size.width() : index == VERTRES ? size.height() : 0;
    });
}

} // namespace nuro
