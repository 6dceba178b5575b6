#include "tests/clip/ControlTestEnvironment.h"

#include <memory>

namespace cliptest {

namespace {

std::unique_ptr<ClipLibrary> library;

class ControlEnvironment final : public testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(OleInitialize(nullptr), S_OK);
        library = std::make_unique<ClipLibrary>();
        ASSERT_TRUE(library->Loaded()) << "CLIP.OCX not found beside the test";
        ASSERT_EQ(library->Register(), S_OK);
    }
    void TearDown() override {
        if (library && library->Loaded()) {
            EXPECT_EQ(library->Unregister(), S_OK);
        }
        library.reset();
        OleUninitialize();
    }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ControlEnvironment);

}  // namespace

const ClipLibrary* Library() { return library.get(); }

void ControlTest::SetUp() {
    ASSERT_TRUE(Library() && Library()->Loaded());
    ASSERT_EQ(GetClipboardViewer(), nullptr) << "a viewer was left in the chain";
}

void ControlTest::TearDown() {
    PumpMessages();
    EXPECT_EQ(Library()->CanUnloadNow(), S_OK) << "an object of the library is still alive";
    EXPECT_EQ(GetClipboardViewer(), nullptr) << "a viewer was left in the chain";
}

}  // namespace cliptest
