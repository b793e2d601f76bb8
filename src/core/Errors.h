#pragma once
// Run-time errors carry a classic error number and its text. Operating-system
// failures are mapped onto the same numbers so that every error tail treats them alike.

#include <QString>
#include <exception>
#include <functional>
#include <string>

// Error numbers the program raises or recognises.
namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int BadFileNameOrNumber = 52;
constexpr int FileNotFound = 53;
constexpr int FileAlreadyOpen = 55;
constexpr int DeviceIO = 57;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int BadFileName = 64;
constexpr int DeviceUnavailable = 68;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int PrinterError = 482;
constexpr int PrinterDriver = 483;
constexpr int PrinterInfo = 484;
constexpr int DialogCancel = 32755;
constexpr int DatabaseSyntax = static_cast<int>(0x80040E14);
} // namespace err

// The standard text of an error number ("File not found" for 53, ...).
QString ErrorText(int number);

class RuntimeError : public std::exception {
public:
    // 'advice' tells the user what to do about the error; its message ends with it.
    explicit RuntimeError(int number, QString text = QString(), QString advice = QString());
    int number() const { return m_number; }
    const QString &text() const { return m_text; }
    const QString &advice() const { return m_advice; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_text;
    QString m_advice;
    std::string m_what;
};

// Error 482 of a printer that cannot start a document because there is none: its advice,
// in the language of the menus, names File > Printer Setup, where a printer or a PDF
// file is chosen.
RuntimeError NoPrinterError();

// The exception being handled, as a run-time error: a RuntimeError as it is, out of
// memory (std::bad_alloc) as error 7 "Out of memory", any other exception as error 5.
// Call it only inside a catch block; every error tail uses it, so that no exception
// ends the program.
RuntimeError CurrentError();

// Maps an errno value to the classic number (a missing file 53, a path through a
// non-folder 76).
int ErrnoToError(int errnoValue);
// Throws the classic error for the current errno.
[[noreturn]] void ThrowErrno(int errnoValue, const QString &path = QString());

// Results of ErrorHandler, and what a caller does with them.
namespace errres {
constexpr int Retry = 0;     // run the failing statement again
constexpr int Next = 1;      // go on with the next statement
constexpr int Cancelled = 2; // set the cancel flag, go on with the next statement
constexpr int Leave = 3;     // leave the procedure
constexpr int Leave6 = 6;    // the database error: leave as well
} // namespace errres

// Classifies the error, logs and shows it when ShowMsg is true, and returns what the
// caller does next (errres above).
int ErrorHandler(bool ShowMsg, const RuntimeError &error);
// Error class of a number (0..6), as the handler uses it.
int ErrorClass(int number);

// Runs 'statement' under the error tail contract: any exception (CurrentError) goes to
// ErrorHandler(true); Retry runs the statement again. Returns -1 when the statement
// completed, otherwise the handler's answer (1, 2, 3 or 6).
int RunWithErrorTail(const std::function<void()> &statement, bool showMsg = true);
// One statement of a procedure with an error tail, run by RunWithErrorTail: true when
// the procedure goes on with its next statement (the statement completed, or the
// answer was 1 or 2; answer 2 also sets *cancelled), false when it must leave.
bool TailStatement(const std::function<void()> &statement, bool *cancelled = nullptr);
