#pragma once
// The clipboard viewer control hosted on the main window. Its NewClipboardElement event
// reaches the program as MainWindowEvents::Clip_NewClipboardElement.

namespace slotpad {

class ClipViewer {
public:
    virtual ~ClipViewer() = default;
    virtual void StartViewer() = 0;
    virtual void StopViewer() = 0;
};

}  // namespace slotpad
