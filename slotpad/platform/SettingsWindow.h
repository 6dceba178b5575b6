#pragma once
// The part of the main window that the settings file reads and restores: its outer
// geometry in twips, its state and the check mark of "Always on Top".

namespace slotpad {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetLeft(int twips) = 0;
    virtual void SetTop(int twips) = 0;
    virtual void SetWidth(int twips) = 0;
    virtual void SetHeight(int twips) = 0;
    virtual WindowState State() const = 0;
    virtual bool TopChecked() const = 0;
    virtual void SetTopChecked(bool checked) = 0;
};

}  // namespace slotpad
