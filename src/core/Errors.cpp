#include "core/Errors.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"

#include <cerrno>
#include <new>

QString ErrorText(int number)
{
    switch (number) {
    case 3: return QStringLiteral("Return without GoSub");
    case 5: return QStringLiteral("Invalid procedure call or argument");
    case 6: return QStringLiteral("Overflow");
    case 7: return QStringLiteral("Out of memory");
    case 9: return QStringLiteral("Subscript out of range");
    case 11: return QStringLiteral("Division by zero");
    case 13: return QStringLiteral("Type mismatch");
    case 24: return QStringLiteral("Device timeout");
    case 25: return QStringLiteral("Device fault");
    case 27: return QStringLiteral("Out of paper");
    case 52: return QStringLiteral("Bad file name or number");
    case 53: return QStringLiteral("File not found");
    case 55: return QStringLiteral("File already open");
    case 57: return QStringLiteral("Device I/O error");
    case 58: return QStringLiteral("File already exists");
    case 61: return QStringLiteral("Disk full");
    case 62: return QStringLiteral("Input past end of file");
    case 64: return QStringLiteral("Bad file name");
    case 67: return QStringLiteral("Too many files");
    case 68: return QStringLiteral("Device unavailable");
    case 70: return QStringLiteral("Permission denied");
    case 71: return QStringLiteral("Disk not ready");
    case 72: return QStringLiteral("Disk-media error");
    case 75: return QStringLiteral("Path/File access error");
    case 76: return QStringLiteral("Path not found");
    case 482: return QStringLiteral("Printer error");
    case 483: return QStringLiteral("Printer driver does not support specified property");
    case 484: return QStringLiteral("Problem getting printer information from the system. Make sure the printer is set up correctly");
    case 32755: return QStringLiteral("Cancel was selected.");
    default:
        if (number == err::DatabaseSyntax)
            return QStringLiteral("Syntax error in query");
        return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError::RuntimeError(int number, QString text, QString advice)
    : m_number(number), m_text(text.isEmpty() ? ErrorText(number) : std::move(text)), m_advice(std::move(advice))
{
    m_what = QStringLiteral("%1: %2").arg(m_number).arg(m_text).toStdString();
}

RuntimeError NoPrinterError()
{
    return RuntimeError(err::PrinterError, QString(),
                        Lang(QStringLiteral("No printer is installed. A printer or a PDF file can be chosen in "
                                            "File > Printer Setup."),
                             QStringLiteral("Δεν υπάρχει εγκατεστημένος εκτυπωτής. Μπορείτε να επιλέξετε "
                                            "εκτυπωτή ή αρχείο PDF από το μενού Αρχείο > Ρύθμιση Εκτύπωτη.")));
}

RuntimeError CurrentError()
{
    try {
        throw;
    } catch (const RuntimeError &e) {
        return e;
    } catch (const std::bad_alloc &) {
        return RuntimeError(err::OutOfMemory);
    } catch (...) {
        return RuntimeError(err::InvalidCall);
    }
}

int ErrnoToError(int e)
{
    switch (e) {
    case ENOENT: return err::FileNotFound;
    case ENOTDIR: return err::PathNotFound;
    case ENOSPC:
    case EDQUOT: return err::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return err::PermissionDenied;
    case EISDIR:
    case EBUSY:
    case ETXTBSY: return err::PathFileAccess;
    case ENAMETOOLONG:
    case EINVAL: return err::BadFileName;
    case EMFILE:
    case ENFILE: return 67;
    case ENOMEM: return err::OutOfMemory;
    default: return err::DeviceIO;
    }
}

void ThrowErrno(int errnoValue, const QString &path)
{
    Q_UNUSED(path);
    throw RuntimeError(ErrnoToError(errnoValue));
}

int ErrorClass(int number)
{
    switch (number) {
    case 482: case 483: case 484: return 0;
    case 24: case 25: case 27: case 53: case 57: case 61: case 62: case 70: case 71: case 72: return 1;
    case 5: case 6: case 7: return 2;
    case 52: case 55: case 64: case 68: case 75: case 76: return 3;
    case 32755: return 5;
    default: return number == err::DatabaseSyntax ? 6 : 4;
    }
}

int ErrorHandler(bool ShowMsg, const RuntimeError &error)
{
    const int number = error.number();
    const int cls = ErrorClass(number);
    const QString text = error.text();
    if (ShowMsg) {
        if (cls == 5) {
            LogMessage(text);
        } else {
            // The number with its sign position: "Error  75:" for error 75.
            const QString num = number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
            LogMessage(QStringLiteral("Error ") + num + QLatin1Char(':') + text);
            QString msg = QStringLiteral("Error occurred: ") + text + QStringLiteral(" (") + QString::number(number) + QLatin1Char(')');
            if (cls > 1)
                msg += QStringLiteral(". Procedure Terminated");
            if (!error.advice().isEmpty())
                msg += QStringLiteral("\r\n\r\n") + error.advice();
            if (cls <= 1) {
                const int answer = ShowMessage(msg, mb::RetryCancel, messageState().TitleError);
                return answer == mb::Retry ? errres::Retry : errres::Next;
            }
            ShowMessage(msg, mb::OkOnly, messageState().TitleError);
        }
    }
    switch (cls) {
    case 0:
    case 1: return errres::Next;
    case 5: return errres::Cancelled;
    case 6: return errres::Leave6;
    default: return errres::Leave;
    }
}

int RunWithErrorTail(const std::function<void()> &statement, bool showMsg)
{
    for (;;) {
        try {
            statement();
            return -1;
        } catch (...) {
            const int r = ErrorHandler(showMsg, CurrentError());
            if (r != errres::Retry)
                return r;
        }
    }
}

bool TailStatement(const std::function<void()> &statement, bool *cancelled)
{
    switch (RunWithErrorTail(statement)) {
    case -1:
    case errres::Next: return true;
    case errres::Cancelled:
        if (cancelled)
            *cancelled = true;
        return true;
    default: return false;
    }
}
