#include "shell/HelpModule.h"

#include "core/HelpTopics.h"
#include "core/Messages.h"
#include "core/Opening.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/Utilities.h"
#include "shell/frmResource.h"
#include "shell/frmUpdate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace {
// Documents beside the program: the program folder, never the current folder.
QString besideProgram(const QString &name) { return WithSlash(paths().AppPath) + name; }

// Opens a document with the desktop's opener; a failure names the file and the reason.
void openDocument(const QString &path)
{
    OpenDocumentOnce(path, [path](const OpenOutcome &outcome) {
        if (!outcome.opened())
            ShowMessage(QStringLiteral("Operation Failed") + OpenFailureDetail(outcome, path), mb::OkOnly);
    });
}

// F1 while any window but the main one is active: that window's topic; in an open menu,
// the highlighted item's.
class HelpKeyFilter : public QObject {
public:
    HelpKeyFilter(QWidget *mainWindow) : QObject(mainWindow), m_main(mainWindow) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool press = event->type() == QEvent::KeyPress;
        if ((!press && event->type() != QEvent::ShortcutOverride)
            || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() == m_main)
            return false;
        // In an open menu: the topic of the highlighted item, before F1 can reach the
        // shortcut of Help Contents.
        if (auto *menu = qobject_cast<QMenu *>(widget)) {
            const int context = menu->activeAction() ? menu->activeAction()->property("HelpContextID").toInt() : 0;
            if (context == 0)
                return false;
            event->accept();
            if (press) {
                while (QWidget *popup = QApplication::activePopupWidget())
                    popup->close();
                ShowHelpTopic(context);
            }
            return true;
        }
        if (!press)
            return false;
        // The focused control's own topic first, then its window's.
        int context = 0;
        for (QWidget *w = widget; w && context == 0; w = w->parentWidget()) {
            context = w->property("HelpContextID").toInt();
            if (context == 0)
                context = WindowHelpContext(w->objectName());
            if (w->isWindow())
                break;
        }
        if (context == 0)
            return false;
        ShowHelpTopic(context);
        return true;
    }

private:
    QPointer<QWidget> m_main;
};
} // namespace

void SetHelpFile() { appState().HelpFile = QStringLiteral("qrc:/help/") + appState().HelpFileName; }

QString GetHelpFile(int Kind) { return Kind >= 0 && Kind <= 2 ? appState().HelpFile : QString(); }

void ShowHelpContents(int Kind)
{
    services().helpViewer->showContents(GetHelpFile(Kind));
}

void ShowHelpIndex(int Kind)
{
    services().helpViewer->showIndex(GetHelpFile(Kind));
}

void CloseHelp(int Kind)
{
    Q_UNUSED(Kind);
    services().helpViewer->closeAll();
}

void ShowHelpTopic(int Context)
{
    services().helpViewer->showTopic(GetHelpFile(0), Context);
}

void OpenManual()
{
    const QString &name = appState().ManualFileName;
    const QString path = besideProgram(name);
    if (!FileExists(path)) {
        ShowMessage(QStringLiteral("Help file (") + name + QStringLiteral(") not available"), mb::OkOnly);
        return;
    }
    openDocument(path);
}

void PlayVideo(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    const QString name = QStringLiteral("DuzIro%1.mpeg").arg(Index + 1);
    const QString path = besideProgram(name);
    if (!FileExists(path)) {
        MsgBox(QStringLiteral("File not available: ") + name, mb::OkOnly);
        return;
    }
    openDocument(path);
}

QString AboutTitle() { return QStringLiteral("About the ") + appState().ProgramName + QStringLiteral(" Program"); }

QString AboutText()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString lf = QStringLiteral("\n");
    // The program names itself even though its ProgramName is empty.
    const QString name = appState().ProgramName.isEmpty() ? appState().AppTitle : appState().ProgramName;
    return name + crlf + lf                                                             //
           + QStringLiteral("Version: ") + GetVersionString(1) + crlf + lf               //
           + QStringLiteral("Revision Date: 20-Oct-2022") + crlf + lf                   //
           + QStringLiteral("This program was originally created by:") + crlf           //
           + QStringLiteral("   The Tessolan blasting engineering group") + crlf        //
           + QStringLiteral("   with the surface mining laboratory of its founders") + crlf + lf
           + QStringLiteral("Development of ") + name + u':' + crlf                   //
           + QStringLiteral("   The Tessolan Primer development team") + crlf;
}

void ShowAbout() { MsgBox(AboutText(), mb::Information | mb::OkOnly, AboutTitle()); }

void HelpMenu(int Index, QWidget *owner, const ProgramCloser &closer)
{
    switch (Index) {
    case 0: ShowHelpContents(0); break;
    case 1: ShowHelpIndex(0); break;
    case 2: OpenManual(); break;
    case 4: OpenResourceWindow(owner); break;
    case 6: ShowDisclaimer(); break;
    case 8: OpenUpdateWindow(owner, closer); break;
    case 10: ShowAbout(); break;
    default: break;
    }
}

void InstallHelpKey(QWidget *mainWindow)
{
    if (mainWindow && qApp)
        qApp->installEventFilter(new HelpKeyFilter(mainWindow));
}
