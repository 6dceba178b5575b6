#include "clip/ClipCtrl.h"

#include "clip/ClipGuids.h"
#include "clip/ClipModule.h"
#include "clip/ClipResources.h"
#include "clip/Registration.h"

namespace clip {

namespace {

constexpr DISPID kStopViewer = DISPID_CLIP_STOPVIEWER;
constexpr DISPID kStartViewer = DISPID_CLIP_STARTVIEWER;
constexpr DISPID kNewClipboardElement = DISPID_CLIP_NEWCLIPBOARDELEMENT;

constexpr DWORD kMiscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
                              OLEMISC_CANTLINKINSIDE | OLEMISC_ONLYICONIC | OLEMISC_RECOMPOSEONRESIZE;
static_assert(kMiscStatus == 0x00020193);

// Version 1.0 of the saved state.
constexpr DWORD kStateVersion = MAKELONG(0, 1);

const CLSID kPropertyPages[] = {CLSID_CClipPropPage};

// A new control is as large as its face picture: 24 by 24 pixels at 96 dots per inch.
constexpr SIZEL kDefaultExtent{635, 635};

// A hung viewer further down the chain must not freeze ours: it still gets the
// notification when it wakes, we simply stop waiting for it.
constexpr UINT kPassOnTimeoutMs = 2000;

void PassOn(HWND next, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(next, message, wParam, lParam, SMTO_ABORTIFHUNG, kPassOnTimeoutMs, &ignored);
}

const ControlDescription kDescription{CLSID_Clip,  DIID__DClip,   DIID__DClipEvents, IDS_CLIP_TYPE_NAME,
                                      kMiscStatus, kPropertyPages, kStateVersion,     kDefaultExtent};

}  // namespace

HRESULT CClipCtrl::Create(IUnknown* outer, REFIID iid, void** out) {
    return CreateComObject<CClipCtrl>(outer, iid, out);
}

HRESULT CClipCtrl::UpdateRegistry(bool registering) {
    if (!registering) return UnregisterClassKeys(CLSID_Clip, kProgId);
    return RegisterControlClass({CLSID_Clip, kProgId, IDS_CLIP_TYPE_NAME, IDB_CLIP_TOOLBOX, kMiscStatus, LIBID_CLIPLib,
                                 kTypeLibMajor, kTypeLibMinor});
}

CClipCtrl::CClipCtrl(IUnknown* outer)
    : ControlBase(outer, kDescription), m_viewerCount(0), m_nextViewer(nullptr), m_bitmapWidth(0), m_bitmapHeight(0) {
    m_bitmap = foundation::gdi::OwnedBitmap(LoadBitmapA(CClipModule::Instance().ResourceInstance(), MAKEINTRESOURCEA(IDB_CLIP_FACE)));
    // A picture that fails to load has no size, and nothing is drawn from it.
    BITMAP header{};
    if (m_bitmap && GetObjectA(m_bitmap.get(), sizeof(header), &header) == sizeof(header)) {
        m_bitmapWidth = header.bmWidth;
        m_bitmapHeight = header.bmHeight;
    }
}

void CClipCtrl::StartViewer() {
    if (m_viewerCount > 0) return;
    // Without a window there is nothing to join; the platform would refuse a null window
    // anyway, so it is not asked.
    m_nextViewer = Window() ? SetClipboardViewer(Window()) : nullptr;
    ++m_viewerCount;
}

void CClipCtrl::StopViewer() {
    if (m_viewerCount <= 0) return;
    if (Window()) ChangeClipboardChain(Window(), m_nextViewer);
    --m_viewerCount;
}

HRESULT CClipCtrl::InvokeMember(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result, EXCEPINFO* exception) {
    switch (id) {
        case DISPID_HWND:
            if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
                return RaiseError(exception, CTL_E_SETNOTSUPPORTED);
            if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
            if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
            if (result) {
                VariantInit(result);
                result->vt = VT_I4;
                result->lVal = HandleToLong(Window());
            }
            return S_OK;
        case kStopViewer:
        case kStartViewer:
            if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
            if (params.cArgs != 0) return DISP_E_BADPARAMCOUNT;
            if (id == kStartViewer)
                StartViewer();
            else
                StopViewer();
            if (result) VariantInit(result);
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

void CClipCtrl::OnDraw(HDC target, const RECT& bounds) {
    foundation::gdi::MemoryDC picture(nullptr);
    picture.Select(m_bitmap.get());
    FillRect(target, &bounds, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    // At the target's origin, not the corner of the bounds, and never scaled.
    if (picture && m_bitmap)
        BitBlt(target, 0, 0, m_bitmapWidth, m_bitmapHeight, picture.get(), 0, 0, SRCCOPY);
}

LRESULT CClipCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWCLIPBOARD:
            return OnDrawClipboard(wParam, lParam);
        case WM_CHANGECBCHAIN:
            return OnChangeCbChain(wParam, lParam);
        case WM_DESTROY:
            return OnDestroy(wParam, lParam);
        default:
            return ControlBase::HandleMessage(message, wParam, lParam);
    }
}

LRESULT CClipCtrl::OnDrawClipboard(WPARAM wParam, LPARAM lParam) {
    // The host's handler may let go of the control; it stays alive until this returns.
    const ComPtr<IUnknown> keepAlive(Outer());
    DefWindowProcW(Window(), WM_DRAWCLIPBOARD, wParam, lParam);
    FireEvent(kNewClipboardElement);
    // The next viewer learns of the change only after the host's handler has run.
    if (m_nextViewer) PassOn(m_nextViewer, WM_DRAWCLIPBOARD, 0, 0);
    return 0;
}

LRESULT CClipCtrl::OnChangeCbChain(WPARAM wParam, LPARAM lParam) {
    DefWindowProcW(Window(), WM_CHANGECBCHAIN, wParam, lParam);
    const auto leaving = reinterpret_cast<HWND>(wParam);
    if (leaving == m_nextViewer)
        m_nextViewer = reinterpret_cast<HWND>(lParam);
    else if (m_nextViewer)
        PassOn(m_nextViewer, WM_CHANGECBCHAIN, wParam, lParam);
    return 0;
}

LRESULT CClipCtrl::OnDestroy(WPARAM wParam, LPARAM lParam) {
    ControlBase::HandleMessage(WM_DESTROY, wParam, lParam);
    ChangeClipboardChain(Window(), m_nextViewer);
    // The window's end leaves the chain whether or not the viewer was stopped; counting
    // it only while viewing keeps a later StartViewer from joining the chain twice.
    if (m_viewerCount > 0) --m_viewerCount;
    return 0;
}

}  // namespace clip
