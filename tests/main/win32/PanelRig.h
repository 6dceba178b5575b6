#pragma once
// A slot panel rendered into a memory surface, with the slots it shows, for pixel tests
// under Wine; and a scoped colour scheme that puts the user's colours back afterwards.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "slotpad/main/panel/SlotPanel.h"
#include "slotpad/platform/win32/panel/Win32DrawingSurface.h"
#include "tests/main/PanelFakes.h"

namespace slotpad::testing {

struct PanelRig {
    explicit PanelRig(int clientWidth, const std::vector<std::string>& texts = {}) {
        window.clientWidth = clientWidth;
        window.clientHeight = 40;
        window.onResize = [this] { panel.Form_Resize(); };
        for (const std::string& text : texts) {
            int16_t node = NO_FREE_NODE;
            list.Insert_Node(SlotRecord{VB_FALSE, text, {}}, POS_BOTTOM, node);
            nodes.push_back(node);
        }
    }

    // Form_Load's part: sizes, frame height, sprites, then the first layout and paint.
    void Start() {
        panel.ResizeStuff();
        panel.NonClientHeight = static_cast<int16_t>(window.NonClientTwips());
        panel.Load_Pictures();
        panel.Form_Resize();
    }

    SlotRecord& Slot(int row) { return list.Nodes[nodes.at(row)].Slot; }
    void MakeCurrent(int row) { settings.CurSlot = nodes.at(row); }

    COLORREF At(int x, int y) const { return surface.PixelAt(x, y); }

    SlotList list;
    Settings settings;
    FormScreen screen;
    FakeMainWindow window{screen};
    win32::Win32DrawingSurface surface{window.clientWidth, window.clientHeight};
    SlotPanel panel{list, settings, window, screen, surface};
    std::vector<int16_t> nodes;
};

class ColorScheme {
public:
    explicit ColorScheme(const std::vector<std::pair<int, COLORREF>>& colors) {
        for (const auto& [index, color] : colors) {
            indices_.push_back(index);
            saved_.push_back(GetSysColor(index));
            wanted_.push_back(color);
        }
        SetSysColors(static_cast<int>(indices_.size()), indices_.data(), wanted_.data());
    }
    ~ColorScheme() { SetSysColors(static_cast<int>(indices_.size()), indices_.data(), saved_.data()); }
    ColorScheme(const ColorScheme&) = delete;
    ColorScheme& operator=(const ColorScheme&) = delete;

private:
    std::vector<INT> indices_;
    std::vector<COLORREF> saved_;
    std::vector<COLORREF> wanted_;
};

inline std::string Hex(COLORREF c) {
    char text[16];
    wsprintfA(text, "%06lx", static_cast<unsigned long>(c));
    return text;
}

}  // namespace slotpad::testing
