#include "shell/FileAssoc.h"

#include "core/FileAccess.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"

#include <QFile>

bool IsAssociableExtension(const QString &Ext)
{
    if (Ext.isEmpty() || Ext.size() > kMaxExtensionLength)
        return false;
    for (const QChar c : Ext)
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) || c.unicode() > 127)
            return false;
    return true;
}

bool AssociateFileType(const QString &AppPath, const QString &AppName, const QString &Ext)
{
    const QString &title = messageState().TitleError;
    if (!IsAssociableExtension(Ext)) {
        ShowMessage(QStringLiteral("The file extension \"") + BoundedText(Ext, 40)
                        + QStringLiteral("\" cannot be associated: it must consist of letters and digits only, "
                                         "at most 16 of them. Nothing was changed."),
                    mb::OkOnly, title);
        return false;
    }
    const QString program = AppPath + AppName;
    FileAssociationRequest request;
    request.extension = Ext;
    request.programPath = program;
    request.typeComment = AppName.toUpper() + QStringLiteral("_File");
    QFile icon(QStringLiteral(":/shell/images/blast.svg"));
    if (icon.open(QIODevice::ReadOnly))
        request.iconSvg = icon.readAll();

    const QString failed = services().fileAssociation->associate(request);
    if (!failed.isEmpty()) {
        ShowMessage(QStringLiteral("The file association could not be created: ") + failed + u'.', mb::OkOnly, title);
        return false;
    }
    // The association is made in the user's own folders: it holds for this user only.
    ShowMessage(IsEnglish() ? QStringLiteral("The ") + Ext + QStringLiteral(" file extensions has been associated to ")
                                  + program
                                  + QStringLiteral("\r\n\r\nNote: the association holds for the current user only")
                            : QStringLiteral("Η επέκταση αρχείων ") + Ext
                                  + QStringLiteral(" συσχετίστηκε με το πρόγραμμα ") + program
                                  + QStringLiteral("\r\n\r\nΣημείωση: η συσχέτιση ισχύει μόνο για τον τρέχοντα χρήστη"),
                mb::OkOnly);
    return true;
}
