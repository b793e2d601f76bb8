#pragma once
// File association for the current user on a freedesktop.org desktop: a MIME type for
// the extension, a hidden desktop entry that opens the program with the file, the
// program's icon, the desktop's caches brought up to date and the entry made the
// type's default application. Everything lives under $XDG_DATA_HOME (default
// ~/.local/share) and $XDG_CONFIG_HOME/mimeapps.list.

#include "core/Services.h"

// The MIME type of project files of this extension ("application/x-tessolan-primer-kvd").
QString AssociationMimeType(const QString &extension);
// The Exec= value of the desktop entry: the program path quoted, with the escapes of
// the Desktop Entry format, then the file placeholder.
QString DesktopExecLine(const QString &programPath);

class XdgFileAssociation : public IFileAssociation {
public:
    QString associate(const FileAssociationRequest &request) override;
};
