// The scaled-distance window: load, edits, checks through the message box, OK and Cancel.

#include "CalculatorFixture.h"
#include "calculators/frmScaleDist.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {
class ScaleDistWindow : public InputDialogFixture<frmScaleDist> {
protected:
    QTableWidget *grid() { return child<QTableWidget>("MSHFlexGrid1"); }
    QString cell(int r, int c)
    {
        const QTableWidgetItem *item = grid()->item(r, c);
        return item ? item->text() : QString();
    }
    QStringList column(int c)
    {
        QStringList out;
        for (int r = 1; r < grid()->rowCount(); ++r)
            out << cell(r, c);
        return out;
    }
};
} // namespace

TEST_F(ScaleDistWindow, NewProjectShowsItsTableInBothLanguagesAndEditsRecomputeIt)
{
    for (int english : {1, 0}) {
        settings().EnglishMenus = int16_t(english);
        open();
        EXPECT_EQ(child("txtK")->text(), "1600");
        EXPECT_EQ(child("txtWeight")->text(), "1");
        EXPECT_EQ(child("txtSD")->text(), "");
        EXPECT_TRUE(child<QRadioButton>("optDonisi_0")->isChecked());
        EXPECT_TRUE(child<QRadioButton>("optAuto_0")->isChecked());
        EXPECT_FALSE(child("txtMin")->isEnabled());
        EXPECT_FALSE(child<QGroupBox>("frsScaledDistRange")->isEnabled());
        EXPECT_EQ(grid()->rowCount(), 11);
        EXPECT_EQ(cell(1, 1), "40.2");
        EXPECT_EQ(w->windowTitle(), english ? "Prediction of Ground Vibration and Air Blast (Overpressure)"
                                            : "Πρόβλεψη Εδαφικών και Αέριων Δονήσεων");
        EXPECT_EQ(child<QLabel>("Label7")->text(), english ? "Sc. Dist^2" : "Αν. Αποστ^2");
        EXPECT_EQ(child<QRadioButton>("optAuto_1")->text(), english ? "Calculation Range" : "Εύρος Υπολογισμού");
    }

    Click(w.get(), "optDonisi_1");
    EXPECT_EQ(cell(0, 1), "dB");
    EXPECT_EQ(column(1).mid(0, 2), (QStringList{"1.6", "0.6"}));
    Click(w.get(), "optDonisi_0");
    Click(w.get(), "optAuto_1");
    EXPECT_TRUE(child("txtStep")->isEnabled());
    child("txtStep")->setText("1");
    child("txtMin")->setText("1");
    EXPECT_EQ(grid()->rowCount(), 21);
    EXPECT_EQ(cell(20, 2), "20");
    child("txtDist")->setText("100");
    child("txtWeight")->setText("400");
    EXPECT_EQ(child("txtSD")->text(), "5.0");
    EXPECT_EQ(child("txtSDair")->text(), "13.6");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

TEST_F(ScaleDistWindow, AFailedCheckShowsItsMessageAndKeepsTheTable)
{
    settings().EnglishMenus = 1;
    open();
    child<QRadioButton>("optAuto_1")->click();
    const QStringList before = column(2);
    // Typed, the check leaves the focus in the box being typed; OK sends it to the minimum.
    child("txtStep")->setFocus();
    child("txtStep")->setText("0");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    const auto box = fakeMessageBox().boxes.at(0);
    EXPECT_EQ(box.text, "The step distance for scaled distance calculation should be positive");
    EXPECT_EQ(QApplication::focusWidget(), child("txtStep"));
    EXPECT_EQ(column(2), before);
    child<QPushButton>("btnOk")->click();
    EXPECT_EQ(QApplication::focusWidget(), child("txtMin"));
    EXPECT_EQ(child("txtMin")->selectedText(), "10");
    EXPECT_TRUE(newLog().contains("The step distance for scaled distance calculation should be positive"));

    // OK while a box is invalid keeps the window open and stores nothing.
    child<QPushButton>("btnOk")->click();
    EXPECT_TRUE(w->isVisible());
    w->close();
    EXPECT_EQ(project().ScaleDist.K, 1600);
    EXPECT_EQ(flags().ProjectSaved, kTrue);
}

TEST_F(ScaleDistWindow, OkStoresAndLogsCancelDoesNot)
{
    for (const char *button : {"btnCancel", "btnOk"}) {
        SCOPED_TRACE(button);
        const bool ok = QString(button) == "btnOk";
        open();
        child("txtK")->setText("1200");
        child("txtDist")->setText("250");
        Click(w.get(), "optDonisi_1");
        Click(w.get(), "optAuto_1");
        Click(w.get(), button);
        EXPECT_FALSE(w->isVisible());
        const ScaleDistRec &s = project().ScaleDist;
        EXPECT_EQ(s.K, ok ? 1200 : 1600);
        EXPECT_EQ(s.Distance, ok ? 250 : 0);
        EXPECT_EQ(s.VibrationMode, ok ? 1 : 0);
        EXPECT_EQ(s.CalcMode, ok ? 1 : 0);
        EXPECT_EQ(newLog().contains("Scaled Distance Parameters Modified"), ok);
        EXPECT_EQ(flags().ProjectSaved, ok ? kFalse : kTrue);
    }
}

TEST_F(ScaleDistWindow, OddEntriesNeverShowANonFiniteValue)
{
    for (const char *mode : {"optDonisi_0", "optDonisi_1"}) {
        open();
        Click(w.get(), "optAuto_1");
        Click(w.get(), mode);
        QList<QLineEdit *> boxes;
        for (const char *box : {"txtK", "txtN", "txtD", "txtQ", "txtDist", "txtWeight", "txtMin", "txtMax", "txtStep"})
            boxes << child(box);
        TypeOddTexts(w.get(), boxes, [this] { EXPECT_LE(grid()->rowCount(), 21); });
        w.reset();
    }
}
