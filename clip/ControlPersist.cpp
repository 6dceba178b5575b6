// Persistence. The saved state is the version stamp, the extent in HIMETRIC and the mask
// of stored standard properties (none): 16 bytes, little-endian, in a stream; the same
// fields as named properties in a property bag; a stream "Contents" in a storage.

#include <cstdint>

#include "clip/ControlBase.h"

namespace clip {

namespace {

// The fields of the saved state, in stream order.
struct SavedState {
    uint32_t version;
    int32_t extentX;
    int32_t extentY;
    uint32_t storedProperties;
};

constexpr wchar_t kContentsStream[] = L"Contents";
constexpr wchar_t kVersionProperty[] = L"_Version";
constexpr wchar_t kExtentXProperty[] = L"_ExtentX";
constexpr wchar_t kExtentYProperty[] = L"_ExtentY";
constexpr wchar_t kStockPropsProperty[] = L"_StockProps";

void PutField(BYTE* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<BYTE>(value >> (8 * i));
}

uint32_t GetField(const BYTE* at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(at[i]) << (8 * i);
    return value;
}

HRESULT ReadExactly(IStream* stream, BYTE* buffer, ULONG size) {
    ULONG done = 0;
    while (done < size) {
        ULONG read = 0;
        const HRESULT hr = stream->Read(buffer + done, size - done, &read);
        if (FAILED(hr)) return hr;
        if (read == 0) return STG_E_READFAULT;
        done += read;
    }
    return S_OK;
}

HRESULT WriteExactly(IStream* stream, const BYTE* buffer, ULONG size) {
    ULONG done = 0;
    while (done < size) {
        ULONG written = 0;
        const HRESULT hr = stream->Write(buffer + done, size - done, &written);
        if (FAILED(hr)) return hr;
        if (written == 0) return STG_E_WRITEFAULT;
        done += written;
    }
    return S_OK;
}

// Reads a 32-bit property; false when the bag does not hold it as a number.
bool ReadLong(IPropertyBag* bag, const wchar_t* name, IErrorLog* log, LONG& value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    if (FAILED(bag->Read(name, &v, log))) return false;
    const bool ok = SUCCEEDED(VariantChangeType(&v, &v, 0, VT_I4));
    if (ok) value = v.lVal;
    VariantClear(&v);
    return ok;
}

HRESULT WriteLong(IPropertyBag* bag, const wchar_t* name, LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return bag->Write(name, &v);
}

}  // namespace

STDMETHODIMP ControlBase::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = description_.clsid;
    return S_OK;
}

STDMETHODIMP ControlBase::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

STDMETHODIMP ControlBase::InitNew() {
    extent_ = description_.defaultExtent;
    dirty_ = false;
    return S_OK;
}

// Any version stamp is accepted; the next save writes the current one.
STDMETHODIMP ControlBase::Load(IStream* stream) {
    if (!stream) return E_POINTER;
    BYTE bytes[kSavedStateSize];
    const HRESULT hr = ReadExactly(stream, bytes, kSavedStateSize);
    if (FAILED(hr)) return hr;
    const SavedState state{GetField(bytes), static_cast<int32_t>(GetField(bytes + 4)),
                           static_cast<int32_t>(GetField(bytes + 8)), GetField(bytes + 12)};
    extent_ = {state.extentX, state.extentY};
    dirty_ = false;
    NotifyViewChange();
    return S_OK;
}

STDMETHODIMP ControlBase::Save(IStream* stream, BOOL clearDirty) {
    if (!stream) return E_POINTER;
    const SavedState state{description_.stateVersion, extent_.cx, extent_.cy, 0};
    BYTE bytes[kSavedStateSize];
    PutField(bytes, state.version);
    PutField(bytes + 4, static_cast<uint32_t>(state.extentX));
    PutField(bytes + 8, static_cast<uint32_t>(state.extentY));
    PutField(bytes + 12, state.storedProperties);
    const HRESULT hr = WriteExactly(stream, bytes, kSavedStateSize);
    if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
    return hr;
}

STDMETHODIMP ControlBase::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    size->QuadPart = kSavedStateSize;
    return S_OK;
}

STDMETHODIMP ControlBase::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    SIZEL extent = description_.defaultExtent;
    LONG value = 0;
    if (ReadLong(bag, kExtentXProperty, log, value)) extent.cx = value;
    if (ReadLong(bag, kExtentYProperty, log, value)) extent.cy = value;
    extent_ = extent;
    dirty_ = false;
    NotifyViewChange();
    return S_OK;
}

STDMETHODIMP ControlBase::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    HRESULT hr = WriteLong(bag, kVersionProperty, static_cast<LONG>(description_.stateVersion));
    if (SUCCEEDED(hr)) hr = WriteLong(bag, kExtentXProperty, extent_.cx);
    if (SUCCEEDED(hr)) hr = WriteLong(bag, kExtentYProperty, extent_.cy);
    if (SUCCEEDED(hr)) hr = WriteLong(bag, kStockPropsProperty, 0);
    if (SUCCEEDED(hr) && clearDirty) dirty_ = false;
    return hr;
}

STDMETHODIMP ControlBase::InitNew(IStorage* storage) {
    if (!storage) return E_POINTER;
    return InitNew();
}

STDMETHODIMP ControlBase::Load(IStorage* storage) {
    if (!storage) return E_POINTER;
    ComPtr<IStream> stream;
    const HRESULT hr =
        storage->OpenStream(kContentsStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Put());
    if (FAILED(hr)) return hr;
    return Load(stream.Get());
}

STDMETHODIMP ControlBase::Save(IStorage* storage, BOOL) {
    if (!storage) return E_POINTER;
    ComPtr<IStream> stream;
    const HRESULT hr = storage->CreateStream(kContentsStream, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                             0, stream.Put());
    if (FAILED(hr)) return hr;
    return Save(stream.Get(), TRUE);
}

STDMETHODIMP ControlBase::SaveCompleted(IStorage*) { return S_OK; }

STDMETHODIMP ControlBase::HandsOffStorage() { return S_OK; }

}  // namespace clip
