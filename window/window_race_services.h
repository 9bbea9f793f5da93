#pragma once

#include "race_services.h"
#include "random_generator.h"

class QWidget;

namespace window {

// The runtime's real services for a race run from the window: announcements are message boxes
// over it.
class WindowRaceServices : public race::RaceServices {
public:
    explicit WindowRaceServices(QWidget* window) : window_(window) {}

    void randomize() override { generator_.randomize(); }
    float nextRandom() override { return generator_.next(); }
    std::int16_t toInt16(double value) override;
    void announce(std::string_view text) override;
    [[noreturn]] void floatingPointFault(race::FloatFault fault) override;

private:
    QWidget* window_;
    runtime::RandomGenerator generator_;
};

} // namespace window
