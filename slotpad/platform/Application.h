#pragma once
// What the program knows about itself and the screen it runs on.

#include <cstdint>
#include <string>

namespace slotpad {

struct VersionParts {
    int16_t Major = 0;
    int16_t Minor = 0;
    int16_t Revision = 0;
};

class Application {
public:
    virtual ~Application() = default;
    // Folder holding the program file, UTF-8, without a trailing separator unless it is
    // a root such as "C:\".
    virtual std::string Folder() const = 0;
    // The program's title, "SlotPad".
    virtual std::string Title() const = 0;
    virtual VersionParts Version() const = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual int WidthTwips() const = 0;
    virtual int HeightTwips() const = 0;
    virtual int TwipsPerPixelX() const = 0;
    virtual int TwipsPerPixelY() const = 0;
};

}  // namespace slotpad
