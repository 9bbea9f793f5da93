#include "scripted_race.h"

#include "int_conversion.h"
#include "message_box.h"

#include <QString>

namespace testing {

// The real conversion, so a scripted value out of range raises the real Overflow error.
std::int16_t CountingServices::toInt16(double value) {
    return runtime::toInt16(value);
}

void ScriptedStepsOnRealBoxes::announce(std::string_view text) {
    ScriptedServices::announce(text);
    runtime::showMessageBox(window_,
                            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace testing
