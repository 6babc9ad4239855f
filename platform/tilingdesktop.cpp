#include "platform/tilingdesktop.h"

#include <QProcessEnvironment>
#include <QStringList>

namespace platform {

bool desktopTiles(const QProcessEnvironment& environment) {
    // The sockets their own command-line tools talk to.
    for (const char* socket : {"SWAYSOCK", "I3SOCK", "HYPRLAND_INSTANCE_SIGNATURE", "NIRI_SOCKET"})
        if (!environment.value(QLatin1String(socket)).isEmpty())
            return true;
    static const QStringList tilers = {QStringLiteral("sway"),     QStringLiteral("i3"),
                                       QStringLiteral("hyprland"), QStringLiteral("river"),
                                       QStringLiteral("niri"),     QStringLiteral("bspwm"),
                                       QStringLiteral("qtile"),    QStringLiteral("xmonad"),
                                       QStringLiteral("awesome"),  QStringLiteral("dwm")};
    const QStringList desktops =
        environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'));
    for (const QString& desktop : desktops)
        if (tilers.contains(desktop.trimmed(), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace platform
