// Shared entry point of every test executable. GUI test executables get one
// QApplication, offscreen unless the caller chose a platform (screenshots under Xvfb).
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef KOVIA_TEST_WITH_QT
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef KOVIA_TEST_WITH_QT
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  QApplication app(argc, argv);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
