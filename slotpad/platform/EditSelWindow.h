#pragma once
// The Edit Selection dialog's window as its logic sees it: two text boxes, the client
// area in twips, and the placing of its controls.

#include <string>

#include "slotpad/platform/TwipsRect.h"

namespace slotpad {

enum class EditSelControl { Editing, TipBack, Label1, Tip, OKButton, CancelButton };

class EditSelEvents {
public:
    virtual ~EditSelEvents() = default;
    virtual void OKButton_Click() = 0;
    // Also Esc and the close box.
    virtual void CancelButton_Click() = 0;
    // The client area changed size, and once when the window is first shown.
    virtual void Form_Resize() = 0;
    // Asks whether an edit of a box may go ahead: `result` is the box's whole text as the
    // edit (typing, a paste, a cut) would leave it. A refused edit leaves the box as it
    // was and the window beeps.
    virtual bool Accepts_Edit(EditSelControl box, const std::string& result) = 0;
};

class EditSelWindow {
public:
    virtual ~EditSelWindow() = default;
    // The boxes' texts, ANSI. Setting a text replaces it whole, whatever its length.
    virtual void Set_Text(EditSelControl box, const std::string& text) = 0;
    virtual std::string Text(EditSelControl box) const = 0;
    // The client area in twips.
    virtual int Client_Width() const = 0;
    virtual int Client_Height() const = 0;
    virtual void Place(EditSelControl control, const TwipsRect& rect) = 0;
    // Shows the dialog modally, owned by the main window, with Editing focused; returns
    // once the dialog is hidden, its events going to `events` meanwhile. The window is
    // created at the first call and afterwards keeps its size and position between
    // showings.
    virtual void Show_Modal(EditSelEvents& events) = 0;
    virtual void Hide() = 0;
};

}  // namespace slotpad
