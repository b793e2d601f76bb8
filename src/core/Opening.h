#pragma once
// Opening the files and web addresses the user asks for, through the opener service:
// one opener per file at a time, and the words that tell why an opening failed.

#include "core/Services.h"

#include <QString>
#include <functional>

// Opens the document (or web address) with the desktop's opener. While the opener of an
// earlier request for the same file is still within its wait, a request starts nothing
// and its 'done' is never called; once that outcome is known, a request opens it again.
void OpenDocumentOnce(const QString &path, IOpener::Done done);
void OpenUrlOnce(const QString &url, IOpener::Done done);
// The same for any opening, named by 'key' (the file the user chose): 'start' makes the
// service call with the Done it is given.
void OpenOnce(const QString &key, const std::function<void(IOpener::Done)> &start, IOpener::Done done);
// Whether the opener of that file (or address, or key) is still within its wait.
bool IsOpening(const QString &key);
// The program is ending: the outcomes still on their way are dropped; the programs
// started run on.
void AbandonOpenings();

// Why an opening failed, in the menus' language ("" for one that worked).
QString OpenFailureReason(const OpenOutcome &outcome);
// What a failure message adds after its own text: the file or address, and the reason.
QString OpenFailureDetail(const OpenOutcome &outcome, const QString &target);
