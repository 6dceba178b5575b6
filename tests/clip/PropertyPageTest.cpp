// The property page: created from its class object, and shown by the properties verb.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/clip/ControlTestEnvironment.h"
#include "tests/clip/TestContainer.h"

namespace cliptest {
namespace {

constexpr char kNoProperties[] = "There are no properties to set for this control.";

class PageSite final : public TestObject<IPropertyPageSite> {
public:
    STDMETHODIMP OnStatusChange(DWORD) override { return S_OK; }
    STDMETHODIMP GetLocaleID(LCID* lcid) override {
        if (!lcid) return E_POINTER;
        *lcid = 0x0409;
        return S_OK;
    }
    STDMETHODIMP GetPageContainer(IUnknown** container) override {
        if (container) *container = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }

private:
    void* FindInterface(REFIID iid) override {
        return iid == IID_IPropertyPageSite ? static_cast<IPropertyPageSite*>(this) : nullptr;
    }
};

// The texts of the static controls under `window`, and the size of any picture among them.
struct PageContents {
    std::set<std::string> texts;
    SIZE picture{};
};

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    auto& found = *reinterpret_cast<PageContents*>(param);
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Static") != 0) return TRUE;
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
        auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP header{};
        if (bitmap && GetObjectW(bitmap, sizeof(header), &header)) found.picture = {header.bmWidth, header.bmHeight};
    } else {
        wchar_t text[128] = {};
        GetWindowTextW(child, text, 128);
        found.texts.insert(Narrow(text));
    }
    return TRUE;
}

PageContents ContentsOf(HWND window) {
    PageContents contents;
    EnumChildWindows(window, &CollectStatic, reinterpret_cast<LPARAM>(&contents));
    return contents;
}

class PropertyPageTest : public ControlTest {};

TEST_F(PropertyPageTest, PageFromItsClassObjectSaysThereAreNoProperties) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(library().GetClassObject(kPropPageClsid, IID_IClassFactory, factory.PutVoid()), S_OK);
    ComPtr<IPropertyPage> page;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IPropertyPage, page.PutVoid()), S_OK);
    factory.Reset();

    PROPPAGEINFO info{};
    info.cb = sizeof(info);
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_EQ(Narrow(info.pszTitle), "General");
    EXPECT_GT(info.size.cx, info.size.cy);
    EXPECT_GT(info.size.cy, 0);
    CoTaskMemFree(info.pszTitle);
    CoTaskMemFree(info.pszDocString);
    CoTaskMemFree(info.pszHelpFile);

    auto site = MakeComObject<PageSite>();
    ASSERT_EQ(page->SetPageSite(site.Get()), S_OK);
    ComPtr<IUnknown> control;
    ASSERT_EQ(CoCreateInstance(kClipClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, control.PutVoid()), S_OK);
    IUnknown* objects[] = {control.Get()};
    ASSERT_EQ(page->SetObjects(1, objects), S_OK);

    TestWindow parent(nullptr, {60, 60, 460, 260}, WS_OVERLAPPEDWINDOW);
    const RECT area{0, 0, info.size.cx, info.size.cy};
    ASSERT_EQ(page->Activate(parent.Get(), &area, FALSE), S_OK);
    ASSERT_EQ(page->Show(SW_SHOW), S_OK);
    const HWND dialog = GetWindow(parent.Get(), GW_CHILD);
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_CAPTION);
    const PageContents contents = ContentsOf(dialog);
    EXPECT_EQ(contents.texts, (std::set<std::string>{kNoProperties, "Clip OLE Control"}));
    EXPECT_EQ(contents.picture.cx, 24);
    EXPECT_EQ(contents.picture.cy, 24);

    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    EXPECT_EQ(page->Apply(), S_OK);
    ASSERT_EQ(page->Deactivate(), S_OK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(page->SetObjects(0, nullptr), S_OK);
    EXPECT_EQ(page->SetPageSite(nullptr), S_OK);
    EXPECT_EQ(site->Refs(), 1);
}

// What the timer found while the modal property frame ran.
struct FrameWatch {
    DWORD thread = 0;
    HWND owner = nullptr;
    bool sawPage = false;
    int ticks = 0;
};
FrameWatch frameWatch;

// Notes whether a window of the thread shows the page, and closes it.
BOOL CALLBACK InspectThreadWindow(HWND window, LPARAM) {
    if (window == frameWatch.owner || !IsWindowVisible(window)) return TRUE;
    if (ContentsOf(window).texts.count(kNoProperties)) {
        frameWatch.sawPage = true;
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    } else if (frameWatch.ticks > 50) {
        PostMessageW(window, WM_CLOSE, 0, 0);  // never leave a modal frame behind
    }
    return TRUE;
}

void CALLBACK WatchFrame(HWND, UINT, UINT_PTR, DWORD) {
    ++frameWatch.ticks;
    EnumThreadWindows(frameWatch.thread, &InspectThreadWindow, 0);
}

TEST_F(PropertyPageTest, PropertiesVerbShowsThePage) {
    TestWindow parent(nullptr, {60, 60, 360, 260}, WS_OVERLAPPEDWINDOW);
    HostedControl control(parent.Get(), {10, 10, 34, 34});
    ASSERT_TRUE(control.Window());
    frameWatch = FrameWatch{GetCurrentThreadId(), parent.Get()};
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &WatchFrame);
    const HRESULT hr = control.Object()->DoVerb(OLEIVERB_PROPERTIES, nullptr, &control.Site(), 0, parent.Get(), nullptr);
    KillTimer(nullptr, timer);
    EXPECT_EQ(hr, S_OK);
    EXPECT_TRUE(frameWatch.sawPage);
}

}  // namespace
}  // namespace cliptest
