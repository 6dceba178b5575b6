#pragma once
// In-memory windows of the three dialogs. Each keeps the state a real window would,
// logs the calls the logic makes (for tests of their order), and runs `whileShown`
// during Show_Modal as the user's actions.

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "slotpad/platform/AboutWindow.h"
#include "slotpad/platform/EditSelWindow.h"
#include "slotpad/platform/FontChooser.h"
#include "slotpad/platform/NumberFormat.h"
#include "slotpad/platform/OptionsWindow.h"

namespace slotpad::testing {

inline std::string Check_Name(OptionsCheckBox box) {
    switch (box) {
        case OptionsCheckBox::cDelWarn: return "cDelWarn";
        case OptionsCheckBox::cCase: return "cCase";
        case OptionsCheckBox::cToolTip: return "cToolTip";
    }
    return "?";
}

inline std::string Label_Name(OptionsFontLabel label) {
    return label == OptionsFontLabel::FontLabel ? "FontLabel" : "ToolLabel";
}

class FakeOptionsWindow : public OptionsWindow {
public:
    int news = -1;
    std::map<OptionsCheckBox, int> checks;
    std::map<OptionsFontLabel, FontFace> fonts;
    std::map<OptionsFontLabel, std::string> captions;
    std::optional<bool> descriptionRowEnabled;
    bool visible = false;
    int showings = 0;
    // Setters and getters the logic called, in order (reading a const window logs too).
    mutable std::vector<std::string> log;
    // What the label makes of a font set on it (a real label may round the size or
    // substitute the face); identity when empty.
    std::function<FontFace(const FontFace&)> realise;
    std::function<void(OptionsEvents&)> whileShown;

    void Set_News(int index) override {
        log.push_back("set News(" + std::to_string(index) + ")");
        news = index;
    }
    int News() const override {
        log.push_back("get News");
        return news;
    }
    void Set_Check(OptionsCheckBox box, int value) override {
        log.push_back("set " + Check_Name(box));
        checks[box] = value;
    }
    int Check(OptionsCheckBox box) const override {
        log.push_back("get " + Check_Name(box));
        const auto it = checks.find(box);
        return it == checks.end() ? 0 : it->second;
    }
    void Set_Label_Font(OptionsFontLabel label, const FontFace& font) override {
        log.push_back("set font " + Label_Name(label));
        fonts[label] = realise ? realise(font) : font;
    }
    FontFace Label_Font(OptionsFontLabel label) const override {
        log.push_back("get font " + Label_Name(label));
        const auto it = fonts.find(label);
        return it == fonts.end() ? FontFace{} : it->second;
    }
    void Set_Label_Caption(OptionsFontLabel label, const std::string& caption) override {
        log.push_back("set caption " + Label_Name(label));
        captions[label] = caption;
    }
    void Set_Description_Row_Enabled(bool enabled) override {
        log.push_back("set description row");
        descriptionRowEnabled = enabled;
    }
    void Show_Modal(OptionsEvents& events) override {
        ++showings;
        visible = true;
        if (whileShown) whileShown(events);
    }
    void Hide() override { visible = false; }

    // A click on a check box toggles its value before the event.
    void Click_Check(OptionsEvents& events, OptionsCheckBox box) {
        checks[box] = checks[box] == 1 ? 0 : 1;
        if (box == OptionsCheckBox::cToolTip) events.cToolTip_Click();
    }
};

class ScriptedFontChooser : public FontChooser {
public:
    std::vector<std::optional<FontFace>> answers;  // taken front first; nullopt cancels
    std::vector<FontFace> initials;

    std::optional<FontFace> Choose_Font(const FontFace& initial) override {
        initials.push_back(initial);
        if (answers.empty()) return std::nullopt;
        std::optional<FontFace> answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

class FixedNumberFormat : public NumberFormat {
public:
    std::string separator = ".";
    std::string Decimal_Separator() const override { return separator; }
};

class FakeEditSelWindow : public EditSelWindow {
public:
    std::map<EditSelControl, std::string> texts;
    std::map<EditSelControl, TwipsRect> placed;
    std::vector<EditSelControl> placeOrder;
    int clientWidth = 4710;
    int clientHeight = 3195;
    bool visible = false;
    int showings = 0;
    // Applied by Set_Text: what the box makes of a text it is given (a real box drops
    // what follows a NUL); identity when empty.
    std::function<std::string(const std::string&)> boxKeeps;
    std::function<void(EditSelEvents&)> whileShown;

    void Set_Text(EditSelControl box, const std::string& text) override {
        texts[box] = boxKeeps ? boxKeeps(text) : text;
    }
    std::string Text(EditSelControl box) const override {
        const auto it = texts.find(box);
        return it == texts.end() ? std::string() : it->second;
    }
    int Client_Width() const override { return clientWidth; }
    int Client_Height() const override { return clientHeight; }
    void Place(EditSelControl control, const TwipsRect& rect) override {
        placed[control] = rect;
        placeOrder.push_back(control);
    }
    void Show_Modal(EditSelEvents& events) override {
        ++showings;
        visible = true;
        if (whileShown) whileShown(events);
    }
    void Hide() override { visible = false; }

    // What a real box does with typing or a paste: asks, and applies only when allowed.
    bool Edit(EditSelEvents& events, EditSelControl box, const std::string& result) {
        if (!events.Accepts_Edit(box, result)) return false;
        texts[box] = result;
        return true;
    }
};

class FakeAboutWindow : public AboutWindow {
public:
    std::string caption = "About MyApp";
    std::map<AboutLabel, std::string> labels = {{AboutLabel::lblTitle, "Application Title"},
                                                {AboutLabel::lblVersion, "Version"},
                                                {AboutLabel::lblDescription, "App Description"},
                                                {AboutLabel::lblDisclaimer, "Warning: ..."}};
    std::vector<std::string> log;
    std::function<void(AboutEvents&)> whileShown;

    void Set_Caption(const std::string& text) override {
        log.push_back("caption");
        caption = text;
    }
    void Set_Label(AboutLabel label, const std::string& text) override {
        log.push_back(Name(label));
        labels[label] = text;
    }
    std::string Label(AboutLabel label) const override { return labels.at(label); }
    void Show_Modal(AboutEvents& events) override {
        events.Form_Load();
        if (whileShown) whileShown(events);
    }

    static std::string Name(AboutLabel label) {
        switch (label) {
            case AboutLabel::lblTitle: return "lblTitle";
            case AboutLabel::lblVersion: return "lblVersion";
            case AboutLabel::lblDescription: return "lblDescription";
            case AboutLabel::lblDisclaimer: return "lblDisclaimer";
        }
        return "?";
    }
};

}  // namespace slotpad::testing
