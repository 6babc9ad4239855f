#pragma once

class QProcessEnvironment;

namespace platform {

// True when the session's window manager tiles (sway, i3, Hyprland and the
// like): it sizes every window itself and never maximises one, so the size it
// gives the main window is all the room the program has. Each of them names
// itself in the environment it starts programs with.
bool desktopTiles(const QProcessEnvironment& environment);

} // namespace platform
