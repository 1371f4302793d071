// The fixture every unit test starts from: an empty desktop, the panel as at start and the
// window list as before the first capture.
#pragma once

#include "fakes/FakeForm1.h"
#include "fakes/FakeWindowSystem.h"
#include "window_groups/Module1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

class DesktopTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FakeWindowSystem::Reset();
        FakeForm1::Reset();
        Module1::WindowList.clear();
        Module1::WindowCount = 0;
        Module1::ParentWindow = 0;
    }

    // Whether each window is visible now, in the order given.
    static std::vector<bool> Visibility(const std::vector<WindowSystem::WindowHandle>& windows) {
        std::vector<bool> visible(windows.size());
        std::transform(windows.begin(), windows.end(), visible.begin(),
                       FakeWindowSystem::IsVisible);
        return visible;
    }

    // Every capture leaves exactly WindowCount + 1 elements.
    static void ExpectListInvariant() {
        EXPECT_EQ(Module1::WindowList.size(), static_cast<std::size_t>(Module1::WindowCount) + 1);
    }
};
