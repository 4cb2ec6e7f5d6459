// Templates become widgets: dialog units to pixels by the template's font, controls tagged by id,
// styles applied, and the picture controls' id rule.
#include "PlatformTestSupport.h"

#include "platform/DialogOps.h"
#include "platform/DialogUnits.h"
#include "platform/DialogWindow.h"
#include "platform/PictureControl.h"
#include "platform/TemplateBuilder.h"
#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <memory>

namespace nuro {
namespace {

TEST(DialogUnitsTest, ScaleFollowsTheTemplateFont)
{
    const struct {
        const char* font;
        int points;
        double across, down;
    } rows[] = {
        {"System", 8, 2.0, 2.0},
        {"System", 10, 2.0, 2.0}, // the system font's cell does not grow with the point size
        {"MS Sans Serif", 8, 1.5, 1.625},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.font) + " " + std::to_string(row.points));
        const DialogUnitScale s = ScaleForFont(row.font, row.points);
        EXPECT_DOUBLE_EQ(s.across, row.across);
        EXPECT_DOUBLE_EQ(s.down, row.down);
    }
}

TEST(DialogUnitsTest, EachValueRoundsToTheNearestPixel)
{
    const DialogUnitScale system = ScaleForFont("System", 8);
    const DialogUnitScale sans = ScaleForFont("MS Sans Serif", 8);
    const struct {
        const DialogUnitScale* scale;
        int units;
        int across, down;
    } rows[] = {
        {&system, 125, 250, 250}, // template 13's client: its 250 x 250 background picture
        {&system, -3, -6, -6},
        {&sans, 255, 383, 414}, // 382.5 rounds up: the notice picture's width
        {&sans, 8, 12, 13},
        {&sans, 4, 6, 7}, // 6.5 down rounds away from zero
        {&sans, 1, 2, 2},
        {&sans, -1, -2, -2}, // negative positions (pictures hang over the edge) round symmetrically
        {&sans, 0, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.units);
        EXPECT_EQ(UnitsToPixelsAcross(*row.scale, row.units), row.across);
        EXPECT_EQ(UnitsToPixelsDown(*row.scale, row.units), row.down);
    }
    EXPECT_EQ(UnitsToPixels(sans, 1, -2, 37, 25), QRect(2, -3, 56, 41));
}

constexpr ControlTemplate kControls[] = {
    {10, ControlKind::Static, "Label", 4, 4, 40, 8, CS_Right, ""},
    {11, ControlKind::Edit, "123", 4, 14, 40, 12, CS_TabStop | CS_Border | CS_Digits, ""},
    {12, ControlKind::Edit, "fixed", 50, 14, 40, 12, CS_ReadOnly | CS_Right, ""},
    {13, ControlKind::CheckBox, "Check", 4, 30, 40, 10, CS_TabStop, ""},
    {14, ControlKind::RadioButton, "One", 4, 42, 40, 10, CS_Group, ""},
    {15, ControlKind::PushButton, "Hidden", 4, 54, 40, 14, CS_Hidden, ""},
    {16, ControlKind::DefPushButton, "OK", 50, 54, 40, 14, CS_Disabled, ""},
    {17, ControlKind::ComboBox, "", 4, 70, 60, 60, CS_Sorted, ""},
    {18, ControlKind::ListBox, "", 70, 70, 40, 30, CS_Border, ""},
    {109, ControlKind::Custom, "", 0, 0, 10, 10, CS_None, "ClockCtl"},
    {10, ControlKind::Static, "Second of the same id", 4, 110, 60, 8, CS_None, ""},
};
constexpr DialogTemplate kTemplate = {
    900, "Built", "MS Sans Serif", 8, 10, 10, 120, 120, WS_Caption | WS_Popup, "BorDlg_Gray", 0, kControls};

struct Built {
    explicit Built(const DialogTemplate& t) : dlg(BuildDialog(t, nullptr, false)) {}
    std::unique_ptr<DialogWindow> dlg;
};

TEST(TemplateBuilderTest, ControlsAreTaggedAndPlacedByTheirUnits)
{
    Built b(kTemplate);
    const DialogUnitScale s = ScaleForFont(kTemplate.fontName, kTemplate.fontPoints);
    EXPECT_EQ(b.dlg->size(), QSize(180, 195)); // 120 x 120 units at 1.5 x 1.625
    EXPECT_EQ(b.dlg->windowTitle(), "Built");
    ASSERT_EQ(b.dlg->Controls().size(), std::size(kControls));
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        const ControlTemplate& c = kControls[i];
        QWidget* w = b.dlg->Controls()[i];
        SCOPED_TRACE(c.id);
        EXPECT_EQ(GetDlgCtrlID(w), c.id);
        EXPECT_EQ(w->objectName(), QStringLiteral("id%1").arg(c.id));
        EXPECT_EQ(DialogOf(w), b.dlg.get());
        const QRect r = UnitsToPixels(s, c.x, c.y, c.cx, c.cy);
        if (c.kind == ControlKind::ComboBox) {
            // Closed, a combo is one line high; the template's height is its dropped-down list.
            EXPECT_EQ(w->pos(), r.topLeft());
            EXPECT_EQ(w->width(), r.width());
            EXPECT_LT(w->height(), r.height());
        } else {
            EXPECT_EQ(w->geometry(), r);
        }
    }
    // The first control of an id answers for it.
    EXPECT_EQ(GetDlgItem(b.dlg.get(), 10), b.dlg->Controls().front());
    EXPECT_EQ(GetDlgItem(b.dlg.get(), 999), nullptr);
}

TEST(TemplateBuilderTest, ControlKindsAndStyles)
{
    Built b(kTemplate);
    DialogWindow* d = b.dlg.get();
    EXPECT_NE(qobject_cast<QLabel*>(d->Control(10)), nullptr);
    EXPECT_TRUE(qobject_cast<QLabel*>(d->Control(10))->alignment() & Qt::AlignRight);
    EXPECT_NE(qobject_cast<QCheckBox*>(d->Control(13)), nullptr);
    EXPECT_NE(qobject_cast<QRadioButton*>(d->Control(14)), nullptr);
    EXPECT_NE(qobject_cast<QComboBox*>(d->Control(17)), nullptr);
    EXPECT_NE(qobject_cast<QListWidget*>(d->Control(18)), nullptr);

    auto* digits = qobject_cast<QLineEdit*>(d->Control(11));
    ASSERT_NE(digits, nullptr);
    EXPECT_EQ(digits->text(), "123");
    digits->clear();
    QTest::keyClicks(digits, "4a5-b6");
    EXPECT_EQ(digits->text(), "456");

    auto* readOnly = qobject_cast<QLineEdit*>(d->Control(12));
    ASSERT_NE(readOnly, nullptr);
    EXPECT_TRUE(readOnly->isReadOnly());
    EXPECT_TRUE(readOnly->alignment() & Qt::AlignRight);
    EXPECT_FALSE(digits->isReadOnly());

    EXPECT_TRUE(d->Control(15)->isHidden());
    EXPECT_FALSE(d->Control(14)->isHidden());
    EXPECT_FALSE(d->Control(16)->isEnabled());
    EXPECT_TRUE(d->Control(15)->isEnabled());
    EXPECT_TRUE(qobject_cast<QPushButton*>(d->Control(16))->isDefault());
    EXPECT_FALSE(qobject_cast<QPushButton*>(d->Control(15))->isDefault());

    // An outside class is a placeholder that never shows.
    EXPECT_TRUE(d->Control(109)->isHidden());
    EXPECT_EQ(d->Control(109)->property("className").toString(), "ClockCtl");

    EXPECT_EQ(d->palette().color(QPalette::Window), QColor(kGrayDialogColor));
    EXPECT_TRUE(d->autoFillBackground());
}

TEST(TemplateBuilderTest, OnlyTheGrayClassPaintsGray)
{
    constexpr DialogTemplate plain = {901, "Plain", "System", 8, 0, 0, 50, 50, WS_Popup, "", 0, {}};
    Built b(plain);
    EXPECT_EQ(b.dlg->size(), QSize(100, 100));
    EXPECT_NE(b.dlg->palette().color(QPalette::Window), QColor(kGrayDialogColor));
}

// The pictures that fill their controls: the notice picture and template 13's background.
TEST(TemplateBuilderTest, PicturesCoverTheirControls)
{
    constexpr ControlTemplate notice[] = {
        {700, ControlKind::PictureButton, "Button", 1, 0, 255, 158, CS_TabStop | CS_Bitmap, "BorBtn"}};
    constexpr ControlTemplate main[] = {{400, ControlKind::PictureStatic, "", 0, 0, 125, 125, CS_Bitmap, ""}};
    const DialogTemplate rows[] = {
        {800, "INFO", "MS Sans Serif", 8, 5, 17, 221, 158, WS_Popup, "BorDlg_Gray", 0, notice},
        {13, "S1", "System", 8, 1, 0, 125, 125, WS_Child, "", 0, main},
    };
    for (const DialogTemplate& t : rows) {
        SCOPED_TRACE(t.id);
        Built b(t);
        const int id = t.controls[0].id;
        const QImage picture = LoadPicture(id + kPictureOffset);
        ASSERT_FALSE(picture.isNull());
        QWidget* w = b.dlg->Control(id);
        EXPECT_EQ(w->width(), picture.width());
        // 158 units at 1.625 are 256.75 pixels: the 256-pixel picture is stretched by at most one.
        EXPECT_LE(std::abs(w->height() - picture.height()), 1);
    }
}

// What a picture control paints: its picture scaled to fill it.
QImage Painted(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Scaled(int pictureId, QSize size)
{
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(out.rect(), LoadPicture(pictureId));
    return out;
}

TEST(PictureControlTest, ShowsIdPlus1000AndThePushKindsHeldFaceWhileDown)
{
    // 101 has pictures 1101 and 3101, 104 only 1104, 55 none.
    ASSERT_TRUE(HasPicture(1101) && HasPicture(3101) && HasPicture(1104));
    ASSERT_FALSE(HasPicture(3104) || HasPicture(1055) || HasPicture(3055));
    constexpr ControlTemplate controls[] = {
        {101, ControlKind::PictureButton, "", 0, 0, 21, 15, CS_TabStop, "BorBtn"},
        {104, ControlKind::PictureButton, "", 30, 0, 16, 16, CS_TabStop, "BorBtn"},
        {201, ControlKind::PictureButton, "", 50, 0, 16, 16, CS_TabStop, "BorBtn"},
        {102, ControlKind::PictureStatic, "", 70, 0, 13, 13, CS_Bitmap, "BorBtn"},
        {55, ControlKind::PictureButton, "Plain", 90, 0, 30, 12, CS_TabStop, "BorBtn"},
    };
    const struct {
        int id;
        int shown, held;
    } rows[] = {
        {101, 1101, 3101}, // the push kind shows its held-down face
        {104, 1104, 1104}, // no held picture: the normal one stays
        {102, 1102, 1102}, // the static kind never changes face, though 3102 exists
        {55, 0, 0}, // no picture at all: a plain drawn face
    };
    const DialogTemplate t = {902, "Pictures", "System", 8, 0, 0, 130, 30, WS_Popup, "", 0, controls};
    Built b(t);
    b.dlg->show();
    test::CommandLog log;
    log.Attach(b.dlg.get());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        auto* p = qobject_cast<PictureControl*>(b.dlg->Control(row.id));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->ShownPictureId(), row.shown);
        if (row.shown) {
            EXPECT_EQ(Painted(p), Scaled(row.shown, p->size()));
        }
        const QImage up = Painted(p);

        QTest::mousePress(p, Qt::LeftButton, {}, p->rect().center());
        EXPECT_EQ(p->ShownPictureId(), row.held);
        if (row.held) {
            EXPECT_EQ(Painted(p), Scaled(row.held, p->size()));
        }
        // A plain face sinks while held.
        EXPECT_EQ(Painted(p) == up, row.held == row.shown && row.shown != 0);
        EXPECT_TRUE(log.Take().empty()) << "a press alone sends nothing";

        QTest::mouseRelease(p, Qt::LeftButton, {}, p->rect().center());
        EXPECT_EQ(p->ShownPictureId(), row.shown);
        EXPECT_EQ(log.Take(), (test::Commands{{row.id, BN_CLICKED}}));
    }
}

// On a screen of two device pixels per pixel the control paints the picture's 2x twin, pixel for
// pixel where the control is the picture's size; elsewhere the stored picture.
TEST(PictureControlTest, PaintsTheTwinAtTwiceThePixelsOnA2xDevice)
{
    constexpr ControlTemplate controls[] = {
        {101, ControlKind::PictureButton, "", 0, 0, 21, 15, CS_TabStop, "BorBtn"},
        {400, ControlKind::PictureStatic, "", 30, 0, 125, 125, CS_Bitmap, "BorBtn"},
    };
    const DialogTemplate t = {903, "Pictures", "System", 8, 0, 0, 160, 130, WS_Popup, "", 0, controls};
    Built b(t);
    b.dlg->show();
    for (int id : {101, 400}) {
        SCOPED_TRACE(id);
        auto* p = qobject_cast<PictureControl*>(b.dlg->Control(id));
        ASSERT_NE(p, nullptr);
        const QImage twin = LoadPicture2x(id + kPictureOffset);
        ASSERT_EQ(twin.size(), LoadPicture(id + kPictureOffset).size() * 2);
        EXPECT_EQ(p->ShownImage(1.0).size(), twin.size() / 2);
        EXPECT_EQ(p->ShownImage(2.0), twin);

        QPixmap sharp(p->size() * 2);
        sharp.setDevicePixelRatio(2);
        sharp.fill(Qt::black);
        p->render(&sharp);
        QImage expected(p->size() * 2, QImage::Format_RGB32);
        expected.fill(Qt::black);
        {
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(expected.rect(), twin);
        }
        EXPECT_EQ(sharp.toImage().convertToFormat(QImage::Format_RGB32), expected);
    }
}

TEST(PictureControlTest, PressedThenDraggedOffSendsNothing)
{
    constexpr ControlTemplate controls[] = {{101, ControlKind::PictureButton, "", 0, 0, 21, 15, CS_TabStop, "BorBtn"}};
    const DialogTemplate t = {903, "Drag", "System", 8, 0, 0, 60, 30, WS_Popup, "", 0, controls};
    Built b(t);
    b.dlg->show();
    test::CommandLog log;
    log.Attach(b.dlg.get());
    auto* p = qobject_cast<PictureControl*>(b.dlg->Control(101));
    QTest::mousePress(p, Qt::LeftButton, {}, p->rect().center());
    QTest::mouseRelease(p, Qt::LeftButton, {}, p->rect().bottomRight() + QPoint(20, 20));
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(p->ShownPictureId(), 1101);
}

TEST(TemplateBuilderTest, RenderTemplateShowsTheBuiltDialog)
{
    static constexpr ControlTemplate controls[] = {
        {400, ControlKind::PictureStatic, "", 0, 0, 125, 125, CS_Bitmap, ""}};
    const DialogTemplate t = {13, "S1", "System", 8, 1, 0, 125, 125, WS_Child, "", 0, controls};
    const QImage image = RenderTemplate(t).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(250, 250));
    EXPECT_EQ(image, Scaled(1400, QSize(250, 250)));
}

} // namespace
} // namespace nuro
