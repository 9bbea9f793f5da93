#pragma once

#include <cstdint>
#include <string_view>

namespace race {

// Whatever shows the racers: the window's pictures and option buttons, or a test's table.
// Racers are named by roster position 1 to 4.
class Track {
public:
    virtual ~Track() = default;
    virtual float position(int racer) const = 0; // twips from the left edge; 0 is the finish
    virtual void setPosition(int racer, float twips) = 0;
    virtual bool isBacked(int racer) const = 0;
};

// The floating-point faults a race checks its arithmetic for.
enum class FloatFault { Invalid, DivisionByZero, Overflow };

// The services a race takes from the program's runtime.
class RaceServices {
public:
    virtual ~RaceServices() = default;
    virtual void randomize() = 0;                     // reseed the generator from the clock
    virtual float nextRandom() = 0;                   // 0 <= r < 1
    virtual std::int16_t toInt16(double value) = 0;   // floor; out of range is a runtime error
    virtual void announce(std::string_view text) = 0; // modal; returns once the player closed it
    // A floating-point fault ends the program.
    [[noreturn]] virtual void floatingPointFault(FloatFault fault) = 0;
};

} // namespace race
