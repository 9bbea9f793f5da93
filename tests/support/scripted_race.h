#pragma once
// A scripted generator, a recording message box and a table of racers, for driving the race
// without a window.

#include "race_services.h"
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
    int flags;
};

class TableTrack : public race::Track {
public:
    explicit TableTrack(std::array<float, race::kRacerCount> start, int backedRacer = 0,
                        EventLog* log = nullptr)
        : positions(start), backed(backedRacer), log_(log) {}

    float position(int racer) const override {
        note("get" + std::to_string(racer));
        return positions.at(static_cast<std::size_t>(racer - 1));
    }
    void setPosition(int racer, float twips) override {
        note("set" + std::to_string(racer) + "=" + std::to_string(static_cast<long>(twips)));
        positions.at(static_cast<std::size_t>(racer - 1)) = twips;
    }
    bool isBacked(int racer) const override {
        note("pick" + std::to_string(racer));
        return racer == backed;
    }

    std::array<float, race::kRacerCount> positions;
    int backed; // roster position of the backed racer, 0 for none

private:
    void note(std::string event) const {
        if (log_)
            log_->push_back(std::move(event));
    }
    EventLog* log_;
};

class ScriptedServices : public race::RaceServices {
public:
    // Values are handed out in turn and the script starts over when it runs out.
    explicit ScriptedServices(std::vector<float> script, EventLog* log = nullptr)
        : script_(std::move(script)), log_(log) {}

    static ScriptedServices steps(std::vector<int> stepScript, EventLog* log = nullptr) {
        std::vector<float> randoms;
        for (int step : stepScript)
            randoms.push_back(randomForStep(step));
        return ScriptedServices(std::move(randoms), log);
    }

    void randomize() override {
        ++randomizeCalls;
        note("randomize");
    }
    float nextRandom() override {
        ++draws;
        note("rnd");
        const float value = script_.at(next_);
        next_ = (next_ + 1) % script_.size();
        return value;
    }
    std::int16_t toInt16(double value) override;
    void announce(std::string_view text) override {
        announcements.emplace_back(text);
        note("box:" + std::string(text));
        if (onAnnounce)
            onAnnounce();
    }
    [[noreturn]] void floatingPointFault(int flags) override { throw FloatingPointFault{flags}; }

    std::vector<std::string> announcements;
    std::function<void()> onAnnounce; // sees the racers where the boxes show them
    int randomizeCalls = 0;
    int draws = 0;

private:
    void note(std::string event) {
        if (log_)
            log_->push_back(std::move(event));
    }
    std::vector<float> script_;
    std::size_t next_ = 0;
    EventLog* log_;
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
