#pragma once
// The control's one property page, "General": dialog 100, which says that there are no
// properties to set. It exchanges no data with the control.

#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "win32/ComObject.h"
#include "win32/ComPtr.h"

namespace clip {

using foundation::ComObject;
using foundation::ComPtr;
using foundation::CreateComObject;

class CClipPropPage final : public ComObject<IPropertyPage> {
public:
    static constexpr const wchar_t* kProgId = L"CLIP.ClipPropPage.1";

    static HRESULT Create(IUnknown* outer, REFIID iid, void** out);
    static HRESULT UpdateRegistry(bool registering);

    explicit CClipPropPage(IUnknown* outer) : ComObject(outer) {}
    ~CClipPropPage() override;

    STDMETHODIMP SetPageSite(IPropertyPageSite* site) override;
    STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL modal) override;
    STDMETHODIMP Deactivate() override;
    STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override;
    STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override;
    STDMETHODIMP Show(UINT command) override;
    STDMETHODIMP Move(LPCRECT rect) override;
    STDMETHODIMP IsPageDirty() override;
    STDMETHODIMP Apply() override;
    STDMETHODIMP Help(LPCOLESTR helpDir) override;
    STDMETHODIMP TranslateAccelerator(MSG* msg) override;

protected:
    void* FindInterface(REFIID iid) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreatePageDialog(HWND parent) const;
    SIZE DialogSize() const;

    ComPtr<IPropertyPageSite> site_;
    std::vector<ComPtr<IUnknown>> objects_;
    HWND dialog_ = nullptr;
};

}  // namespace clip
