// One application object for the tests of this program: the engine process and the windows of the
// simulation run need it.
#include "modeller/platform/application.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "engine_input_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<platform::Application>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<platform::Application> app_;
};

[[maybe_unused]] auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
