#include <gtest/gtest.h>

#include "icon_layout.h"

namespace quill {
namespace {

TEST(IconLayout, MinimisedIconIsCentredWithTruncatingArithmetic) {
    EXPECT_EQ(CenteredIconOffset(36, 32), 2);
    EXPECT_EQ(CenteredIconOffset(31, 32), 0);
    EXPECT_EQ(CenteredIconOffset(30, 32), 0);
    EXPECT_EQ(CenteredIconOffset(20, 32), -5);
}

}  // namespace
}  // namespace quill
