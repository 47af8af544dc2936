#include <gtest/gtest.h>

#include "text/text.h"

namespace nalvic {
namespace {

TEST(TextLength, CountsBytes) { EXPECT_EQ(textLength("\xD6\xD0" "a"), 3); }

}  // namespace
}  // namespace nalvic
