// Templates 2 to 5 as the user meets them: the caption, no close box, every control where it belongs.
#include "DialogTestEnv.h"

#include "dialogs/ConfigRules.h"
#include "places/Places.h"
#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "resources/templates/SettingsTemplates.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <string_view>

using namespace nuro;
using namespace nuro::places;
using namespace nuro::test;

namespace {

struct Case {
    const char* name;
    const DialogTemplate& tmpl;
    std::function<void()> open; // empty for the About box, which runs modally
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
            // A static without a text of its own is the code's to fill (the method's description).
            const bool codeFilled = ctl.kind == ControlKind::Static && std::string_view(ctl.text).empty();
            if (ShowsItsText(ctl.kind) && !codeFilled) {
                EXPECT_EQ(GetDlgItemText(dlg, ctl.id, 100), ctl.text) << ctl.id;
            }
        }
    }
}

} // namespace

namespace {

// The room a line edit gives its text, as its own painting computes it.
int TextRoom(QLineEdit* edit)
{
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.rect = edit->contentsRect();
    opt.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
    const QMargins margins = edit->textMargins();
    constexpr int kLineEditMargin = 2; // Qt's own horizontal margin on each side of a line edit's text
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

} // namespace

// The screenshot check: every field of the Config dialog holding the widest value it is given shows
// every character of it (a pressure shown as "010.00" invites a wrong correction). The dialog so filled
// is drawn to config-widest.png for review in the folder NURO_TEST_PICTURES names, if any: a test run
// writes nothing outside its own temporary folder.
TEST_F(SettingsTemplatesTest, ConfigFieldsShowTheirWidestValuesWhole)
{
    OpenConfigDialog();
    QWidget* dlg = ConfigDialogWindow();
    ASSERT_NE(dlg, nullptr);
    struct Row {
        int id;
        const char* widest;
    };
    const Row rows[] = {
        {106, "180"},    {111, "59"},    {110, "59.999"},  {109, "90"},      {108, "59"},
        {107, "59.999"}, {110, "60.00"}, {107, "60.00"},   {127, "1010.00"}, {122, "-40.00"},
        {120, "-12.00"}, {120, "13.75"}, {121, "2240.00"}, {121, "2240"},
    };
    for (const Row& r : rows) {
        auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(dlg, r.id));
        ASSERT_NE(edit, nullptr) << r.id;
        SetDlgItemText(dlg, r.id, r.widest);
        const int needed = edit->fontMetrics().horizontalAdvance(QString::fromUtf8(r.widest));
        EXPECT_LE(needed, TextRoom(edit)) << "field " << r.id << " cuts " << r.widest;
    }
    // Every label beside them shows its whole text too.
    for (const ControlTemplate& ctl : ConfigTemplate().controls) {
        auto* label = qobject_cast<QLabel*>(GetDlgItem(dlg, ctl.id));
        if (label && !label->text().isEmpty()) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
                << "label " << ctl.id << " cuts " << label->text().toStdString();
        }
    }
    // The reasons a place has no row fit their line under the place list.
    auto* reason = qobject_cast<QLabel*>(GetDlgItem(dlg, 138));
    ASSERT_NE(reason, nullptr);
    for (PlaceLookup lookup : {PlaceLookup::NoLibrary, PlaceLookup::NoDatabase, PlaceLookup::NoSuchPlace}) {
        const QString text = QString::fromUtf8(PlaceLookupText(lookup));
        EXPECT_LE(reason->fontMetrics().horizontalAdvance(text), reason->contentsRect().width()) << text.toStdString();
    }
    SetDlgItemText(dlg, 138, PlaceLookupText(PlaceLookup::NoDatabase));
    if (const char* pictures = std::getenv("NURO_TEST_PICTURES"))
        dlg->grab().save(QString::fromLocal8Bit(pictures) + QStringLiteral("/config-widest.png"));
}
