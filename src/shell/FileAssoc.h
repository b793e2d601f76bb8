#pragma once
// Associates the project-file extension with the program for the current user, so that
// opening a project file on the desktop starts the program with it.

#include <QString>

// The longest extension a desktop's file-name pattern takes.
constexpr int kMaxExtensionLength = 16;

// True for an extension the association accepts: 1 to 16 ASCII letters and digits.
// Anything else ("", "*", "K.VD") would give a pattern that claims other files.
bool IsAssociableExtension(const QString &Ext);

// Associates files ending in "." & Ext (any case) with the program AppPath & AppName
// and shows the outcome: the success message only when every step succeeded, else a
// message under TitleError naming the step that failed. A refused extension writes
// nothing. Returns true when the association was made.
bool AssociateFileType(const QString &AppPath, const QString &AppName, const QString &Ext);
