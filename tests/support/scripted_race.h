#pragma once
// The race's services and track without a window, for the tests and the benchmarks alike: a
// table of racers, the real or a scripted generator, and a message box that counts or records
// what it is asked to show.

#include "race_services.h"
#include "random_generator.h"
#include "roster.h"

class QWidget;

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace testing {

// The generator value that draws the given step (10..59), safely inside its interval.
inline float randomForStep(int step) {
    return (static_cast<float>(step - 10) + 0.5f) / 50.0f;
}

// Everything the race did, in order: "get2", "set2=5160", "rnd", "randomize", "box:...".
using EventLog = std::vector<std::string>;

struct FloatingPointFault {
    race::FloatFault fault;
};

// A table of racers. The plain table does nothing else, so the benchmarks time the race alone.
class TableTrack : public race::Track {
public:
    explicit TableTrack(std::array<float, race::kRacerCount> start = {}, int backedRacer = 0)
        : positions(start), backed(backedRacer) {}

    // checked: a racer number off the roster throws instead of touching a neighbour
    float position(int racer) const override { return positions.at(index(racer)); }
    void setPosition(int racer, float twips) override { positions.at(index(racer)) = twips; }
    bool isBacked(int racer) const override { return racer == backed; }

    std::array<float, race::kRacerCount> positions;
    int backed; // roster position of the backed racer, 0 for none

private:
    static std::size_t index(int racer) { return static_cast<std::size_t>(racer - 1); }
};

// The same table, noting every read and write in a log.
class LoggedTrack : public TableTrack {
public:
    LoggedTrack(std::array<float, race::kRacerCount> start, EventLog& log)
        : TableTrack(start), log_(log) {}

    float position(int racer) const override {
        log_.push_back("get" + std::to_string(racer));
        return TableTrack::position(racer);
    }
    void setPosition(int racer, float twips) override {
        log_.push_back("set" + std::to_string(racer) + "=" +
                       std::to_string(static_cast<long>(twips)));
        TableTrack::setPosition(racer, twips);
    }
    bool isBacked(int racer) const override {
        log_.push_back("pick" + std::to_string(racer));
        return TableTrack::isBacked(racer);
    }

private:
    EventLog& log_;
};

// The runtime's own generator, reseeded from the clock at every race as in the game, and a
// message box that only counts: what the benchmarks race on, and what the tests' services add to.
class CountingServices : public race::RaceServices {
public:
    void randomize() override {
        ++randomizeCalls;
        generator_.randomize();
    }
    float nextRandom() override {
        ++draws;
        return generator_.next();
    }
    std::int16_t toInt16(double value) override;
    void announce(std::string_view) override { ++announced; }
    [[noreturn]] void floatingPointFault(race::FloatFault fault) override {
        throw FloatingPointFault{fault};
    }

    long randomizeCalls = 0;
    long draws = 0;     // a race draws one step per racer per turn
    long announced = 0; // message boxes shown

private:
    runtime::RandomGenerator generator_;
};

// Records every announcement; with a script, hands out its values in turn instead of the real
// generator's (starting over when it runs out); with a log, notes what it does there too.
class ScriptedServices : public CountingServices {
public:
    ScriptedServices() = default; // the real generator
    explicit ScriptedServices(std::vector<float> script, EventLog* log = nullptr)
        : script_(std::move(script)), log_(log) {}

    static ScriptedServices steps(std::vector<int> stepScript, EventLog* log = nullptr) {
        std::vector<float> randoms;
        for (int step : stepScript)
            randoms.push_back(randomForStep(step));
        return ScriptedServices(std::move(randoms), log);
    }

    void randomize() override {
        CountingServices::randomize();
        note("randomize");
    }
    float nextRandom() override {
        note("rnd");
        if (script_.empty())
            return CountingServices::nextRandom();
        ++draws;
        const float value = script_.at(next_);
        next_ = (next_ + 1) % script_.size();
        return value;
    }
    void announce(std::string_view text) override {
        CountingServices::announce(text);
        announcements.emplace_back(text);
        note("box:" + std::string(text));
        if (onAnnounce)
            onAnnounce();
    }

    std::vector<std::string> announcements;
    std::function<void()> onAnnounce; // sees the racers where the boxes show them

private:
    void note(std::string event) {
        if (log_)
            log_->push_back(std::move(event));
    }
    std::vector<float> script_;
    std::size_t next_ = 0;
    EventLog* log_ = nullptr;
};

// A scripted generator whose announcements are the real message boxes over the window.
class ScriptedStepsOnRealBoxes : public ScriptedServices {
public:
    ScriptedStepsOnRealBoxes(QWidget* window, std::vector<int> steps)
        : ScriptedServices(ScriptedServices::steps(std::move(steps))), window_(window) {}
    void announce(std::string_view text) override;

private:
    QWidget* window_;
};

} // namespace testing
