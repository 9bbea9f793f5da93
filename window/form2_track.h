#pragma once

#include "image_control.h"
#include "option_button.h"
#include "race_services.h"
#include "roster.h"

#include <array>

namespace window {

// The race's view of the window: a racer's position is the Left of its picture, and it is backed
// while its option button is selected.
class Form2Track : public race::Track {
public:
    Form2Track(std::array<ImageControl*, race::kRacerCount> images,
               std::array<OptionButton*, race::kRacerCount> options)
        : images_(images), options_(options) {}

    float position(int racer) const override { return images_.at(index(racer))->left(); }
    void setPosition(int racer, float twips) override { images_.at(index(racer))->setLeft(twips); }
    bool isBacked(int racer) const override { return options_.at(index(racer))->value(); }

private:
    static std::size_t index(int racer) { return static_cast<std::size_t>(racer - 1); }
    std::array<ImageControl*, race::kRacerCount> images_;
    std::array<OptionButton*, race::kRacerCount> options_;
};

} // namespace window
