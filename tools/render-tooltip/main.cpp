// render-tooltip TABLE HH:MM OUT.png: the tooltip for the six times TABLE ("05:47:00*07:19:00*...*")
// at the clock time HH:MM, drawn as a tooltip: the title in bold over the body.
#include "core/FieldList.h"
#include "schedule/NextPrayer.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QToolTip>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-tooltip TABLE HH:MM OUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    nuro::TimeTable table{};
    for (std::size_t i = 0; i < nuro::kSlotCount; ++i) {
        const std::string field = nuro::GetField(argv[1], '*', static_cast<std::int32_t>(i));
        std::strncpy(table[i].data(), field.c_str(), nuro::kSlotSize - 1);
    }
    const std::optional<std::int32_t> now = nuro::TimeTextSeconds(argv[2]);
    if (!now) {
        std::fprintf(stderr, "render-tooltip: '%s' is no time\n", argv[2]);
        return 2;
    }
    const nuro::TrayTip tip = nuro::MakeTrayTip("NURO :)!", table, nuro::SlotText(table[nuro::kFajer]), *now);
    QLabel label;
    label.setTextFormat(Qt::RichText);
    label.setText("<b>" + QString::fromStdString(tip.title).toHtmlEscaped() + "</b><br>" +
                  QString::fromStdString(tip.body).toHtmlEscaped().replace("\n", "<br>"));
    label.setPalette(QToolTip::palette());
    label.setAutoFillBackground(true);
    label.setMargin(8);
    label.setFrameShape(QFrame::Box);
    label.adjustSize();
    return label.grab().save(argv[3]) ? 0 : 1;
}
