#include "window_race_services.h"

#include "int_conversion.h"
#include "message_box.h"
#include "runtime_error.h"

namespace window {

std::int16_t WindowRaceServices::toInt16(double value) {
    return runtime::toInt16(value);
}

void WindowRaceServices::announce(std::string_view text) {
    runtime::showMessageBox(window_,
                            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void WindowRaceServices::floatingPointFault(race::FloatFault fault) {
    switch (fault) {
    case race::FloatFault::DivisionByZero:
        runtime::raise(runtime::ErrorCode::DivisionByZero);
    case race::FloatFault::Overflow:
        runtime::raise(runtime::ErrorCode::Overflow);
    case race::FloatFault::Invalid:
        break;
    }
    runtime::raise(runtime::ErrorCode::InvalidArgument);
}

} // namespace window
