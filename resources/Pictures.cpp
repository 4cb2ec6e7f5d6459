#include "resources/Pictures.h"

#include <QFile>
#include <QImageReader>

#include <mutex>

// Workaround: a static library's embedded resources are only linked in when something
// refers to their registration function, so it is called once before the first lookup.
static void RegisterPictures()
{
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(nuro_pictures); });
}

namespace nuro {
namespace {

QString PicturePath(int id)
{
    return QStringLiteral(":/nuro/pictures/%1.bmp").arg(id);
}

} // namespace

bool HasPicture(int id)
{
    RegisterPictures();
    return id > 0 && QFile::exists(PicturePath(id));
}

QImage LoadPicture(int id)
{
    if (!HasPicture(id))
        return {};
    return QImage(PicturePath(id), "BMP");
}

QImage LoadPicture2x(int id)
{
    if (!HasPicture(id))
        return {};
    const QString path = QStringLiteral(":/nuro/pictures/%1@2x.png").arg(id);
    return QFile::exists(path) ? QImage(path, "PNG") : QImage();
}

QIcon LoadAppIcon(int id)
{
    RegisterPictures();
    if (id != 110)
        return {};
    QIcon icon;
    // The 16-colour icon itself; the desktop sizes come from the drawn icon theme images.
    const QString ico = QStringLiteral(":/nuro/pictures/110.ico");
    const bool haveIco = QImageReader(ico).canRead();
    if (haveIco)
        icon.addFile(ico, QSize(32, 32));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        if (size != 32 || !haveIco)
            icon.addFile(QStringLiteral(":/nuro/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace nuro
