#pragma once
// Associates the project-file extension with the program for the current user, so that
// opening a project file on the desktop starts the program with it.

#include <QString>

// True for an extension the association accepts: one or more ASCII letters and digits.
// Anything else ("", "*", "K.VD") would give a pattern that claims other files.
bool IsAssociableExtension(const QString &Ext);

// Associates files ending in "." & Ext (any case) with the program AppPath & AppName
// and shows the outcome: the success message only when every step succeeded, else a
// message under TitleError naming the step that failed. A refused extension writes
// nothing. Returns true when the association was made.
bool AssociateFileType(const QString &AppPath, const QString &AppName, const QString &Ext);
