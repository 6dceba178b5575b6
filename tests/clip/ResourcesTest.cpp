// The resources of CLIP.OCX: strings, the property page dialog, the two bitmaps, the
// type library and the version record, all in US English.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/clip/ClipTestSupport.h"

namespace cliptest {
namespace {

constexpr WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
// RT_DIALOG and RT_BITMAP as wide resource types: MAKEINTRESOURCEW(5) and (2) below.

class ResourcesTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library_.Loaded()); }

    // The raw bytes of a resource in US English; empty when there is none.
    std::vector<BYTE> Resource(LPCWSTR type, LPCWSTR name) const {
        HRSRC found = FindResourceExW(library_.Module(), type, name, kUsEnglish);
        if (!found) return {};
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(library_.Module(), found)));
        return std::vector<BYTE>(data, data + SizeofResource(library_.Module(), found));
    }

    ClipLibrary library_;
};

TEST_F(ResourcesTest, StringsNameTheClassesAndThePage) {
    const std::pair<UINT, const char*> strings[] = {{1, "Clip Control"}, {2, "Clip Property Page"}, {100, "General"}};
    for (const auto& [id, text] : strings) {
        char buffer[64] = {};
        LoadStringA(library_.Module(), id, buffer, sizeof(buffer));
        EXPECT_STREQ(buffer, text) << "string " << id;
    }
}

// A reader of a DLGTEMPLATE and its items.
class DialogReader {
public:
    explicit DialogReader(const std::vector<BYTE>& data) : data_(data) {}
    WORD Word() {
        const WORD value = static_cast<WORD>(data_[at_] | (data_[at_ + 1] << 8));
        at_ += 2;
        return value;
    }
    DWORD Dword() {
        const DWORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    // A string, or "#n" for an ordinal.
    std::string StringOrOrdinal() {
        if (data_[at_] == 0xFF && data_[at_ + 1] == 0xFF) {
            at_ += 2;
            return "#" + std::to_string(Word());
        }
        std::wstring text;
        while (const WORD c = Word()) text.push_back(static_cast<wchar_t>(c));
        return Narrow(text);
    }
    void AlignToDword() { at_ = (at_ + 3) & ~size_t{3}; }

private:
    const std::vector<BYTE>& data_;
    size_t at_ = 0;
};

TEST_F(ResourcesTest, PropertyPageDialogHasItsThreeControls) {
    const std::vector<BYTE> dialog = Resource(MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(100));
    ASSERT_FALSE(dialog.empty());
    DialogReader reader(dialog);
    const DWORD style = reader.Dword();
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
    EXPECT_TRUE(style & DS_SETFONT);
    reader.Dword();  // extended style
    const WORD items = reader.Word();
    ASSERT_EQ(items, 3);
    reader.Word();  // x
    reader.Word();  // y
    EXPECT_EQ(reader.Word(), 163);
    EXPECT_EQ(reader.Word(), 45);
    EXPECT_EQ(reader.StringOrOrdinal(), "");  // menu
    EXPECT_EQ(reader.StringOrOrdinal(), "");  // class
    EXPECT_EQ(reader.StringOrOrdinal(), "");  // no caption
    EXPECT_EQ(reader.Word(), 8);
    EXPECT_EQ(reader.StringOrOrdinal(), "MS Sans Serif");

    struct Item {
        std::string description;
        DWORD kind;
    };
    const Item expected[] = {
        {"7,27,149,11 #65535 There are no properties to set for this control.", SS_LEFT},
        {"7,7,15,14 #65535 #202", SS_BITMAP},
        {"30,10,56,10 #65535 Clip OLE Control", SS_LEFT},
    };
    for (const Item& item : expected) {
        reader.AlignToDword();
        const DWORD itemStyle = reader.Dword();
        reader.Dword();
        std::string description;
        for (int i = 0; i < 4; ++i) description += std::to_string(reader.Word()) + (i < 3 ? "," : "");
        description += " #" + std::to_string(reader.Word());
        const std::string windowClass = reader.StringOrOrdinal();
        description += " " + reader.StringOrOrdinal();
        const WORD extra = reader.Word();
        EXPECT_EQ(extra, 0);
        EXPECT_EQ(description, item.description);
        EXPECT_TRUE(windowClass == "#130" || windowClass == "STATIC" || windowClass == "Static") << windowClass;
        EXPECT_EQ(itemStyle & SS_TYPEMASK, item.kind) << item.description;
        EXPECT_TRUE(itemStyle & WS_VISIBLE);
    }
}

struct BitmapHeader {
    LONG width;
    LONG height;
    WORD bitCount;
    DWORD coloursUsed;
};

BitmapHeader HeaderOf(const std::vector<BYTE>& data) {
    BITMAPINFOHEADER header{};
    if (data.size() >= sizeof(header)) memcpy(&header, data.data(), sizeof(header));
    return {header.biWidth, header.biHeight, header.biBitCount, header.biClrUsed};
}

TEST_F(ResourcesTest, ToolboxBitmapIs16By16In16Colours) {
    const BitmapHeader header = HeaderOf(Resource(MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(1)));
    EXPECT_EQ(header.width, 16);
    EXPECT_EQ(header.height, 16);
    EXPECT_EQ(header.bitCount, 4);
    EXPECT_TRUE(header.coloursUsed == 0 || header.coloursUsed == 16);
}

TEST_F(ResourcesTest, FacePictureIsAClipboardInARaisedBorder) {
    const BitmapHeader header = HeaderOf(Resource(MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(202)));
    EXPECT_EQ(header.width, 24);
    EXPECT_EQ(header.height, 24);
    EXPECT_EQ(header.bitCount, 4);
    EXPECT_EQ(header.coloursUsed, 8u);

    const auto face = LoadFacePicture(library_.Module());
    ASSERT_TRUE(face);
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF black = RGB(0, 0, 0);
    for (int i = 0; i < 23; ++i) {
        EXPECT_EQ(face->Pixel(i, 0), white) << "top edge at " << i;
        EXPECT_EQ(face->Pixel(0, i), white) << "left edge at " << i;
    }
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(face->Pixel(i, 23), black) << "bottom edge at " << i;
        EXPECT_EQ(face->Pixel(23, i), black) << "right edge at " << i;
    }
    const struct {
        int x, y;
        COLORREF colour;
        const char* what;
    } samples[] = {
        {2, 12, RGB(192, 192, 192), "silver face"},  {4, 12, RGB(128, 128, 0), "olive board"},
        {10, 3, RGB(255, 255, 0), "yellow clip"},    {6, 12, RGB(0, 0, 128), "navy outline"},
        {12, 8, RGB(255, 255, 255), "white sheet"},
    };
    for (const auto& sample : samples)
        EXPECT_EQ(face->Pixel(sample.x, sample.y), sample.colour) << sample.what;
}

TEST_F(ResourcesTest, TypeLibraryIsBoundAsResource) {
    const std::vector<BYTE> typeLib = Resource(L"TYPELIB", MAKEINTRESOURCEW(1));
    ASSERT_GE(typeLib.size(), 4u);
    EXPECT_EQ(std::string(typeLib.begin(), typeLib.begin() + 4), "MSFT");
}

std::string VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), &value, &length)) return "<missing>";
    return Narrow(length ? std::wstring(static_cast<const wchar_t*>(value)) : std::wstring());
}

TEST_F(ResourcesTest, VersionRecordDescribesTheLibrary) {
    const std::wstring path = OcxPath();
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);

    EXPECT_EQ(VersionString(info, L"CompanyName"), "");
    EXPECT_EQ(VersionString(info, L"FileDescription"), "Clip OLE Control");
    EXPECT_EQ(VersionString(info, L"FileVersion"), "1, 0, 0, 1");
    EXPECT_EQ(VersionString(info, L"InternalName"), "CLIP");
    EXPECT_EQ(VersionString(info, L"OriginalFilename"), "CLIP.OCX");
    EXPECT_EQ(VersionString(info, L"ProductName"), "Clip OLE Control");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), "1, 0, 0, 1");
}

}  // namespace
}  // namespace cliptest
