#pragma once

#include <QString>

#include <new>
#include <stdexcept>

class QWidget;

namespace runtime {

enum class ErrorCode {
    InvalidArgument = 5,
    Overflow = 6,
    OutOfMemory = 7,
    DivisionByZero = 11,
    InternalError = 51,
};

// A runtime error: no procedure of the game traps one; it is reported and ends the program.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorCode code);
    ErrorCode code() const { return code_; }
    int number() const { return static_cast<int>(code_); }
    QString description() const;
    QString report() const; // what the player is shown

private:
    ErrorCode code_;
};

[[noreturn]] void raise(ErrorCode code);

inline constexpr int kRuntimeErrorExitStatus = 1;

// Reports the error in a message box and ends the process at once: nothing else of the
// program runs after a runtime error.
[[noreturn]] void reportAndEnd(const RuntimeError& error, QWidget* parent);

// Runs one event procedure; an error escaping it is reported and ends the program. Nothing may
// unwind through Qt's event dispatch, so a stray C++ exception ends it the same way.
template <typename Procedure> void runProcedure(QWidget* window, Procedure&& procedure) {
    try {
        procedure();
    } catch (const RuntimeError& error) {
        reportAndEnd(error, window);
    } catch (const std::bad_alloc&) {
        reportAndEnd(RuntimeError(ErrorCode::OutOfMemory), window);
    } catch (const std::exception&) {
        reportAndEnd(RuntimeError(ErrorCode::InternalError), window);
    }
}

} // namespace runtime
