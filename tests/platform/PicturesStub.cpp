// Stand-in for the resources library until it lands: flat pictures at the catalogue's sizes.
#include "resources/Pictures.h"

#include <QColor>

namespace nuro {
namespace {

QSize SizeOf(int id)
{
    switch (id) {
    case 1101: return {42, 30};
    case 3101: return {45, 33};
    case 1102:
    case 3102: return {26, 26};
    case 1104: return {32, 32};
    case 1400: return {250, 250};
    case 1700: case 1701: case 1702: case 1703: case 1704: return {383, 256};
    case 1705: case 1706: return {26, 24};
    default: break;
    }
    if ((id >= 1011 && id <= 1020) || (id >= 9000 && id <= 9008))
        return {32, 17};
    return {};
}

} // namespace

QImage LoadPicture(int id)
{
    const QSize size = SizeOf(id);
    if (size.isEmpty())
        return {};
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor::fromHsv((id * 37) % 360, 160, 220));
    return img;
}

bool HasPicture(int id)
{
    return !SizeOf(id).isEmpty();
}

QIcon LoadAppIcon(int)
{
    return {};
}

const MenuTemplate* FindMenu(int)
{
    return nullptr;
}

std::span<const std::uint8_t> ClockControlData()
{
    return {};
}

} // namespace nuro
