// Templates 2 to 5 as the user meets them: the caption, no close box, every control where it belongs.
#include "DialogTestEnv.h"

#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "resources/templates/SettingsTemplates.h"

#include <functional>
#include <set>
#include <string>

using namespace nuro;
using namespace nuro::test;

namespace {

struct Case {
    const char* name;
    const DialogTemplate& tmpl;
    std::function<void()> open;   // empty for the About box, which runs modally
    std::function<QWidget*()> window;
};

const Case& CaseAt(int i)
{
    static const Case cases[] = {
        {"Config", ConfigTemplate(), OpenConfigDialog, ConfigDialogWindow},
        {"Expert", ExpertTemplate(), OpenExpertDialog, ExpertDialogWindow},
        {"About", AboutTemplate(), {}, {}},
        {"Summer Time", SummerTemplate(), OpenSummerTimeDialog, SummerTimeDialogWindow},
    };
    return cases[i];
}

bool ShowsItsText(ControlKind kind)
{
    // Edits are filled by code, bitmap buttons show pictures, combo boxes have no text of their own.
    switch (kind) {
    case ControlKind::Static:
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
        return true;
    default:
        return false;
    }
}

class SettingsTemplatesTest : public DialogTest {};

TEST_F(SettingsTemplatesTest, CaptionsWithSevenBlanksNoCloseBoxAndControlsInsideTheDialog)
{
    for (int i = 0; i < 4; ++i) {
        const Case& c = CaseAt(i);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::string(c.tmpl.caption), std::string(7, ' ') + c.name);
        EXPECT_FALSE(c.tmpl.style & WS_SysMenu);
        EXPECT_EQ(std::string(c.tmpl.fontName), "System");
        EXPECT_EQ(c.tmpl.fontPoints, 10);
        std::set<int> ids;
        for (const ControlTemplate& ctl : c.tmpl.controls) {
            EXPECT_TRUE(ids.insert(ctl.id).second) << "id " << ctl.id << " twice";
            // A drop-down list's height is its open list, which may hang below the dialog.
            const int bottom = ctl.y + (ctl.kind == ControlKind::ComboBox ? 12 : ctl.cy);
            EXPECT_GE(ctl.x, 0) << ctl.id;
            EXPECT_GE(ctl.y, 0) << ctl.id;
            EXPECT_LE(ctl.x + ctl.cx, c.tmpl.cx) << ctl.id;
            EXPECT_LE(bottom, c.tmpl.cy) << ctl.id;
        }
    }
}

TEST_F(SettingsTemplatesTest, EveryControlOfASettingsDialogIsThereByIdWithItsText)
{
    for (int i = 0; i < 4; ++i) {
        const Case& c = CaseAt(i);
        if (!c.open)
            continue;
        SCOPED_TRACE(c.name);
        c.open();
        QWidget* dlg = c.window();
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->windowTitle().toStdString(), c.tmpl.caption);
        EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(IsWindowVisible(dlg));
        for (const ControlTemplate& ctl : c.tmpl.controls) {
            ASSERT_NE(GetDlgItem(dlg, ctl.id), nullptr) << ctl.id;
            if (ShowsItsText(ctl.kind)) {
                EXPECT_EQ(GetDlgItemText(dlg, ctl.id, 100), ctl.text) << ctl.id;
            }
        }
    }
}

} // namespace
