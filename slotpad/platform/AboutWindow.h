#pragma once
// The About box's window as its logic sees it.

#include <string>

namespace slotpad {

enum class AboutLabel { lblTitle, lblVersion, lblDescription, lblDisclaimer };

class AboutEvents {
public:
    virtual ~AboutEvents() = default;
    // The window was created and is about to be shown.
    virtual void Form_Load() = 0;
    // cmdOK, Enter, Esc and the close box all unload the window themselves; only the
    // system information button needs the logic.
    virtual void cmdSysInfo_Click() = 0;
};

class AboutWindow {
public:
    virtual ~AboutWindow() = default;
    virtual void Set_Caption(const std::string& caption) = 0;
    virtual void Set_Label(AboutLabel label, const std::string& text) = 0;
    virtual std::string Label(AboutLabel label) const = 0;
    // Creates the window (it calls events.Form_Load before it first shows), shows it
    // modally without naming an owner, and returns once it has been closed and destroyed.
    virtual void Show_Modal(AboutEvents& events) = 0;
};

}  // namespace slotpad
