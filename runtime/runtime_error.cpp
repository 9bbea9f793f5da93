#include "runtime_error.h"

#include "message_box.h"
#include "program_end.h"

#include <cstdio>

namespace runtime {
namespace {

const char* describe(ErrorCode code) {
    switch (code) {
    case ErrorCode::InvalidArgument:
        return "Invalid procedure call or argument";
    case ErrorCode::Overflow:
        return "Overflow";
    case ErrorCode::OutOfMemory:
        return "Out of memory";
    case ErrorCode::DivisionByZero:
        return "Division by zero";
    case ErrorCode::InternalError:
        return "Internal error";
    }
    return "Unknown error";
}

} // namespace

RuntimeError::RuntimeError(ErrorCode code) : std::runtime_error(describe(code)), code_(code) {}

QString RuntimeError::description() const {
    return QString::fromUtf8(describe(code_));
}

QString RuntimeError::report() const {
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(number()).arg(description());
}

void raise(ErrorCode code) {
    throw RuntimeError(code);
}

void reportAndEnd(const RuntimeError& error, QWidget* parent) {
    std::fprintf(stderr, "ZoomkinRace!: run-time error %d: %s\n", error.number(), error.what());
    showMessageBox(parent, error.report());
    endProgram(kRuntimeErrorExitStatus);
}

} // namespace runtime
