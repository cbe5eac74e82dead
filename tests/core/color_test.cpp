#include "core/color.h"

#include <gtest/gtest.h>

namespace kovia {
namespace {

TEST(ColorTest, PacksBlueInTheHighByteOfTheThree) {
  EXPECT_EQ(makeColor(0xFF, 0x00, 0x80), 0x008000FFu);  // the bound colour
  EXPECT_EQ(makeColor(0x00, 0x00, 0x80), colors::kNavy);
  EXPECT_EQ(redOf(colors::kBar), 0xFF);
  EXPECT_EQ(greenOf(0x0000FF00u), 0xFF);
  EXPECT_EQ(blueOf(colors::kBlue), 0xFF);
}

}  // namespace
}  // namespace kovia
