#include "slotpad/main/RightMenu.h"

namespace slotpad {

RightMenu::RightMenu()
    : items_{
          {mnuShow, "&Show Clipboards", ""},
          {mnuEdit, "&Edit Selection", ""},
          {mnuHyphen1, "-", ""},
          {mnuAdd, "&Add Slot", "Ctrl+N"},
          {mnuCopy, "&Copy Slot", "Ctrl+C"},
          {mnuClear, "Clea&r Slot", "Del"},
          {mnuDelete, "&Delete Slot", "Ctrl+X"},
          {mnuPrint, "&Print Slot", "Ctrl+P"},
          {mnuHyphen2, "-", ""},
          {mnuOptions, "&Options...", ""},
          {mnuTop, "Always on &Top", ""},
          {mnuHyphen3, "-", ""},
          {mnuHelp, "&Help", "F1"},
          {mnuAbout, "About Slot&Pad...", ""},
          {mnuHyphen4, "-", ""},
          {mnuExit, "E&xit SlotPad", ""},
      } {}

void RightMenu::Fix_Menu(bool Vis) {
    Item(mnuShow).Visible = !Vis;
    for (MenuItemId id : {mnuEdit, mnuAdd, mnuCopy, mnuClear, mnuDelete, mnuPrint, mnuHyphen2, mnuHelp})
        Item(id).Visible = Vis;
}

}  // namespace slotpad
