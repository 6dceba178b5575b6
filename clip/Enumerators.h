#pragma once
// A COM enumerator (IEnumConnectionPoints, IEnumConnections, IEnumOLEVERB) over a
// snapshot of items. Traits say how an item is copied out to a caller and let go.

#include <windows.h>
#include <ocidl.h>
#include <oleidl.h>

#include <utility>
#include <vector>

#include "win32/ComObject.h"
#include "win32/ComPtr.h"

namespace clip {

using foundation::ComObject;
using foundation::ComPtr;
using foundation::CreateComObject;

template <typename IEnum, typename Item, typename Traits>
class ArrayEnumerator final : public ComObject<IEnum> {
public:
    // Copies `items`; `owner` is kept alive as long as the enumerator, since the items
    // may point into it.
    ArrayEnumerator(IUnknown* outer, const std::vector<Item>& items, ComPtr<IUnknown> owner, size_t position = 0)
        : ComObject<IEnum>(outer), owner_(std::move(owner)), position_(position) {
        items_.reserve(items.size());
        for (const Item& item : items) items_.push_back(Traits::Copy(item));
    }
    ~ArrayEnumerator() override {
        for (Item& item : items_) Traits::Destroy(item);
    }

    STDMETHODIMP Next(ULONG count, Item* out, ULONG* fetched) override {
        if (fetched) *fetched = 0;
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG done = 0;
        while (done < count && position_ < items_.size()) out[done++] = Traits::Copy(items_[position_++]);
        if (fetched) *fetched = done;
        return done == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        const size_t left = items_.size() - position_;
        if (count > left) {
            position_ = items_.size();
            return S_FALSE;
        }
        position_ += count;
        return S_OK;
    }
    STDMETHODIMP Reset() override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnum** out) override {
        return CreateComObject<ArrayEnumerator>(nullptr, Traits::Iid(), reinterpret_cast<void**>(out), items_,
                                                owner_, position_);
    }

protected:
    void* FindInterface(REFIID iid) override { return iid == Traits::Iid() ? static_cast<IEnum*>(this) : nullptr; }

private:
    std::vector<Item> items_;
    ComPtr<IUnknown> owner_;
    size_t position_;
};

struct ConnectionPointTraits {
    static const IID& Iid() { return IID_IEnumConnectionPoints; }
    static IConnectionPoint* Copy(IConnectionPoint* point) {
        point->AddRef();
        return point;
    }
    static void Destroy(IConnectionPoint* point) { point->Release(); }
};
using ConnectionPointEnumerator = ArrayEnumerator<IEnumConnectionPoints, IConnectionPoint*, ConnectionPointTraits>;

struct ConnectionTraits {
    static const IID& Iid() { return IID_IEnumConnections; }
    static CONNECTDATA Copy(const CONNECTDATA& data) {
        if (data.pUnk) data.pUnk->AddRef();
        return data;
    }
    static void Destroy(CONNECTDATA& data) {
        if (data.pUnk) data.pUnk->Release();
    }
};
using ConnectionEnumerator = ArrayEnumerator<IEnumConnections, CONNECTDATA, ConnectionTraits>;

// The caller frees the verb names it receives with CoTaskMemFree.
struct VerbTraits {
    static const IID& Iid() { return IID_IEnumOLEVERB; }
    static OLEVERB Copy(const OLEVERB& verb) {
        OLEVERB copy = verb;
        copy.lpszVerbName = nullptr;
        if (verb.lpszVerbName) {
            const size_t bytes = (wcslen(verb.lpszVerbName) + 1) * sizeof(wchar_t);
            copy.lpszVerbName = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
            if (copy.lpszVerbName) memcpy(copy.lpszVerbName, verb.lpszVerbName, bytes);
        }
        return copy;
    }
    static void Destroy(OLEVERB& verb) { CoTaskMemFree(verb.lpszVerbName); }
};
using VerbEnumerator = ArrayEnumerator<IEnumOLEVERB, OLEVERB, VerbTraits>;

}  // namespace clip
