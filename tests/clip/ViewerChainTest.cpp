// The control in the clipboard viewer chain: one NewClipboardElement for each change,
// whoever makes it and whatever it holds; notifications passed on after the event; the
// chain repaired when windows leave; and the start, stop and destroy sequences.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <initializer_list>
#include <memory>
#include <thread>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/clip/ControlTestEnvironment.h"
#include "tests/clip/TestContainer.h"

namespace cliptest {
namespace {

using Log = std::vector<std::string>;

// A test window in the viewer chain that behaves as every member must, and writes what
// reaches it to a shared log: its name for a change, name + ":chain" for a chain change.
class ChainViewer {
public:
    ChainViewer(std::string name, Log& log)
        : name_(std::move(name)), log_(log),
          window_(nullptr, {0, 0, 10, 10}, WS_OVERLAPPED,
                  [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) { return Handle(message, wParam, lParam); }) {}
    ~ChainViewer() { Leave(); }
    ChainViewer(const ChainViewer&) = delete;
    ChainViewer& operator=(const ChainViewer&) = delete;

    void Join() {
        next = SetClipboardViewer(window_.Get());
        joined_ = true;
    }
    void Leave() {
        if (joined_) ChangeClipboardChain(window_.Get(), next);
        joined_ = false;
    }
    HWND Window() const { return window_.Get(); }
    const std::string& Name() const { return name_; }

    HWND next = nullptr;
    // When set, the notification goes on with these parameters instead of its own.
    std::optional<std::pair<WPARAM, LPARAM>> passOnWith;
    WPARAM lastWParam = 1;
    LPARAM lastLParam = 1;

private:
    std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_DRAWCLIPBOARD) {
            log_.push_back(name_);
            lastWParam = wParam;
            lastLParam = lParam;
            if (passOnWith) std::tie(wParam, lParam) = *passOnWith;
            if (next) SendMessageW(next, WM_DRAWCLIPBOARD, wParam, lParam);
            return 0;
        }
        if (message == WM_CHANGECBCHAIN) {
            log_.push_back(name_ + ":chain");
            if (reinterpret_cast<HWND>(wParam) == next)
                next = reinterpret_cast<HWND>(lParam);
            else if (next)
                SendMessageW(next, WM_CHANGECBCHAIN, wParam, lParam);
            return 0;
        }
        return std::nullopt;
    }

    std::string name_;
    Log& log_;
    bool joined_ = false;
    TestWindow window_;
};

class ViewerChainTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent_ = std::make_unique<TestWindow>(nullptr, RECT{0, 0, 200, 100}, WS_OVERLAPPEDWINDOW);
        sink_ = MakeComObject<EventSink>([this] {
            log_.push_back("event");
            if (onEvent_) onEvent_();
        });
    }
    void TearDown() override {
        onEvent_ = nullptr;
        viewers_.clear();
        control_.reset();
        parent_.reset();
        EXPECT_EQ(sink_->Refs(), 1) << "the control kept the event sink";
        sink_.Reset();
        ControlTest::TearDown();
    }

    HostedControl& MakeControl(bool activate = true) {
        control_ = std::make_unique<HostedControl>(parent_->Get(), RECT{0, 0, 24, 24}, activate);
        EXPECT_TRUE(control_->Created());
        EXPECT_NE(control_->Connect(sink_.Get()), 0u);
        return *control_;
    }
    ChainViewer& MakeViewer(const char* name) {
        viewers_.push_back(std::make_unique<ChainViewer>(name, log_));
        return *viewers_.back();
    }
    // Builds the chain from its tail to its head: each name is a viewer joining there, and
    // the control joins where kControl stands (kIdleControl: made there but not started;
    // kInactiveControl: made without a window). Then lets the joins settle.
    HostedControl& BuildChain(std::initializer_list<std::string_view> members) {
        HostedControl* control = nullptr;
        for (const std::string_view member : members) {
            if (member == kControl || member == kIdleControl || member == kInactiveControl) {
                control = &MakeControl(member != kInactiveControl);
                if (member == kControl) control->StartViewer();
            } else {
                MakeViewer(std::string(member).c_str()).Join();
            }
        }
        Settle();
        return *control;
    }
    ChainViewer& Viewer(std::string_view name) {
        for (const auto& viewer : viewers_) {
            if (viewer->Name() == name) return *viewer;
        }
        ADD_FAILURE() << "no viewer " << name;
        return *viewers_.front();
    }

    static constexpr std::string_view kControl = "[control]";
    static constexpr std::string_view kIdleControl = "[idle control]";
    static constexpr std::string_view kInactiveControl = "[inactive control]";
    // Lets joins and their notifications settle, then starts a fresh log.
    void Settle() {
        PumpFor(50);
        log_.clear();
    }
    Log ChangeClipboard(const char* text = "change") {
        log_.clear();
        EXPECT_TRUE(SetClipboardText(parent_->Get(), text));
        PumpFor(50);
        return log_;
    }

    std::unique_ptr<TestWindow> parent_;
    ComPtr<EventSink> sink_;
    std::function<void()> onEvent_;
    std::unique_ptr<HostedControl> control_;
    std::vector<std::unique_ptr<ChainViewer>> viewers_;
    Log log_;
};

struct ClipboardChange {
    const char* what;
    bool (*ownThread)(HWND owner);
    const wchar_t* writerArguments;
};

bool WriteText(HWND owner) { return SetClipboardText(owner, "some text"); }

const ClipboardChange kChanges[] = {
    {"text", &WriteText, L"text \"text from another program\""},
    {"a format that is not text", &SetClipboardBinary, L"binary"},
    {"an empty clipboard", &EmptyClipboardContents, L"empty"},
};

TEST_F(ViewerChainTest, EveryChangeRaisesExactlyOneEvent) {
    HostedControl& control = BuildChain({kControl});
    // The only viewer: the notification passed on to no window does nothing.
    for (const ClipboardChange& change : kChanges) {
        sink_->events = 0;
        ASSERT_TRUE(change.ownThread(parent_->Get())) << change.what;
        PumpFor(300);
        EXPECT_EQ(sink_->events, 1) << change.what << ", changed by this thread";

        sink_->events = 0;
        const std::wstring command = L"\"" + BinDir() + L"\\clip_clipboard_writer.exe\" " + change.writerArguments;
        ASSERT_EQ(RunProcess(command, 15000), std::optional<DWORD>(0)) << change.what;
        EXPECT_TRUE(PumpUntil([this] { return sink_->events >= 1; }, 5000)) << change.what;
        PumpFor(300);
        EXPECT_EQ(sink_->events, 1) << change.what << ", changed by another program";
    }
    control.StopViewer();
}

TEST_F(ViewerChainTest, NotificationPassesOnAfterTheEventWithBothParametersZero) {
    HostedControl& control = BuildChain({"T", kControl, "H"});
    ChainViewer& tail = Viewer("T");
    ChainViewer& head = Viewer("H");
    head.passOnWith = {{0x1234, 0x5678}};
    EXPECT_EQ(head.next, control.Window());

    EXPECT_EQ(ChangeClipboard(), (Log{"H", "event", "T"}));
    EXPECT_EQ(tail.lastWParam, 0u);
    EXPECT_EQ(tail.lastLParam, 0);

    log_.clear();
    const std::wstring command = L"\"" + BinDir() + L"\\clip_clipboard_writer.exe\" text chained";
    ASSERT_EQ(RunProcess(command, 15000), std::optional<DWORD>(0));
    PumpUntil([this] { return log_.size() >= 3; }, 5000);
    PumpFor(200);
    EXPECT_EQ(log_, (Log{"H", "event", "T"}));
}

TEST_F(ViewerChainTest, WindowsLeavingAfterTheControlAreRepairedOrPassedOn) {
    HostedControl& control = BuildChain({"T", "M", kControl, "H"});
    ChainViewer& tail = Viewer("T");
    ChainViewer& middle = Viewer("M");
    ASSERT_EQ(ChangeClipboard(), (Log{"H", "event", "M", "T"}));

    // The tail leaving is not the control's business: it passes the news on.
    log_.clear();
    tail.Leave();
    EXPECT_EQ(log_, (Log{"H:chain", "M:chain"}));
    EXPECT_EQ(middle.next, nullptr);
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "event", "M"}));

    // The window after the control leaving last: the control's successor becomes null,
    // and nothing is sent on.
    log_.clear();
    middle.Leave();
    EXPECT_EQ(log_, (Log{"H:chain"}));
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "event"}));
    control.StopViewer();
}

TEST_F(ViewerChainTest, WindowLeavingRightAfterTheControlIsReplacedByItsSuccessor) {
    HostedControl& control = BuildChain({"T", "M", kControl, "H"});
    ChainViewer& middle = Viewer("M");

    middle.Leave();
    EXPECT_EQ(log_, (Log{"H:chain"}));
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "event", "T"}));
    control.StopViewer();
}

TEST_F(ViewerChainTest, ControlLeavingRepairsTheChainForTheOthers) {
    HostedControl& control = BuildChain({"T", kControl, "H"});
    ChainViewer& tail = Viewer("T");
    ChainViewer& head = Viewer("H");

    control.StopViewer();
    EXPECT_EQ(log_, (Log{"H:chain"}));
    EXPECT_EQ(head.next, tail.Window());
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "T"}));

    // A second stop finds nothing to leave and tells nobody.
    log_.clear();
    control.StopViewer();
    PumpFor(50);
    EXPECT_TRUE(log_.empty());
}

TEST_F(ViewerChainTest, StopViewerBeforeStartViewerDoesNothing) {
    HostedControl& control = BuildChain({"T", "H", kIdleControl});
    log_.clear();
    control.StopViewer();
    PumpFor(50);
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "T"}));
}

TEST_F(ViewerChainTest, StartViewerTwiceJoinsOnce) {
    HostedControl& control = BuildChain({"T", kControl});
    ChainViewer& tail = Viewer("T");
    control.StartViewer();
    PumpFor(50);
    EXPECT_TRUE(log_.empty()) << "a second join would have been notified";
    EXPECT_EQ(GetClipboardViewer(), control.Window());
    EXPECT_EQ(ChangeClipboard(), (Log{"event", "T"}));
    control.StopViewer();
    EXPECT_EQ(GetClipboardViewer(), tail.Window());
}

TEST_F(ViewerChainTest, StartStopStartJoinsAgainBeforeTheNewHead) {
    ChainViewer& tail = MakeViewer("T");
    tail.Join();
    HostedControl& control = MakeControl();
    control.StartViewer();
    control.StopViewer();
    ChainViewer& head = MakeViewer("H");
    head.Join();
    Settle();
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "T"}));

    control.StartViewer();
    Settle();
    EXPECT_EQ(GetClipboardViewer(), control.Window());
    EXPECT_EQ(ChangeClipboard(), (Log{"event", "H", "T"}));
    control.StopViewer();
}

TEST_F(ViewerChainTest, DestroyingTheWindowWhileViewingLeavesTheChain) {
    HostedControl& control = BuildChain({"T", kControl, "H"});

    // Deactivation destroys the window.
    ASSERT_EQ(control.Object()->Close(OLECLOSE_NOSAVE), S_OK);
    EXPECT_EQ(log_, (Log{"H:chain"}));
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "T"}));

    // The count went back to zero: a new window joins again, before H.
    ASSERT_EQ(control.Activate(), S_OK);
    control.StartViewer();
    Settle();
    EXPECT_EQ(GetClipboardViewer(), control.Window());
    EXPECT_EQ(ChangeClipboard(), (Log{"event", "H", "T"}));
    control.StopViewer();
}

TEST_F(ViewerChainTest, DestroyingTheHostWindowTakesTheControlOutOfTheChain) {
    HostedControl& control = BuildChain({"T", kControl, "H"});

    parent_->Destroy();
    EXPECT_EQ(control.Window(), nullptr);
    EXPECT_EQ(log_, (Log{"H:chain"}));
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "T"}));
}

// The container destroys the window without deactivating the control: the control is no
// longer active in place, and activating it again makes a window that joins when asked.
TEST_F(ViewerChainTest, WindowDestroyedByTheContainerIsADeactivation) {
    ChainViewer& tail = MakeViewer("T");
    tail.Join();
    HostedControl& control = MakeControl();
    control.StartViewer();
    ChainViewer& head = MakeViewer("H");
    head.Join();
    Settle();

    ASSERT_TRUE(DestroyWindow(control.Window()));
    EXPECT_EQ(control.Site().inPlaceDeactivations, 1);
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "T"}));

    ASSERT_EQ(control.Activate(), S_OK);
    ASSERT_NE(control.Window(), nullptr);
    EXPECT_EQ(control.Site().inPlaceActivations, 2);
    control.StartViewer();
    Settle();
    EXPECT_EQ(GetClipboardViewer(), control.Window());
    EXPECT_EQ(ChangeClipboard(), (Log{"event", "H", "T"}));
    control.StopViewer();
}

// Stopped and then destroyed, the control must still join only once when it is
// activated and started again: a second join would make its window its own successor.
TEST_F(ViewerChainTest, StoppedThenDestroyedControlJoinsOnceWhenStartedAgain) {
    ChainViewer& tail = MakeViewer("T");
    tail.Join();
    HostedControl& control = MakeControl();
    control.StartViewer();
    control.StopViewer();
    ASSERT_EQ(control.Object()->Close(OLECLOSE_NOSAVE), S_OK);
    ASSERT_EQ(control.Activate(), S_OK);
    control.StartViewer();
    Settle();
    control.StartViewer();
    PumpFor(50);
    EXPECT_TRUE(log_.empty()) << "the control joined a second time";
    EXPECT_EQ(ChangeClipboard(), (Log{"event", "T"}));
    control.StopViewer();
    EXPECT_EQ(GetClipboardViewer(), tail.Window());
}

TEST_F(ViewerChainTest, StartViewerWithoutAWindowLeavesTheChainAlone) {
    HostedControl& control = BuildChain({"T", "H", kInactiveControl});
    ChainViewer& head = Viewer("H");
    control.StartViewer();
    PumpFor(50);
    EXPECT_EQ(GetClipboardViewer(), head.Window());
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "T"}));
    log_.clear();
    control.StopViewer();
    PumpFor(50);
    EXPECT_TRUE(log_.empty());
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "T"}));
}

TEST_F(ViewerChainTest, ChangeMadeByTheHandlerIsReportedBeforeTheFirstIsPassedOn) {
    HostedControl& control = BuildChain({"T", kControl});
    bool changed = false;
    onEvent_ = [&] {
        if (changed) return;
        changed = true;
        SetClipboardText(parent_->Get(), "written by the handler");
    };
    EXPECT_EQ(ChangeClipboard(), (Log{"event", "event", "T", "T"}));
    onEvent_ = nullptr;
    control.StopViewer();
}

// A viewer behind the control whose thread stops answering for a while: the control waits
// for it only briefly, both for a change and for a chain change, and goes on passing
// changes to it once it answers again.
TEST_F(ViewerChainTest, HungNextViewerHoldsTheControlUpOnlyBriefly) {
    constexpr DWORD kHangMs = 9000;
    HANDLE joinedEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE wakeEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> changesSeen{0};
    std::atomic<bool> done{false};
    ChainViewer& last = MakeViewer("X");
    last.Join();
    std::thread hung([&] {
        TestWindow window(nullptr, {0, 0, 10, 10}, WS_OVERLAPPED,
                          [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
                              if (message == WM_DRAWCLIPBOARD) ++changesSeen;
                              if (message == WM_DRAWCLIPBOARD || message == WM_CHANGECBCHAIN) return 0;
                              return std::nullopt;
                          });
        HWND next = SetClipboardViewer(window.Get());
        PumpFor(100);
        changesSeen = 0;
        SetEvent(joinedEvent);
        WaitForSingleObject(wakeEvent, kHangMs);  // no message is handled meanwhile
        PumpUntil([&] { return changesSeen > 0; }, 5000);
        ChangeClipboardChain(window.Get(), next);
        done = true;
    });
    ASSERT_EQ(WaitForSingleObject(joinedEvent, 5000), WAIT_OBJECT_0);
    HostedControl& control = MakeControl();
    control.StartViewer();
    ChainViewer& head = MakeViewer("H");
    head.Join();
    Settle();

    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(ChangeClipboard(), (Log{"H", "event"}));
    // A window after the hung one leaves: the chain change comes down to the control,
    // which passes it on to the hung viewer.
    log_.clear();
    last.Leave();
    EXPECT_EQ(log_, (Log{"H:chain"}));
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_LT(waited, std::chrono::milliseconds(4500)) << "the control waited for the hung viewer";
    EXPECT_EQ(changesSeen.load(), 0);

    // Once it answers again, it hears of changes as before.
    SetEvent(wakeEvent);
    PumpFor(200);
    ChangeClipboard();
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }, 10000));
    hung.join();
    EXPECT_GE(changesSeen.load(), 1) << "the viewer that was hung is no longer told of changes";
    control.StopViewer();
    CloseHandle(joinedEvent);
    CloseHandle(wakeEvent);
}

}  // namespace
}  // namespace cliptest
