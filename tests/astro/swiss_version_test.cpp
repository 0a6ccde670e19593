// Every build computes with the same Swiss Ephemeris release: Linux links Debian's libswe, Windows
// and the web page compile the library's sources, and a different release there would move the
// modern charts away from the recorded ones.
#include <gtest/gtest.h>

#include <string>

#include "astro/swiss_ephemeris.h"

namespace kalodaya {
namespace {

// Debian marks its build of the release ("2.10.03-deb1"); the sources say "2.10.03".
TEST(SwissVersion, IsTheReleaseEveryBuildLinks) {
    EXPECT_EQ(std::string(SwissVersion()).substr(0, 7), "2.10.03");
}

}  // namespace
}  // namespace kalodaya
