#include "core/Utilities.h"

#include "core/Errors.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

QString GetVersionString(int Style)
{
    const QString rev = QStringLiteral("%1").arg(VersionRevision(), 2, 10, QLatin1Char('0'));
    if (Style != 0)
        return QString::number(VersionMajor()) + QLatin1Char('.') + QString::number(VersionMinor()) + QLatin1Char('.') + rev;
    return QString::number(VersionMajor()) + QString::number(VersionMinor()) + rev;
}

QString FormCaptionText(const QString &tag)
{
    const QString &file = project().CurrentFile;
    const QString shown = file.size() >= 51 ? file.left(10) + QStringLiteral("...") + file.right(37) : file;
    QString caption = tag + QStringLiteral(": ") + shown;
    if (flags().ProjectSaved != kTrue)
        caption += QLatin1Char('*');
    return caption;
}

bool FileExists(const QString &FileName)
{
    if (FileName.isEmpty() || FileName.contains(QChar(0)))
        return false;
    return QFileInfo::exists(FileName);
}

bool ValidPath(const QString &Path, uint8_t Quiet)
{
    const QString p = Path.trimmed();
    if (p.isEmpty() || p.contains(QChar(0))) {
        if (Quiet != kTrue)
            ShowMessage(QStringLiteral("Invalid path: ") + BoundedText(Path), mb::OkOnly, messageState().TitleError);
        return false;
    }
    return QFileInfo::exists(p);
}

QString StripPath(const QString &FileName, int NoExt)
{
    if (FileName.isEmpty())
        return QString();
    if (FileName.endsWith(QLatin1Char('/'))) {
        ShowMessage(QStringLiteral("Error in filename: ") + BoundedText(FileName), mb::OkOnly, messageState().TitleError);
        return FileName;
    }
    QString name = FileName.mid(FileName.lastIndexOf(QLatin1Char('/')) + 1);
    if (NoExt != 0) {
        const int dot = name.indexOf(QLatin1Char('.'));
        if (dot > 0)
            name = name.left(dot);
    }
    return name;
}

bool CopyTextFile(const QString &Source, const QString &Dest)
{
    if (!FileExists(Source)) {
        ShowMessage(QStringLiteral("Requested File not found: ") + BoundedText(Source), mb::OkOnly, messageState().TitleError);
        return false;
    }
    // A source that cannot be read is reported by its own name, not by the copy's.
    QFile in(Source);
    const auto unreadable = [&] {
        ShowMessage(QStringLiteral("Requested File could not be read: ") + BoundedText(Source) + QStringLiteral(" (")
                        + BoundedText(in.errorString(), 80) + u')',
                    mb::OkOnly, messageState().TitleError);
        return false;
    };
    if (!in.open(QIODevice::ReadOnly))
        return unreadable();
    QSaveFile out(Dest);
    if (!out.open(QIODevice::WriteOnly)) {
        ShowMessage(QStringLiteral("File I/O problem with TMP file: ") + BoundedText(Dest), mb::OkOnly, messageState().TitleError);
        return false;
    }
    // In pieces: a large file is never held in memory as a whole.
    bool ok = true;
    while (ok && !in.atEnd()) {
        const QByteArray piece = in.read(1 << 16);
        ok = !piece.isEmpty() && out.write(piece) == piece.size();
    }
    if (in.error() != QFileDevice::NoError)
        return unreadable();
    if (!ok || !out.commit()) {
        ShowMessage(QStringLiteral("File I/O problem with TMP file: ") + BoundedText(Dest), mb::OkOnly, messageState().TitleError);
        return false;
    }
    return true;
}

QString UserHomeFolder() { return WithSlash(QDir::homePath()); }

QString DataFolder()
{
    // Never whatever folder the program was started from.
    const QString &data = settings().DataPath;
    return data.isEmpty() ? paths().UserPath : data;
}

QString WithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

int FontExists(const QString &FontName, const QStringList &deviceFonts)
{
    for (int i = 0; i < deviceFonts.size(); ++i)
        if (deviceFonts[i].compare(FontName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace {
// The first wanted family the device has, as the device names it; else 'fallback'.
QString chooseFont(const QStringList &wanted, const QStringList &device, const QString &fallback)
{
    for (const QString &w : wanted) {
        const int i = FontExists(w, device);
        if (i >= 0)
            return device[i];
    }
    if (!fallback.isEmpty())
        return fallback;
    return device.isEmpty() ? QString() : device.first();
}
} // namespace

QString GetScreenFont()
{
    const IFonts &f = *services().fonts;
    // The classic names first, then their usual Linux counterparts.
    return chooseFont({QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("System"),
                       QStringLiteral("Terminal"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")},
                      f.screenFonts(), f.generalFont());
}

QString GetPrinterFont()
{
    const IFonts &f = *services().fonts;
    return chooseFont({QStringLiteral("Courier New"), QStringLiteral("Courier"), QStringLiteral("Arial"),
                       QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")},
                      f.printerFonts(), f.fixedFont());
}

QString DisclaimerText(bool english)
{
    const QString crlf2 = QStringLiteral("\r\n\r\n");
    if (english)
        return QStringLiteral("This software is provided 'as is' without warranty "
                              "of any kind including express or implied warranties "
                              "of merchantability or fitness for a particular purpose. "
                              "By acceptance and use of this software, which is "
                              "conveyed to the user without consideration by the "
                              "developer(s), the user expressly waives any and all "
                              "claims for damage and/or suits for personal injury "
                              "or property damage resulting from any direct, indirect, "
                              "incidental, special or consequential damages, or "
                              "damages for loss of profits, revenue, data or property "
                              "use, incurred by the user or any third party, whether in "
                              "an action in contract or tort, arising from access "
                              "to, or use of, this software in whole or in part.")
               + crlf2;
    return QStringLiteral("Το λογισμικό αυτό "
                          "διατίθεται χωρίς καμμιά εγγύηση καταλληλότητας. Ο χρήστης "
                          "είναι υπεύθυνος για τα αποτελέσματα που προκύπτουν από την χρήση του. ")
           + crlf2;
}

void ShowDisclaimer()
{
    const bool english = IsEnglish();
    MsgBox(DisclaimerText(english), mb::Information | mb::OkOnly,
           english ? QStringLiteral("Disclaimer") : QStringLiteral("Συμφωνία Χρήσης"));
}

void ChooseScreenFont(QString &Name, float &Size, int16_t &Bold, int16_t &Italic)
{
    const FontChoice preset{Name, Size, Bold != 0, Italic != 0};
    const FontChoice chosen = services().fileDialog->chooseFont(preset).value_or(preset);
    Name = chosen.name;
    // The sizes the settings file keeps: whole points from 7 to 24.
    Size = static_cast<float>(std::clamp(std::round(chosen.size), 7.0, 24.0));
    Bold = chosen.bold ? -1 : 0;
    Italic = chosen.italic ? -1 : 0;
}
