#include "clip/ClipPropPage.h"

#include <cstring>

#include "clip/ClipGuids.h"
#include "clip/ClipModule.h"
#include "clip/ClipResources.h"
#include "clip/Registration.h"

namespace clip {

HRESULT CClipPropPage::Create(IUnknown* outer, REFIID iid, void** out) {
    return CreateComObject<CClipPropPage>(outer, iid, out);
}

// The page's ProgID is never registered.
HRESULT CClipPropPage::UpdateRegistry(bool registering) {
    if (!registering) return UnregisterClassKeys(CLSID_CClipPropPage, nullptr);
    return RegisterPropertyPageClass(CLSID_CClipPropPage, IDS_CLIP_PROPPAGE_TYPE_NAME);
}

CClipPropPage::~CClipPropPage() {
    if (dialog_) DestroyWindow(dialog_);
}

void* CClipPropPage::FindInterface(REFIID iid) {
    return iid == IID_IPropertyPage ? static_cast<IPropertyPage*>(this) : nullptr;
}

INT_PTR CALLBACK CClipPropPage::DialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

HWND CClipPropPage::CreatePageDialog(HWND parent) const {
    return CreateDialogParamW(CClipModule::Instance().ResourceInstance(), MAKEINTRESOURCEW(IDD_PROPPAGE_CLIP), parent,
                              &CClipPropPage::DialogProc, 0);
}

// The dialog's size in pixels, which depends on its font: measured on the dialog itself.
SIZE CClipPropPage::DialogSize() const {
    HWND dialog = dialog_ ? dialog_ : CreatePageDialog(GetDesktopWindow());
    SIZE size{};
    if (dialog) {
        RECT rect{};
        GetWindowRect(dialog, &rect);
        size = {rect.right - rect.left, rect.bottom - rect.top};
        if (dialog != dialog_) DestroyWindow(dialog);
    }
    return size;
}

STDMETHODIMP CClipPropPage::SetPageSite(IPropertyPageSite* site) {
    if (site && site_) return E_UNEXPECTED;
    site_ = ComPtr<IPropertyPageSite>(site);
    return S_OK;
}

STDMETHODIMP CClipPropPage::Activate(HWND parent, LPCRECT rect, BOOL) {
    if (dialog_) return E_UNEXPECTED;
    dialog_ = CreatePageDialog(parent);
    if (!dialog_) return E_OUTOFMEMORY;
    if (rect) Move(rect);
    return S_OK;
}

STDMETHODIMP CClipPropPage::Deactivate() {
    if (!dialog_) return E_UNEXPECTED;
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    return S_OK;
}

STDMETHODIMP CClipPropPage::GetPageInfo(PROPPAGEINFO* info) {
    if (!info) return E_POINTER;
    const std::wstring title = CClipModule::Instance().ResourceString(IDS_CLIP_PROPPAGE_CAPTION);
    const size_t bytes = (title.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (!copy) return E_OUTOFMEMORY;
    std::memcpy(copy, title.c_str(), bytes);
    info->pszTitle = copy;
    info->size = DialogSize();
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
}

STDMETHODIMP CClipPropPage::SetObjects(ULONG count, IUnknown** objects) {
    if (count && !objects) return E_POINTER;
    objects_.clear();
    for (ULONG i = 0; i < count; ++i) objects_.emplace_back(objects[i]);
    return S_OK;
}

STDMETHODIMP CClipPropPage::Show(UINT command) {
    if (!dialog_) return E_UNEXPECTED;
    ShowWindow(dialog_, static_cast<int>(command));
    return S_OK;
}

STDMETHODIMP CClipPropPage::Move(LPCRECT rect) {
    if (!rect) return E_POINTER;
    if (!dialog_) return E_UNEXPECTED;
    MoveWindow(dialog_, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
}

// Nothing on the page can change, so there is never anything to apply.
STDMETHODIMP CClipPropPage::IsPageDirty() { return S_FALSE; }

STDMETHODIMP CClipPropPage::Apply() { return S_OK; }

STDMETHODIMP CClipPropPage::Help(LPCOLESTR) { return E_NOTIMPL; }

STDMETHODIMP CClipPropPage::TranslateAccelerator(MSG* msg) {
    if (!msg) return E_POINTER;
    return dialog_ && IsDialogMessageW(dialog_, msg) ? S_OK : S_FALSE;
}

}  // namespace clip
