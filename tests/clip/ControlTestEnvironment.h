#pragma once
// The control tests' process-wide setup: OLE, and CLIP.OCX loaded and registered.

#include <gtest/gtest.h>

#include "tests/clip/ClipTestSupport.h"

namespace cliptest {

// The library under test; null before the environment is set up.
const ClipLibrary* Library();

// Every control test ends with nothing of the library left alive and no window of its
// own left in the clipboard viewer chain.
class ControlTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const ClipLibrary& library() const { return *Library(); }
};

}  // namespace cliptest
