// render-template <id> <out.png>, or --list: draws a registered template as it is built.
#include "Templates.h"
#include "platform/TemplateBuilder.h"
#include "platform/Translation.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    nuro::InstallTranslations(); // LANG=ar_TN.UTF-8 draws the Arabic dialogs
    nuro::TemplateRegistry registry;
    nuro::RegisterTemplates(registry);

    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const nuro::DialogTemplate* t : registry.All())
            std::printf("%d\t%s\n", t->id, t->caption);
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: render-template <id> <out.png> | --list\n");
        return 2;
    }
    const nuro::DialogTemplate* t = registry.Find(std::atoi(argv[1]));
    if (!t) {
        std::fprintf(stderr, "render-template: no template %s\n", argv[1]);
        return 1;
    }
    const QImage image = nuro::RenderTemplate(*t);
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "render-template: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
