#pragma once
// What a save reads from the main window: its outer geometry in twips, its state and the
// check mark of "Always on Top". Read only: where the window goes at start is a value the
// load returns and the main form applies.

namespace slotpad {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual WindowState State() const = 0;
    virtual bool TopChecked() const = 0;
};

}  // namespace slotpad
