#pragma once
// Printing one slot on the default printer: the description block when PrintDesc is on,
// then the text, each in its own font, one line per line of the slot.

#include <optional>
#include <string>
#include <string_view>

#include "slotpad/platform/DefaultPrinter.h"
#include "slotpad/store/LinkList.h"
#include "slotpad/store/Settings.h"

namespace slotpad {

PrinterFont Printer_Font(const FontSpec& font);

// Prints `slot` as one job named `jobName`. The slot is taken by value so that a capture
// while the printer works cannot change what is printed. Returns nothing when the job went
// to the printer, otherwise the message to show the user; a job that fails part-way is
// abandoned, so nothing of it is printed.
std::optional<std::string> Print_Slot(DefaultPrinter& printer, SlotRecord slot, const Settings& settings,
                                      std::string_view jobName);

}  // namespace slotpad
