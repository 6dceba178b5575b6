#pragma once

#include "slotpad/platform/DefaultPrinter.h"

namespace slotpad::win32 {

// Prints through GDI on the printer Windows names as the default.
class Win32DefaultPrinter : public DefaultPrinter {
public:
    PrintJobStart StartJob(std::string_view documentName) override;
};

}  // namespace slotpad::win32
