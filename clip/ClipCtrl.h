#pragma once
// The clipboard viewer control `Clip`: on request its window joins the clipboard viewer
// chain, and from then on every change notification raises NewClipboardElement before
// it is passed on to the next viewer. It never reads the clipboard itself.

#include <windows.h>

#include "clip/ControlBase.h"
#include "win32/Handles.h"

namespace clip {

class CClipCtrl final : public ControlBase {
public:
    static constexpr const wchar_t* kProgId = L"CLIP.ClipCtrl.1";

    static HRESULT Create(IUnknown* outer, REFIID iid, void** out);
    static HRESULT UpdateRegistry(bool registering);

    explicit CClipCtrl(IUnknown* outer);

protected:
    HRESULT InvokeMember(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result, EXCEPINFO* exception) override;
    void OnDraw(HDC target, const RECT& bounds) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void StartViewer();
    void StopViewer();
    LRESULT OnDrawClipboard(WPARAM wParam, LPARAM lParam);
    LRESULT OnChangeCbChain(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

    // Joins of the viewer chain less leaves.
    LONG m_viewerCount;
    // The window after ours in the chain; null when ours is the last, and before the first join.
    HWND m_nextViewer;
    foundation::gdi::OwnedBitmap m_bitmap;
    LONG m_bitmapWidth;
    LONG m_bitmapHeight;
};

}  // namespace clip
