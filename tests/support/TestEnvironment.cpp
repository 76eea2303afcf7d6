// Every test program runs with the offscreen platform, in Amsterdam's time
// zone and with the C locale, whatever the shell that starts it has set.
#include <cstdlib>
#include <ctime>

namespace {

const bool environmentSet = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TZ", "Europe/Amsterdam", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    tzset();
    return true;
}();

} // namespace
