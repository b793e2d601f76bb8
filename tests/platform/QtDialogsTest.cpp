// The desktop's own font and file dialogs, driven for real and answered from a timer:
// what they open on and what OK with nothing changed gives back.

#include "support/WindowDriver.h"
#include "core/Utilities.h"
#include "platform/QtServices.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <gtest/gtest.h>

TEST(QtFontDialog, OkWithNothingChangedKeepsBoldAndItalic)
{
    services().fileDialog = std::make_unique<QtFileDialog>();
    // The family the desktop's general font resolves to, with its regular, bold,
    // italic (or oblique) and bold italic styles.
    const QString family = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    int styles = 0;
    for (const QString &style : QFontDatabase::styles(family))
        styles |= 1 << ((QFontDatabase::weight(family, style) >= QFont::Bold) * 2
                        + QFontDatabase::font(family, style, 10).italic());
    if (styles != 15)
        GTEST_SKIP() << family.toStdString() << " lacks one of the four styles";
    for (const int style : {0, 1, 2, 3}) {
        const bool bold = style & 2, italic = style & 1;
        SCOPED_TRACE(QString("%1 bold %2 italic %3").arg(family).arg(bold).arg(italic).toStdString());
        QString name = family;
        float size = 11;
        int16_t Bold = bold ? -1 : 0, Italic = italic ? -1 : 0;
        QFont shown;
        DriveDialog([&] { ChooseScreenFont(name, size, Bold, Italic); }, [&](QDialog *dlg) {
            shown = qobject_cast<QFontDialog *>(dlg)->currentFont();
            dlg->accept();
        });
        // The dialog opened on the font's own style, and OK kept it.
        EXPECT_EQ(shown.italic(), italic);
        EXPECT_EQ(shown.bold(), bold);
        EXPECT_EQ(name, family);
        EXPECT_EQ(size, 11.0f);
        EXPECT_EQ(Bold, bold ? -1 : 0);
        EXPECT_EQ(Italic, italic ? -1 : 0);
    }
}

TEST(QtFileDialogService, OpensInItsFolderWithTheRequestedFilter)
{
    const QString folder = testHome() + "/projects";
    QDir().mkpath(folder);
    FileDialogRequest request;
    request.initialDir = folder;
    // The program's own filter description starts with a blank (its name is empty).
    request.filters = {"All Files (*)", " Files (*.KVD *.kvd)"};
    request.filterIndex = 2;
    QString dir, filter;
    std::optional<QString> answer = QString("x");
    DriveDialog([&] { answer = QtFileDialog().run(request); }, [&](QDialog *dlg) {
        dir = qobject_cast<QFileDialog *>(dlg)->directory().absolutePath();
        filter = qobject_cast<QFileDialog *>(dlg)->selectedNameFilter();
        dlg->reject();
    });
    EXPECT_EQ(dir, folder);
    EXPECT_EQ(filter, "Files (*.KVD *.kvd)");
    EXPECT_FALSE(answer);
}
