#include "core/Opening.h"

#include "core/Messages.h"
#include "core/ProgramState.h"

#include <cstring>

namespace {
// A signal by its number and name: "11, SIGSEGV".
QString signalText(int signal)
{
    const char *name = sigabbrev_np(signal);
    return name ? QStringLiteral("%1, SIG%2").arg(signal).arg(QLatin1String(name)) : QString::number(signal);
}
} // namespace

void OpenOnce(const QString &key, const std::function<void(IOpener::Done)> &start, IOpener::Done done)
{
    if (IsOpening(key))
        return;
    openerWaits().Keys.append(key);
    // The file is free again before the caller hears of it, so that a failure being
    // reported does not hold up the next request.
    start([key, done = std::move(done)](const OpenOutcome &outcome) {
        openerWaits().Keys.removeOne(key);
        if (done)
            done(outcome);
    });
}

void OpenDocumentOnce(const QString &path, IOpener::Done done)
{
    OpenOnce(path, [path](IOpener::Done d) { services().opener->openDocument(path, std::move(d)); }, std::move(done));
}

void OpenUrlOnce(const QString &url, IOpener::Done done)
{
    OpenOnce(url, [url](IOpener::Done d) { services().opener->openUrl(url, std::move(d)); }, std::move(done));
}

bool IsOpening(const QString &key) { return openerWaits().Keys.contains(key); }

void AbandonOpenings()
{
    services().opener->abandon();
    openerWaits().Keys.clear();
}

QString OpenFailureReason(const OpenOutcome &outcome)
{
    const QString program = BoundedText(outcome.program, 100);
    switch (outcome.result) {
    case OpenOutcome::Opened: return QString();
    case OpenOutcome::NotStarted:
        return Lang(QStringLiteral("The program %1 is not installed or cannot be started."),
                    QStringLiteral("Το πρόγραμμα %1 δεν είναι εγκατεστημένο ή δεν μπορεί να ξεκινήσει."))
            .arg(program);
    case OpenOutcome::NoViewer:
        return Lang(QStringLiteral("No program is set to open this kind of file."),
                    QStringLiteral("Δεν έχει οριστεί πρόγραμμα για το άνοιγμα αυτού του είδους αρχείων."));
    case OpenOutcome::FileMissing:
        return Lang(QStringLiteral("The file was not found."), QStringLiteral("Το αρχείο δεν βρέθηκε."));
    case OpenOutcome::Signalled:
        return Lang(QStringLiteral("The program %1 ended abnormally (signal %2)."),
                    QStringLiteral("Το πρόγραμμα %1 τερμάτισε ανώμαλα (σήμα %2)."))
            .arg(program, signalText(outcome.exitCode));
    case OpenOutcome::ExitCode: break;
    }
    return Lang(QStringLiteral("The program %1 ended with exit code %2."),
                QStringLiteral("Το πρόγραμμα %1 τερμάτισε με κωδικό εξόδου %2."))
        .arg(program, QString::number(outcome.exitCode));
}

QString OpenFailureDetail(const OpenOutcome &outcome, const QString &target)
{
    return kCrLf + kCrLf + BoundedText(target) + kCrLf + OpenFailureReason(outcome);
}
