#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace race {

// One racer of the fixed roster, with the names of the window controls that show it.
struct Racer {
    std::string_view name; // also the caption of its option button
    std::string_view image;
    std::string_view option;
    std::string_view cheerLabel;
    std::string_view cheer;
    std::string_view winMessage; // announced when it finishes and the player backed another
};

inline constexpr int kRacerCount = 4;

// Roster order: lanes top to bottom, options left to right, and the order of every per-racer
// step of a race.
inline constexpr std::array<Racer, kRacerCount> kRoster{{
    {"Dorvit", "imgDorvit", "optDor", "Label2", "Dor, Dor, Viiiiiiit!",
     "Dorvit won the Zoomkin Race!"},
    {"Marnox", "imgMarnox", "optMar", "Label3", "Marn, Marnox, Marn!!!",
     "Marnox won the Zoomkin Race!"},
    {"Rufta", "imgRufta", "optRuf", "Label4", "Rufta, Ruftaaaa!", "Rufta won the Zoomkin Race!"},
    {"Bazzle", "imgBazzle", "optBzl", "Label5", "Bazzle!", "Bazzle won the Zoomkin Race!"},
}};

inline constexpr std::string_view kYouWon = "You won the Zoomkin Race!";
inline constexpr std::string_view kTie = "The Zoomkin Race is a tie!";

// The racer at roster position 1 to 4; any other position throws std::out_of_range.
constexpr const Racer& racer(int position) {
    if (position < 1 || position > kRacerCount)
        throw std::out_of_range("no racer at that roster position");
    return kRoster[static_cast<std::size_t>(position - 1)];
}

} // namespace race
