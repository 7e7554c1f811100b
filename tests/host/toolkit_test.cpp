// Installing toolkits and window systems, and what runs with none installed.
#include "host/toolkit.h"

#include <gtest/gtest.h>

#include "host/window_system.h"
#include "support/counting_toolkit.h"

namespace hueloom {
namespace {

TEST(ScopedToolkit, InstallsAndRestoresInNestedScopes) {
    DoEvents();  // none installed: nothing happens
    CountingToolkit outer, inner;
    {
        ScopedToolkit a(outer);
        DoEvents();
        {
            ScopedToolkit b(inner);
            DoEvents();
        }
        DoEvents();
    }
    DoEvents();
    EXPECT_EQ(outer.calls, 2);
    EXPECT_EQ(inner.calls, 1);
}

TEST(CurrentWindowSystem, WithNoneInstalledFindsNothing) {
    WindowSystem& none = CurrentWindowSystem();
    EXPECT_EQ(none.FindWindowA("frame", nullptr), 0u);
    EXPECT_EQ(none.FindWindowExA(0, 0, "area", nullptr), 0u);
    EXPECT_EQ(none.SendMessageA(0, kWmChar, 13, 0), 0);
}

}  // namespace
}  // namespace hueloom
