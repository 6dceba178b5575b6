// Hosting the control: by the tests' own container and by Wine's ATL control host,
// drawing into memory and on screen, and the persisted state.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/clip/ControlTestEnvironment.h"
#include "tests/clip/TestContainer.h"

namespace cliptest {
namespace {

// Every pixel of `canvas` inside `area` must show the face picture where it lies within
// the picture's 24 by 24 pixels at the canvas origin, and light gray elsewhere.
void ExpectFaceOnLightGray(const Canvas& canvas, const Canvas& face, const RECT& area, const char* what) {
    int wrong = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const bool onPicture = x < face.Width() && y < face.Height();
            const COLORREF expected = onPicture ? face.Pixel(x, y) : kLightGray;
            if (canvas.Pixel(x, y) != expected && wrong++ < 5)
                ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << std::hex << canvas.Pixel(x, y)
                              << ", expected " << expected;
        }
    }
    EXPECT_EQ(wrong, 0) << what;
}

class ControlHostTest : public ControlTest {};

// Visibility is read from the style bits: the parent stays hidden, which spares Wine the
// wait for a window manager when a shown top-level window goes away.
bool HasVisibleStyle(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

TEST_F(ControlHostTest, OwnContainerSitesActivatesAndReleasesTheControl) {
    TestWindow parent(nullptr, {50, 50, 250, 150}, WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(parent.Get());
    {
        HostedControl control(parent.Get(), {10, 10, 110, 60}, false);
        ASSERT_TRUE(control.Created());
        EXPECT_EQ(control.Window(), nullptr) << "the window exists only once activated";
        EXPECT_EQ(ReadHwndProperty(control.Object()), nullptr);

        ASSERT_EQ(control.Activate(), S_OK);
        EXPECT_EQ(control.Site().inPlaceActivations, 1);
        const HWND window = control.Window();
        ASSERT_TRUE(IsWindow(window));
        EXPECT_EQ(ReadHwndProperty(control.Object()), window);
        EXPECT_EQ(GetParent(window), parent.Get());
        EXPECT_TRUE(HasVisibleStyle(window));
        RECT rect{};
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, parent.Get(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, 10);
        EXPECT_EQ(rect.top, 10);
        EXPECT_EQ(rect.right - rect.left, 100);
        EXPECT_EQ(rect.bottom - rect.top, 50);

        // Hidden, the control keeps its window.
        EXPECT_EQ(control.Object()->DoVerb(OLEIVERB_HIDE, nullptr, &control.Site(), 0, parent.Get(), nullptr), S_OK);
        EXPECT_TRUE(IsWindow(window));
        EXPECT_FALSE(HasVisibleStyle(window));

        EXPECT_EQ(control.Object()->Close(OLECLOSE_NOSAVE), S_OK);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(control.Site().inPlaceDeactivations, 1);
        control.Close();
        EXPECT_EQ(control.Site().Refs(), 1) << "the control kept a reference to its site";
    }
}

TEST_F(ControlHostTest, ControlDrawsItselfInItsWindow) {
    TestWindow parent(nullptr, {50, 50, 250, 150}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HostedControl control(parent.Get(), {10, 10, 110, 60});
    const HWND window = control.Window();
    ASSERT_TRUE(window);
    const auto face = LoadFacePicture(library().Module());
    ASSERT_TRUE(face);

    // What the window paints on the screen.
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    PumpFor(100);
    Canvas screen(100, 50, RGB(1, 2, 3));
    screen.CaptureWindow(window);
    ExpectFaceOnLightGray(screen, *face, {0, 0, 100, 50}, "window on screen");

    // What it paints when asked to print its client area.
    Canvas printed(100, 50, RGB(1, 2, 3));
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT);
    ExpectFaceOnLightGray(printed, *face, {0, 0, 100, 50}, "WM_PRINTCLIENT");
}

TEST_F(ControlHostTest, DrawsThePictureAtTheTargetOriginOnLightGray) {
    const auto face = LoadFacePicture(library().Module());
    ASSERT_TRUE(face);
    ComPtr<IViewObject2> view;
    ASSERT_EQ(CoCreateInstance(kClipClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IViewObject2, view.PutVoid()), S_OK);

    const struct {
        int width, height;
        const char* what;
    } sizes[] = {{16, 16, "16 by 16: the picture's top-left part"}, {100, 50, "100 by 50: picture on light gray"}};
    for (const auto& size : sizes) {
        Canvas canvas(size.width, size.height, RGB(1, 2, 3));
        const RECTL bounds{0, 0, size.width, size.height};
        ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.Dc(), &bounds, nullptr, nullptr,
                             0),
                  S_OK);
        ExpectFaceOnLightGray(canvas, *face, {0, 0, size.width, size.height}, size.what);
    }

    // Bounds away from the origin: the fill covers the bounds, the picture still goes to
    // the target's origin, and nothing outside them changes.
    Canvas canvas(140, 80, RGB(1, 2, 3));
    const RECTL bounds{30, 20, 130, 70};
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.Dc(), &bounds, nullptr, nullptr, 0),
              S_OK);
    EXPECT_EQ(canvas.Pixel(0, 0), face->Pixel(0, 0));
    EXPECT_EQ(canvas.Pixel(23, 23), face->Pixel(23, 23));
    EXPECT_EQ(canvas.Pixel(24, 24), RGB(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(129, 69), kLightGray);
    EXPECT_EQ(canvas.Pixel(130, 70), RGB(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(29, 40), RGB(1, 2, 3));

    Canvas unused(8, 8, RGB(1, 2, 3));
    EXPECT_EQ(view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, unused.Dc(), &bounds, nullptr, nullptr, 0),
              DV_E_DVASPECT);
}

TEST_F(ControlHostTest, AtlControlHostCreatesActivatesAndDrawsTheControl) {
    HMODULE atl = LoadLibraryW(L"atl.dll");
    ASSERT_TRUE(atl) << "Wine's atl.dll is missing";
    auto init = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
    auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
        reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
    ASSERT_TRUE(init && getControl);
    ASSERT_TRUE(init());
    // atl.dll stays loaded: its window class outlives this test.

    const auto face = LoadFacePicture(library().Module());
    ASSERT_TRUE(face);
    TestWindow top(nullptr, {80, 80, 380, 280}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    // The host knows nothing of the control but its class id.
    HWND host = CreateWindowExW(0, L"AtlAxWin", kClipClsidText, WS_CHILD | WS_VISIBLE, 20, 30, 100, 50, top.Get(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(host);
    {
        ComPtr<IUnknown> control;
        ASSERT_EQ(getControl(host, control.Put()), S_OK);
        const HWND window = ReadHwndProperty(control.Get());
        ASSERT_TRUE(IsWindow(window)) << "the host did not activate the control";
        EXPECT_EQ(GetParent(window), host);
        EXPECT_TRUE(IsWindowVisible(window));

        UpdateWindow(top.Get());
        PumpFor(100);
        Canvas screen(100, 50, RGB(1, 2, 3));
        screen.CaptureWindow(window);
        ExpectFaceOnLightGray(screen, *face, {0, 0, 100, 50}, "control in AtlAxWin");

        // Events reach a sink connected to the hosted control.
        ComPtr<IConnectionPointContainer> points = control.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
        ComPtr<IConnectionPoint> point;
        ASSERT_EQ(points->FindConnectionPoint(kEventsIid, point.Put()), S_OK);
        auto sink = MakeComObject<EventSink>();
        DWORD cookie = 0;
        ASSERT_EQ(point->Advise(sink.Get(), &cookie), S_OK);
        ASSERT_EQ(CallMethod(control.Get(), kStartViewer), S_OK);
        PumpFor(50);
        sink->events = 0;
        ASSERT_TRUE(SetClipboardText(top.Get(), "hosted by ATL"));
        PumpFor(100);
        EXPECT_EQ(sink->events, 1);
        ASSERT_EQ(CallMethod(control.Get(), kStopViewer), S_OK);
        EXPECT_EQ(point->Unadvise(cookie), S_OK);
        EXPECT_EQ(sink->Refs(), 1);
    }
    // Destroying the host's window closes and releases the control.
    DestroyWindow(host);
    PumpMessages();
}

TEST_F(ControlHostTest, SavedStateIsSixteenBytes) {
    ComPtr<IPersistStreamInit> persist;
    ASSERT_EQ(CoCreateInstance(kClipClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistStreamInit, persist.PutVoid()),
              S_OK);
    ASSERT_EQ(persist->InitNew(), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    auto object = persist.As<IOleObject>(IID_IOleObject);
    SIZEL extent{100, 100};
    ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &extent), S_OK);
    extent = {635, 635};
    ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &extent), S_OK);
    ULARGE_INTEGER maximum{};
    EXPECT_EQ(persist->GetSizeMax(&maximum), S_OK);
    EXPECT_EQ(maximum.QuadPart, 16u);

    auto saved = [&]() {
        ComPtr<IStream> stream;
        EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
        EXPECT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
        STATSTG stat{};
        stream->Stat(&stat, STATFLAG_NONAME);
        std::vector<BYTE> bytes(static_cast<size_t>(stat.cbSize.QuadPart));
        LARGE_INTEGER start{};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        ULONG read = 0;
        stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
        return bytes;
    };
    EXPECT_EQ(persist->IsDirty(), S_OK);
    EXPECT_EQ(saved(), (std::vector<BYTE>{0x00, 0x00, 0x01, 0x00, 0x7B, 0x02, 0x00, 0x00, 0x7B, 0x02, 0x00, 0x00,
                                          0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(persist->IsDirty(), S_FALSE);

    // Another version stamp is accepted on load; the next save writes the current one.
    auto load = [&](const std::vector<BYTE>& bytes) {
        ComPtr<IStream> stream;
        CreateStreamOnHGlobal(nullptr, TRUE, stream.Put());
        stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
        LARGE_INTEGER start{};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        return persist->Load(stream.Get());
    };
    EXPECT_EQ(load({0x03, 0x00, 0x02, 0x00, 0xE8, 0x03, 0x00, 0x00, 0xF4, 0x01, 0x00, 0x00, 0, 0, 0, 0}), S_OK);
    SIZEL loaded{};
    object->GetExtent(DVASPECT_CONTENT, &loaded);
    EXPECT_EQ(loaded.cx, 1000);
    EXPECT_EQ(loaded.cy, 500);
    EXPECT_EQ(saved(), (std::vector<BYTE>{0x00, 0x00, 0x01, 0x00, 0xE8, 0x03, 0x00, 0x00, 0xF4, 0x01, 0x00, 0x00,
                                          0x00, 0x00, 0x00, 0x00}));

    // A short state is refused and changes nothing.
    EXPECT_TRUE(FAILED(load({0x00, 0x00, 0x01, 0x00, 0x10, 0x00, 0x00, 0x00})));
    object->GetExtent(DVASPECT_CONTENT, &loaded);
    EXPECT_EQ(loaded.cx, 1000);
}

// A property bag that keeps what it is given.
class MemoryPropertyBag final : public TestObject<IPropertyBag> {
public:
    std::vector<std::pair<std::wstring, LONG>> values;

    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        for (const auto& [key, number] : values) {
            if (key == name) {
                VariantInit(value);
                value->vt = VT_I4;
                value->lVal = number;
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override {
        VARIANT number;
        VariantInit(&number);
        if (FAILED(VariantChangeType(&number, value, 0, VT_I4))) return E_INVALIDARG;
        values.emplace_back(name, number.lVal);
        return S_OK;
    }

private:
    void* FindInterface(REFIID iid) override {
        return iid == IID_IPropertyBag ? static_cast<IPropertyBag*>(this) : nullptr;
    }
};

TEST_F(ControlHostTest, StateRoundTripsThroughPropertyBagAndStorage) {
    ComPtr<IOleObject> first;
    ComPtr<IOleObject> second;
    ASSERT_EQ(CoCreateInstance(kClipClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, first.PutVoid()), S_OK);
    ASSERT_EQ(CoCreateInstance(kClipClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, second.PutVoid()), S_OK);
    SIZEL extent{1234, 567};
    first->SetExtent(DVASPECT_CONTENT, &extent);

    auto bag = MakeComObject<MemoryPropertyBag>();
    ASSERT_EQ(first.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Save(bag.Get(), TRUE, TRUE), S_OK);
    EXPECT_EQ(bag->values, (std::vector<std::pair<std::wstring, LONG>>{
                               {L"_Version", 0x00010000}, {L"_ExtentX", 1234}, {L"_ExtentY", 567}, {L"_StockProps", 0}}));
    ASSERT_EQ(second.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Load(bag.Get(), nullptr), S_OK);
    SIZEL loaded{};
    second->GetExtent(DVASPECT_CONTENT, &loaded);
    EXPECT_EQ(loaded.cx, 1234);
    EXPECT_EQ(loaded.cy, 567);

    ComPtr<IStorage> storage;
    ASSERT_EQ(StgCreateDocfile(nullptr, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_DELETEONRELEASE, 0,
                               storage.Put()),
              S_OK);
    extent = {42, 24};
    first->SetExtent(DVASPECT_CONTENT, &extent);
    ASSERT_EQ(first.As<IPersistStorage>(IID_IPersistStorage)->Save(storage.Get(), FALSE), S_OK);
    ASSERT_EQ(second.As<IPersistStorage>(IID_IPersistStorage)->Load(storage.Get()), S_OK);
    second->GetExtent(DVASPECT_CONTENT, &loaded);
    EXPECT_EQ(loaded.cx, 42);
    EXPECT_EQ(loaded.cy, 24);
}

}  // namespace
}  // namespace cliptest
