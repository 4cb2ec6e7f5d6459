#include "platform/TemplateBuilder.h"

#include "platform/DialogUnits.h"
#include "platform/Menus.h"
#include "platform/PictureControl.h"
#include "platform/Translation.h"
#include "resources/Pictures.h"
#include "resources/UiTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <cstring>

namespace nuro {
namespace {

// An automatic radio button: a click always checks it and unchecks the others of its group,
// while checking by code changes this button alone.
class AutoRadioButton : public QRadioButton {
public:
    AutoRadioButton(const QString& text, int group, QWidget* parent) : QRadioButton(text, parent)
    {
        setAutoExclusive(false);
        setProperty("radioGroup", group);
    }

protected:
    void nextCheckState() override
    {
        setChecked(true);
        for (QObject* o : parent()->children()) {
            auto* other = dynamic_cast<AutoRadioButton*>(o);
            if (other && other != this && other->property("radioGroup") == property("radioGroup"))
                other->setChecked(false);
        }
    }
};

Qt::Alignment TextAlignment(std::uint32_t style)
{
    if (style & CS_Right)
        return Qt::AlignRight | Qt::AlignVCenter;
    if (style & CS_Center)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString Text(const char* s)
{
    return QString::fromUtf8(s ? s : "");
}

void ConnectClick(QAbstractButton* b, DialogWindow* dlg, int id)
{
    QObject::connect(b, &QAbstractButton::clicked, dlg, [dlg, id] { dlg->SendCommand(id, BN_CLICKED); });
}

QWidget* MakeStatic(const ControlTemplate& c, const QRect& r, QWidget* parent)
{
    const bool frameOnly = (c.style & CS_Etched) || ((c.style & CS_Border) && Text(c.text).isEmpty());
    if (frameOnly) {
        auto* f = new QFrame(parent);
        // A frame one or two pixels high is the etched separator line.
        f->setFrameShape(r.height() <= 3 ? QFrame::HLine : r.width() <= 3 ? QFrame::VLine : QFrame::Box);
        f->setFrameShadow((c.style & CS_Etched) ? QFrame::Sunken : QFrame::Plain);
        return f;
    }
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(Text(c.text));
    l->setAlignment((TextAlignment(c.style) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    if (c.style & CS_Border)
        l->setFrameShape(QFrame::Box);
    // A text longer than its line goes on in the lines below, within the control.
    if (c.style & CS_MultiLine)
        l->setWordWrap(true);
    return l;
}

QWidget* MakeEdit(const ControlTemplate& c, DialogWindow* dlg)
{
    auto* e = new QLineEdit(dlg);
    e->setText(Text(c.text));
    e->setAlignment(TextAlignment(c.style));
    e->setReadOnly(c.style & CS_ReadOnly);
    e->setFrame(c.style & CS_Border);
    if (c.style & CS_Digits)
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    const int id = c.id;
    QObject::connect(e, &QLineEdit::textEdited, dlg, [dlg, id] { dlg->SendCommand(id, EN_CHANGE); });
    return e;
}

QWidget* MakePushButton(const ControlTemplate& c, DialogWindow* dlg)
{
    auto* b = new QPushButton(Text(c.text), dlg);
    // Enter is handled by the dialog, which knows the default button.
    b->setAutoDefault(false);
    b->setDefault(c.kind == ControlKind::DefPushButton);
    b->setProperty("pushKind", true);
    if (c.kind == ControlKind::BitmapButton)
        b->setProperty("caption", Text(c.text));
    ConnectClick(b, dlg, c.id);
    return b;
}

QWidget* MakeCombo(const ControlTemplate& c, const QRect& r, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setProperty("sorted", bool(c.style & CS_Sorted));
    // The template's height is the dropped-down height; shown closed, a combo is one line high.
    const int lineHeight = box->fontMetrics().height();
    box->setMaxVisibleItems(std::max(1, r.height() / std::max(1, lineHeight + 2) - 1));
    return box;
}

QWidget* MakeList(std::uint32_t style, int id, DialogWindow* dlg)
{
    auto* list = new QListWidget(dlg);
    list->setProperty("sorted", bool(style & CS_Sorted));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFrameShape((style & CS_Border) ? QFrame::Box : QFrame::NoFrame);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QObject::connect(list, &QListWidget::itemDoubleClicked, dlg, [dlg, id] { dlg->SendCommand(id, LBN_DBLCLK); });
    return list;
}

// The text a control shows: its template's, through the interface language. Pictures and outside
// controls show no text of their own.
ControlTemplate Translated(const ControlTemplate& c, const std::string& context, QByteArray& storage)
{
    if (c.kind == ControlKind::PictureStatic || c.kind == ControlKind::PictureButton || c.kind == ControlKind::Custom)
        return c;
    storage = TranslateData(TextLanguage::Interface, context, c.text).toUtf8();
    ControlTemplate out = c;
    out.text = storage.constData();
    return out;
}

QWidget* MakeControl(const ControlTemplate& c, const QRect& r, DialogWindow* dlg, int radioGroup)
{
    switch (c.kind) {
    case ControlKind::Static:
        return MakeStatic(c, r, dlg);
    case ControlKind::Edit:
        return MakeEdit(c, dlg);
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::BitmapButton:
        return MakePushButton(c, dlg);
    case ControlKind::CheckBox: {
        auto* b = new QCheckBox(Text(c.text), dlg);
        ConnectClick(b, dlg, c.id);
        return b;
    }
    case ControlKind::RadioButton: {
        auto* b = new AutoRadioButton(Text(c.text), radioGroup, dlg);
        ConnectClick(b, dlg, c.id);
        return b;
    }
    case ControlKind::GroupBox: {
        auto* g = new QGroupBox(Text(c.text), dlg);
        g->setAttribute(Qt::WA_TransparentForMouseEvents);
        return g;
    }
    case ControlKind::ComboBox: {
        QWidget* box = MakeCombo(c, r, dlg);
        // The user's choice only, as CBN_SELCHANGE: a selection set by code sends nothing.
        const int id = c.id;
        QObject::connect(static_cast<QComboBox*>(box), &QComboBox::activated, dlg,
                         [dlg, id] { dlg->SendCommand(id, CBN_SELCHANGE); });
        return box;
    }
    case ControlKind::ListBox:
        return MakeList(c.style, c.id, dlg);
    case ControlKind::PictureStatic:
    case ControlKind::PictureButton: {
        auto* p = new PictureControl(c.id, c.kind == ControlKind::PictureButton, Text(c.text), dlg);
        ConnectClick(p, dlg, c.id);
        return p;
    }
    case ControlKind::Custom:
        break;
    }
    // An outside control class: a placeholder that is never shown.
    auto* w = new QWidget(dlg);
    w->setProperty("className", Text(c.className));
    return w;
}

Qt::WindowFlags PopupFlags(std::uint32_t style)
{
    Qt::WindowFlags f = Qt::Dialog | Qt::CustomizeWindowHint;
    if (style & WS_Caption)
        f |= Qt::WindowTitleHint;
    else
        f |= Qt::FramelessWindowHint;
    if (style & WS_SysMenu)
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MinimizeBox)
        f |= Qt::WindowMinimizeButtonHint;
    return f;
}

void PlacePopup(DialogWindow* dlg, const DialogTemplate& t, const DialogUnitScale& s, QWidget* owner)
{
    const QSize size = dlg->size();
    if (t.style & WS_Centered) {
        QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            dlg->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
        }
        return;
    }
    // Uncentred templates are placed relative to the owner's client area, or the screen.
    QPoint origin = owner ? owner->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    dlg->move(origin + QPoint(UnitsToPixelsAcross(s, t.x), UnitsToPixelsDown(s, t.y)));
}

// The template's rectangles were laid out for another system's font: a label or check box whose
// text would be clipped gets a slightly smaller font instead, never below a legible size.
int TextWidthNeeded(QWidget* w, ControlKind kind, const QFontMetrics& metrics)
{
    if (kind == ControlKind::Static) {
        auto* label = qobject_cast<QLabel*>(w);
        return label && !label->wordWrap() ? metrics.horizontalAdvance(label->text()) : 0;
    }
    auto* box = qobject_cast<QAbstractButton*>(w);
    if (!box)
        return 0;
    QString text = box->text();
    text.remove(QLatin1Char('&'));
    const bool check = kind == ControlKind::CheckBox;
    QStyle* style = w->style();
    return style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
           style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr,
                              w) +
           metrics.horizontalAdvance(text);
}

void FitTextToRect(QWidget* w, ControlKind kind, const QRect& r)
{
    if (kind != ControlKind::Static && kind != ControlKind::CheckBox && kind != ControlKind::RadioButton)
        return;
    constexpr int kSmallestPixels = 9;
    QFont font = w->font();
    int pixels = font.pixelSize();
    while (pixels > kSmallestPixels && TextWidthNeeded(w, kind, QFontMetrics(font)) > r.width())
        font.setPixelSize(--pixels);
    if (pixels != w->font().pixelSize())
        w->setFont(font);
}

} // namespace

DialogWindow* BuildDialog(const DialogTemplate& tmpl, QWidget* parent, bool child)
{
    auto* dlg = new DialogWindow(tmpl, child ? parent : (parent ? parent->window() : nullptr), child);
    const DialogUnitScale scale = ScaleForFont(tmpl.fontName, tmpl.fontPoints);
    dlg->setFont(FontForTemplate(tmpl.fontName, tmpl.fontPoints));
    const std::string context = TemplateContext(tmpl.id);
    dlg->setWindowTitle(TranslateData(TextLanguage::Interface, context, tmpl.caption));
    // A settings dialog reads from the right in a right-to-left language: its places are mirrored.
    const bool mirrored = MirroredRightToLeft(tmpl.id) && QGuiApplication::isRightToLeft();
    dlg->setProperty("mirrored", mirrored);
    // Picture windows keep the places and alignments they were drawn for in every language.
    if (!MirroredRightToLeft(tmpl.id))
        dlg->setLayoutDirection(Qt::LeftToRight);
    dlg->setFixedSize(UnitsToPixelsAcross(scale, tmpl.cx), UnitsToPixelsDown(scale, tmpl.cy));
    if (tmpl.className && std::strcmp(tmpl.className, "BorDlg_Gray") == 0)
        dlg->SetBackgroundColor(QColor(kGrayDialogColor));

    int radioGroup = 0;
    for (const ControlTemplate& c : tmpl.controls) {
        if (c.style & CS_Group)
            ++radioGroup;
        QRect r = UnitsToPixels(scale, c.x, c.y, c.cx, c.cy);
        if (mirrored)
            r.moveLeft(dlg->width() - r.x() - r.width());
        QByteArray text;
        QWidget* w = MakeControl(Translated(c, context, text), r, dlg, radioGroup);
        dlg->AddControl(w, c.id);
        if (c.kind == ControlKind::ComboBox)
            w->setGeometry(r.x(), r.y(), r.width(), std::min(r.height(), w->sizeHint().height()));
        else
            w->setGeometry(r);
        FitTextToRect(w, c.kind, r);
        w->setFocusPolicy((c.style & CS_TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
        if (c.kind == ControlKind::Static || c.kind == ControlKind::GroupBox || c.kind == ControlKind::Custom)
            w->setFocusPolicy(Qt::NoFocus);
        if (c.style & CS_Disabled)
            w->setEnabled(false);
        if ((c.style & CS_Hidden) || c.kind == ControlKind::Custom)
            w->setVisible(false);
    }

    ApplyAccessibleTexts(dlg, TextLanguage::Interface);
    // Tab follows the template's order unless the template's table says otherwise.
    QWidget* previous = nullptr;
    for (int id : FocusOrder(tmpl.id)) {
        QWidget* next = dlg->Control(id);
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        if (next)
            previous = next;
    }

    if (child) {
        dlg->move(0, 0);
    } else {
        dlg->setWindowFlags(PopupFlags(tmpl.style));
        if (tmpl.style & WS_SizeBorder) {
            const QSize size = dlg->size();
            dlg->setMinimumSize(0, 0);
            dlg->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            dlg->resize(size);
        }
        PlacePopup(dlg, tmpl, scale, parent);
    }
    return dlg;
}

QWidget* CreateListBox(QWidget* dlgWidget, int id, const QRect& pixels, std::uint32_t style)
{
    DialogWindow* dlg = DialogOf(dlgWidget);
    if (!dlg)
        return nullptr;
    QWidget* list = MakeList(style, id, dlg);
    dlg->AddControl(list, id);
    QRect r = pixels;
    if (dlg->property("mirrored").toBool())
        r.moveLeft(dlg->width() - r.x() - r.width());
    list->setGeometry(r);
    list->setFocusPolicy((style & CS_TabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    list->show();
    return list;
}

QImage RenderTemplate(const DialogTemplate& tmpl)
{
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (const MenuTemplate* menu = tmpl.menuId ? FindMenu(tmpl.menuId) : nullptr)
        layout->setMenuBar(BuildMenuBar(*menu, &host, [](int) {}));
    DialogWindow* dlg = BuildDialog(tmpl, &host, true);
    layout->addWidget(dlg);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    host.setAttribute(Qt::WA_DontShowOnScreen);
    host.show();
    QImage image = host.grab().toImage();
    host.hide();
    return image;
}

} // namespace nuro
