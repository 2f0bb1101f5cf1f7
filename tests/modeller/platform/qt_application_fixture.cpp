// One application object for all tests of this program; Qt needs it before any widget exists.
#include "modeller/platform/application.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<platform::Application>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<platform::Application> app_;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
