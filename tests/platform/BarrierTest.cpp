// Every window procedure and COM method of ours stops exceptions at its barrier: a throw
// from a window's handler, a dialog's handler or a COM method becomes a reported message
// or an HRESULT, never an unwinding through user32 or the caller's COM frame.

#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>

#include "slotpad/platform/win32/ControlSite.h"
#include "win32/ComObject.h"
#include "win32/Failure.h"
#include "win32/WindowBase.h"

namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;

class ThrowingWindow final : public foundation::WindowBase {
public:
    ThrowingWindow() {
        created = CreateWindowOf(GetModuleHandleW(nullptr), {.name = L"SlotPadBarrierTest"}, L"barrier",
                                 {.style = WS_POPUP, .x = 0, .y = 0, .width = 10, .height = 10});
    }
    bool created = false;
    HWND boundAtCreate = nullptr;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE) boundAtCreate = hwnd_;
        if (message == kThrow) throw std::runtime_error("the handler gave up");
        if (message == kAnswer) return 42;
        return WindowBase::HandleMessage(message, wParam, lParam);
    }
};

TEST(WindowBaseTest, BindsTheProcedureToTheObjectFromCreationToDestruction) {
    ThrowingWindow window;
    ASSERT_TRUE(window.created);
    ASSERT_NE(window.hwnd(), nullptr);
    EXPECT_EQ(window.boundAtCreate, window.hwnd());
    EXPECT_EQ(SendMessageW(window.hwnd(), kAnswer, 0, 0), 42);
    DestroyWindow(window.hwnd());
    EXPECT_EQ(window.hwnd(), nullptr);
}

TEST(WindowBaseTest, AThrowInsideTheWindowProcedureStopsAtTheBarrier) {
    ThrowingWindow window;
    ASSERT_TRUE(window.created);
    EXPECT_EQ(SendMessageW(window.hwnd(), kThrow, 0, 0), 0);
    EXPECT_NE(foundation::LastReportedFailure().find("the handler gave up"), std::string::npos);
    // The window goes on working after the failure.
    EXPECT_EQ(SendMessageW(window.hwnd(), kAnswer, 0, 0), 42);
}

class OrphanChild final : public foundation::WindowBase {
public:
    // A child window needs a parent: CreateWindowExW refuses this one.
    OrphanChild() {
        created = CreateWindowOf(GetModuleHandleW(nullptr), {.name = L"SlotPadBarrierTest"}, L"orphan",
                                 {.style = WS_CHILD, .x = 0, .y = 0, .width = 10, .height = 10});
    }
    bool created = true;
};

TEST(WindowBaseTest, AWindowThatCannotBeMadeIsReportedNamingTheCall) {
    const OrphanChild window;
    EXPECT_FALSE(window.created);
    EXPECT_EQ(window.hwnd(), nullptr);
    EXPECT_NE(foundation::LastReportedFailure().find("CreateWindowExW failed"), std::string::npos)
        << foundation::LastReportedFailure();
}

TEST(FailureTest, AFailedCallIsNamedWithItsCodeAndCarriesTheCode) {
    try {
        foundation::CheckHr(E_INVALIDARG, "IStream::Read");
        FAIL() << "no exception";
    } catch (const foundation::Win32Failure& failure) {
        EXPECT_EQ(failure.code(), E_INVALIDARG);
        EXPECT_EQ(std::string(failure.what()).rfind("IStream::Read failed: 0x80070057", 0), 0u) << failure.what();
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_THROW(foundation::CheckLastError(static_cast<HANDLE>(nullptr), "CreateFileW"), foundation::Win32Failure);
}

// A COM method of a test object that fails the way its body says.
class Thrower final : public foundation::ComObject<IDispatch> {
public:
    explicit Thrower(int kind) : kind_(kind) {}
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return foundation::ComBarrier([&]() -> HRESULT {
            if (kind_ == 1) throw std::runtime_error("logic failed");
            if (kind_ == 2) throw std::bad_alloc();
            if (kind_ == 3) foundation::CheckHr(STG_E_MEDIUMFULL, "IStream::Write");
            return S_OK;
        });
    }

private:
    void* FindInterface(REFIID iid) override { return iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr; }
    int kind_;
};

TEST(ComBarrierTest, AThrowInsideACOMMethodBecomesAnHRESULT) {
    const struct {
        int kind;
        HRESULT expected;
    } cases[] = {{0, S_OK}, {1, E_UNEXPECTED}, {2, E_OUTOFMEMORY}, {3, STG_E_MEDIUMFULL}};
    for (const auto& c : cases) {
        const auto object = foundation::MakeComObject<Thrower>(c.kind);
        DISPPARAMS none{};
        EXPECT_EQ(object->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), c.expected)
            << "case " << c.kind;
    }
}

TEST(ComBarrierTest, TheProgramsEventHandlerCannotThrowIntoTheControl) {
    const IID events = {0x12345678, 0x1, 0x2, {0, 1, 2, 3, 4, 5, 6, 7}};
    const auto sink = foundation::MakeComObject<slotpad::win32::ClipEventSink>(
        events, [] { throw std::runtime_error("the program's handler failed"); });
    DISPPARAMS none{};
    EXPECT_EQ(sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), E_UNEXPECTED);
}

TEST(ComObjectTest, CountsItsLiveObjectsAndAnswersOnlyItsInterfaces) {
    const LONG before = foundation::LiveComObjects();
    {
        const auto object = foundation::MakeComObject<Thrower>(0);
        EXPECT_EQ(foundation::LiveComObjects(), before + 1);
        EXPECT_TRUE(object.As<IDispatch>(IID_IDispatch));
        EXPECT_TRUE(object.As<IUnknown>(IID_IUnknown));
        EXPECT_FALSE(object.As<IClassFactory>(IID_IClassFactory));
    }
    EXPECT_EQ(foundation::LiveComObjects(), before);
}

}  // namespace
