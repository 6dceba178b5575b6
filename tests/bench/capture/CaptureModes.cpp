#include "tests/bench/capture/CaptureModes.h"

#include <algorithm>
#include <cstring>

#include "tests/bench/capture/ViewerSession.h"
#include "tests/support/win32/Desktop.h"

namespace slotpad::bench {

namespace {

// A save after each of these writes shows whether SlotPad had placed the text by the time
// the change came through to the chain tail.
constexpr int kStepCheckedWrites = 12;

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    if (window) GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::vector<double> Rates(const ModeResult& r) {
    std::vector<double> rates;
    for (const Round& round : r.Rounds) rates.push_back(round.Seconds > 0 ? r.WritesPerRound / round.Seconds : 0);
    std::sort(rates.begin(), rates.end());
    return rates;
}

ModeResult Failed(ModeResult result, const std::string& why) {
    result.Verified = false;
    result.Detail = why;
    return result;
}

bool SendTo(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, message, wParam, 0, SMTO_NORMAL, 15000, &ignored) != 0;
}

}  // namespace

std::vector<std::string> Serials::Texts(const TextKind& kind, int count) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) texts.push_back(kind.Make(Next()));
    return texts;
}

double ModeResult::MedianRate() const {
    const auto rates = Rates(*this);
    return rates.empty() ? 0 : rates[rates.size() / 2];
}
double ModeResult::MinRate() const {
    const auto rates = Rates(*this);
    return rates.empty() ? 0 : rates.front();
}
double ModeResult::MaxRate() const {
    const auto rates = Rates(*this);
    return rates.empty() ? 0 : rates.back();
}
double ModeResult::MedianSeconds() const {
    std::vector<double> seconds;
    for (const Round& round : Rounds) seconds.push_back(round.Seconds);
    std::sort(seconds.begin(), seconds.end());
    return seconds.empty() ? 0 : seconds[seconds.size() / 2];
}

ModeResult RunWithoutViewer(const TextKind& kind, int rounds, Serials& serials) {
    ModeResult result;
    result.Mode = "no viewer";
    result.WritesPerRound = kind.WritesPerRound;
    if (GetClipboardViewer()) return Failed(result, "another program is in the clipboard viewer chain");
    TimedRound(serials.Texts(kind, kind.WarmUpWrites), nullptr);
    for (int r = 0; r < rounds; ++r) result.Rounds.push_back(TimedRound(serials.Texts(kind, kind.WritesPerRound), nullptr));
    if (GetClipboardViewer()) return Failed(result, "another program joined the clipboard viewer chain");
    return result;
}

ModeResult RunMinimalViewer(const TextKind& kind, int rounds, Serials& serials) {
    ModeResult result;
    result.Mode = "minimal viewer";
    result.WritesPerRound = kind.WritesPerRound;
    if (GetClipboardViewer()) return Failed(result, "another program is in the clipboard viewer chain");
    if (!ClearClipboard()) return Failed(result, "could not empty the clipboard");
    ChainTail tail;
    if (!tail.Window()) return Failed(result, "could not join the clipboard viewer chain");
    ViewerSession viewer;
    HWND window = viewer.Window();
    if (!window) return Failed(result, "the minimal viewer did not start");
    if (GetClipboardViewer() != window) return Failed(result, "the minimal viewer is not at the head of the chain");

    const ViewerReport& report = viewer.Report();
    long checked = 0, inStep = 0;
    std::string firstMiss;
    // Whether the viewer had handled write i, and read its text, when the change came through.
    auto checkAll = [&](const std::vector<std::string>& texts, LONG before) {
        return [&, before](size_t i) {
            ++checked;
            const std::string& text = texts[i];
            const size_t tailBytes = std::min(text.size(), sizeof(report.LastTail) - 1);
            const bool ok = report.Changes == before + static_cast<LONG>(i) + 1 &&
                            report.LastLength == static_cast<LONG>(text.size()) &&
                            std::memcmp(report.LastTail, text.data() + text.size() - tailBytes, tailBytes) == 0;
            if (ok) {
                ++inStep;
            } else if (firstMiss.empty()) {
                firstMiss = "write " + std::to_string(checked) + ": the viewer had seen " +
                            std::to_string(report.Changes - before) + " of " + std::to_string(i + 1) +
                            " changes, the last one " + std::to_string(report.LastLength) + " bytes long";
            }
        };
    };
    const auto warmUp = serials.Texts(kind, kind.WarmUpWrites);
    if (!TimedRound(warmUp, &tail, checkAll(warmUp, report.Changes)).Completed)
        return Failed(result, "changes stopped coming through the minimal viewer");
    for (int r = 0; r < rounds; ++r) {
        const auto texts = serials.Texts(kind, kind.WritesPerRound);
        result.Rounds.push_back(TimedRound(texts, &tail, checkAll(texts, report.Changes)));
        if (!result.Rounds.back().Completed) return Failed(result, "changes stopped coming through the minimal viewer");
    }
    if (report.NextViewer != reinterpret_cast<LONG_PTR>(tail.Window()) || tail.OthersBehind())
        return Failed(result, "another viewer joined the chain");
    const auto exitCode = viewer.Close();
    if (exitCode != std::optional<DWORD>(0u)) return Failed(result, "the minimal viewer did not end cleanly");

    result.Verified = inStep == checked;
    result.Detail = std::to_string(inStep) + " of " + std::to_string(checked) +
                    " writes read by the viewer, with their text, when they came through";
    if (!firstMiss.empty()) result.Detail += "; first miss at " + firstMiss;
    return result;
}

ModeResult RunSlotPad(const SlotPadInstall& install, const SlotPadSetup& setup, const TextKind& kind, int rounds,
                      Serials& serials) {
    ModeResult result;
    result.Mode = setup.Mode;
    result.WritesPerRound = kind.WritesPerRound;
    if (!install.Seed(setup.Seed, setup.IgnoreCase)) return Failed(result, "could not write SlotPad.ini");
    if (GetClipboardViewer()) return Failed(result, "another program is in the clipboard viewer chain");
    if (!ClearClipboard()) return Failed(result, "could not empty the clipboard");
    ChainTail tail;
    if (!tail.Window()) return Failed(result, "could not join the clipboard viewer chain");

    e2e::Process slotPad(install.Exe(), L"", install.Folder());
    if (!slotPad.Started() || !WaitIdleLettingMessagesThrough(slotPad, 20000))
        return Failed(result, "SlotPad did not start");
    HWND window = e2e::FindWindowOf(slotPad.Id(), L"SlotPadMain", 5000);
    if (!window) return Failed(result, "SlotPad's window did not appear");
    if (ProcessOf(GetClipboardViewer()) != slotPad.Id())
        return Failed(result, "SlotPad's control is not at the head of the viewer chain");
    if (setup.ShowPanel) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        RoundTrip(window);
        e2e::PumpFor(300);
        if (!IsWindowVisible(window)) return Failed(result, "SlotPad's window could not be shown");
    }

    SlotsInOrder expected = setup.Seed;
    auto place = [&expected](const std::vector<std::string>& texts) {
        for (const std::string& text : texts) PlaceNext(expected, text);
    };
    // The close box saves: what the file then holds against what the placement model says.
    auto savedDifference = [&]() -> std::optional<std::string> {
        if (!SendTo(window, WM_SYSCOMMAND, SC_CLOSE)) return std::nullopt;
        const auto saved = install.Saved();
        return saved ? FirstDifference(expected, *saved) : std::string("nothing saved");
    };
    auto resync = [&] {
        if (const auto saved = install.Saved()) expected = *saved;
    };

    const auto warmUp = serials.Texts(kind, kind.WarmUpWrites);
    if (!TimedRound(warmUp, &tail).Completed) return Failed(result, "changes stopped coming through SlotPad");
    place(warmUp);
    for (int r = 0; r < rounds; ++r) {
        const auto texts = serials.Texts(kind, kind.WritesPerRound);
        result.Rounds.push_back(TimedRound(texts, &tail));
        if (!result.Rounds.back().Completed) return Failed(result, "changes stopped coming through SlotPad");
        place(texts);
    }
    if (ProcessOf(GetClipboardViewer()) != slotPad.Id() || tail.OthersBehind())
        return Failed(result, "another program joined the clipboard viewer chain");
    const auto afterRounds = savedDifference();
    if (!afterRounds) return Failed(result, "SlotPad stopped answering");
    if (!afterRounds->empty()) resync();

    // Write by write: the file saved as soon as the change came through must hold the text.
    int inStep = 0;
    std::string firstMiss;
    for (int i = 0; i < kStepCheckedWrites; ++i) {
        const std::string text = kind.Make(serials.Next());
        const LONG before = tail.Changes();
        e2e::CopyFromThisProcess(text);
        if (!tail.WaitFor(before + 1, 10000)) return Failed(result, "changes stopped coming through SlotPad");
        PlaceNext(expected, text);
        const auto difference = savedDifference();
        if (!difference) return Failed(result, "SlotPad stopped answering");
        if (difference->empty()) {
            ++inStep;
        } else {
            if (firstMiss.empty()) firstMiss = "write " + std::to_string(i + 1) + ": " + *difference;
            resync();  // so that each later write is judged on its own
        }
    }

    // The peak so far covers start-up, every capture and a save after each further write.
    result.Memory = MemoryOf(slotPad.Id());
    SendTo(window, WM_CLOSE, 0);
    const auto exitCode = slotPad.Wait(15000);
    if (exitCode != std::optional<DWORD>(0u)) return Failed(result, "SlotPad did not exit with code 0 on WM_CLOSE");
    const auto saved = install.Saved();
    const std::string atExit = saved ? FirstDifference(expected, *saved) : "SlotPad.ini holds no slots";

    result.Verified = afterRounds->empty() && firstMiss.empty() && atExit.empty();
    const std::string slots = std::to_string(expected.Texts.size());
    result.Detail = afterRounds->empty()
                        ? "after the timed rounds the " + slots + " slots held the last texts in placement order"
                        : "after the timed rounds: " + *afterRounds;
    result.Detail += "; " + std::to_string(inStep) + " of " + std::to_string(kStepCheckedWrites) +
                     " further writes in place when saved as soon as they came through";
    if (!firstMiss.empty()) result.Detail += " (first miss: " + firstMiss + ")";
    result.Detail += atExit.empty() ? "; saved at exit as expected" : "; at exit: " + atExit;
    return result;
}

}  // namespace slotpad::bench
