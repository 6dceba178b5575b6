#pragma once
// The program's icon in the notification area.

#include <string>

namespace slotpad {

class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // Adds the icon with its tool tip; called again when the taskbar is re-created.
    virtual bool Add(const std::string& tip) = 0;
    virtual bool Delete() = 0;
    // A balloon message from the icon, for problems the user should hear of even
    // while the window is hidden.
    virtual void ShowBalloon(const std::string& title, const std::string& text) = 0;
};

}  // namespace slotpad
