// libSK.so: the optional skin. SkinStart reads a few colour keys from a skin file and lays them over
// the application's palette; SkinRemove puts the palette back. Without the file it does nothing.
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPalette>
#include <QStandardPaths>
#include <QTextStream>

#include <optional>
#include <utility>
#include <vector>

namespace {

struct RoleKey {
    const char* key;
    QPalette::ColorRole role;
};

constexpr RoleKey kKeys[] = {
    {"window", QPalette::Window},       {"windowtext", QPalette::WindowText},
    {"base", QPalette::Base},           {"text", QPalette::Text},
    {"button", QPalette::Button},       {"buttontext", QPalette::ButtonText},
    {"highlight", QPalette::Highlight}, {"highlightedtext", QPalette::HighlightedText},
};

std::optional<QPalette> savedPalette;

// A bare name is looked up where the user's settings live, then beside the installed data.
QString Locate(const QString& name)
{
    if (name.contains('/'))
        return QFileInfo::exists(name) ? name : QString();
    QStringList dirs;
    QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    dirs << (xdg.startsWith('/') ? QString::fromLocal8Bit(xdg) : QDir::homePath() + "/.config") + "/nuro";
    dirs << QCoreApplication::applicationDirPath() + "/../share/nuro";
    for (const QString& dir : dirs) {
        QString path = dir + "/" + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

// "key=#rrggbb" lines; '#' or ';' at the start of a line is a comment, unknown keys are skipped.
std::vector<std::pair<QPalette::ColorRole, QColor>> ReadSkin(const QString& path)
{
    std::vector<std::pair<QPalette::ColorRole, QColor>> colours;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return colours;
    QTextStream in(&file);
    while (!in.atEnd()) {
        QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        QString key = line.left(eq).trimmed().toLower();
        QColor colour = QColor::fromString(line.mid(eq + 1).trimmed());
        if (!colour.isValid())
            continue;
        for (const RoleKey& k : kKeys)
            if (key == QLatin1String(k.key))
                colours.emplace_back(k.role, colour);
    }
    return colours;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int SkinStart(const char* file, int, int, int, int)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || !file)
        return 0;
    QString path = Locate(QString::fromLocal8Bit(file));
    if (path.isEmpty())
        return 0;
    auto colours = ReadSkin(path);
    if (colours.empty())
        return 0;
    if (!savedPalette)
        savedPalette = QApplication::palette();
    QPalette palette = QApplication::palette();
    for (const auto& [role, colour] : colours)
        palette.setColor(role, colour);
    QApplication::setPalette(palette);
    return 1;
}

extern "C" __attribute__((visibility("default"))) void SkinRemove()
{
    if (savedPalette && qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setPalette(*savedPalette);
    savedPalette.reset();
}
