#pragma once
// The running program's identity and the screen, from the module and the display.

#include <string>

#include "slotpad/platform/Application.h"

namespace slotpad::win32 {

class Win32Application : public Application {
public:
    explicit Win32Application(std::string title);
    std::string Folder() const override { return folder_; }
    std::string Title() const override { return title_; }
    VersionParts Version() const override { return version_; }

private:
    std::string title_;
    std::string folder_;
    VersionParts version_;
};

class Win32Screen : public Screen {
public:
    int WidthTwips() const override;
    int HeightTwips() const override;
    int TwipsPerPixelX() const override;
    int TwipsPerPixelY() const override;
};

}  // namespace slotpad::win32
