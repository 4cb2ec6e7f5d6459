#include "resources/templates/NoticeTemplates.h"

#include <array>

namespace nuro {
namespace {

// The picture (bitmap id + 1000) fills the window and a little more; the close button sits on it,
// lower right. Positions and sizes in dialog units.
constexpr std::uint32_t kPictureStyle = CS_TabStop | CS_Bitmap;
constexpr std::uint32_t kNoticeStyle = WS_Popup | WS_Caption | WS_Visible;

constexpr ControlTemplate kFajer[] = {
    {700, ControlKind::PictureButton, "Button", 1, 0, 255, 158, kPictureStyle, "BorBtn"},
    {1, ControlKind::PictureButton, "Close", 172, 124, 43, 25, CS_TabStop, "BorBtn"},
};
constexpr ControlTemplate kDhohur[] = {
    {701, ControlKind::PictureButton, "Button", -2, -2, 255, 158, kPictureStyle, "BorBtn"},
    {1, ControlKind::PictureButton, "Close", 173, 124, 37, 25, CS_TabStop, "BorBtn"},
};
constexpr ControlTemplate kAser[] = {
    {702, ControlKind::PictureButton, "Button", -1, 0, 255, 158, kPictureStyle, "BorBtn"},
    {1, ControlKind::PictureButton, "Close", 174, 127, 37, 25, CS_TabStop, "BorBtn"},
};
constexpr ControlTemplate kMaghereb[] = {
    {703, ControlKind::PictureButton, "Button", 0, -2, 255, 158, kPictureStyle, "BorBtn"},
    {1, ControlKind::PictureButton, "Close", 175, 111, 43, 25, CS_TabStop, "BorBtn"},
};
constexpr ControlTemplate kIsha[] = {
    {704, ControlKind::PictureButton, "Button", -1, -1, 255, 158, kPictureStyle, "BorBtn"},
    {1, ControlKind::PictureButton, "Close", 175, 126, 37, 25, CS_TabStop, "BorBtn"},
};

// No system menu, so no close box: the notice leaves only through its picture or its button.
constexpr std::array<DialogTemplate, 5> kNotices = {{
    {800, "INFO", "MS Sans Serif", 8, 5, 17, 221, 158, kNoticeStyle, "BorDlg_Gray", 0, kFajer},
    {801, "INFO", "MS Sans Serif", 8, 6, 15, 221, 153, kNoticeStyle | WS_SizeBorder, "BorDlg_Gray", 0, kDhohur},
    {803, "INFO", "MS Sans Serif", 8, -69, -32, 219, 159, kNoticeStyle, "BorDlg_Gray", 0, kAser},
    {804, "INFO", "MS Sans Serif", 8, -69, -62, 220, 155, kNoticeStyle, "BorDlg_Gray", 0, kMaghereb},
    {805, "INFO", "MS Sans Serif", 8, 6, 15, 219, 157, kNoticeStyle, "BorDlg_Gray", 0, kIsha},
}};

} // namespace

std::span<const DialogTemplate> NoticeTemplates()
{
    return kNotices;
}

const DialogTemplate* FindNoticeTemplate(int id)
{
    for (const DialogTemplate& t : kNotices)
        if (t.id == id)
            return &t;
    return nullptr;
}

} // namespace nuro
