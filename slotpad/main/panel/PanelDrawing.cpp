#include "slotpad/main/panel/PanelDrawing.h"

#include "slotpad/main/panel/PanelColors.h"
#include "slotpad/main/panel/PanelGeometry.h"

namespace slotpad {

using namespace panel;

void Draw_Button(Canvas& Target, int16_t X, int16_t Y, int16_t W, int16_t H, int16_t Pressed,
                 const Picture& Pic) {
    const PixelRect edge{X, Y, X + W + 1, Y + H + 1};
    if (Pressed != 1) {
        Target.FillBox(edge, COLOR_REF_BTNFACE);
        Target.Edge(edge, EdgeStyle::Raised);
        Target.DrawPicture(Pic, X + ICON_RAISED_OFFSET, Y + ICON_RAISED_OFFSET, ICON_SIZE, ICON_SIZE);
        return;
    }
    // 45-degree lines up and to the right, alternating colours, so that inside the
    // two-pixel frame a pixel is COLOR_3DHIGHLIGHT when its x + y (relative to the
    // button) is even and COLOR_3DLIGHT when odd. The first run starts the diagonals on
    // the left side, the second on the bottom; their ends fall on the frame, which the
    // sunken edge covers.
    for (int i = 2; i <= H - 2; i += 2) {
        Target.Line(X + 2, Y + i, X + i + 1, Y + 1, COLOR_REF_3DHIGHLIGHT);
        Target.Line(X + 2, Y + i + 1, X + i + 2, Y + 1, COLOR_REF_3DLIGHT);
    }
    for (int j = 2; j <= W - 2; j += 2) {
        Target.Line(X + j, Y + H - 2, X + H - 1, Y + j - 1, COLOR_REF_3DHIGHLIGHT);
        Target.Line(X + j + 1, Y + H - 2, X + H - 1, Y + j, COLOR_REF_3DLIGHT);
    }
    Target.Edge(edge, EdgeStyle::Sunken);
    Target.DrawPicture(Pic, X + ICON_PRESSED_OFFSET, Y + ICON_PRESSED_OFFSET, ICON_SIZE, ICON_SIZE);
}

void Draw_Field(Canvas& Target, int16_t X, int16_t Y, int16_t W, int16_t H, ColorRef Color) {
    const PixelRect box{X, Y, X + W + 1, Y + H + 1};
    Target.FillBox(box, Color);
    Target.Edge(box, EdgeStyle::Sunken);
}

}  // namespace slotpad
