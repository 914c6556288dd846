#include <gtest/gtest.h>

#include "window/startup_warm_up.h"

namespace tallimer {
namespace {

// However start-up ends, the warm-up thread is let go and joined: dropping it without the
// application, or finishing twice, must neither hang nor leave it running.
TEST(StartupWarmUp, EndsWithOrWithoutTheApplicationPart) {
    for (const bool ready : {false, true}) {
        StartupWarmUp warmUp;
        if (ready) {
            warmUp.applicationReady();
            warmUp.finish();
        }
    }  // the destructor joins
    SUCCEED();
}

}  // namespace
}  // namespace tallimer
