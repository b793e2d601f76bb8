// The unit converter window: opening, typing, changing the unit and the tab.

#include "CalculatorFixture.h"
#include "calculators/frmUnits.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {
class UnitsWindow : public InputDialogFixture<frmUnits> {
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        open();
    }
    QLineEdit *output(int i) { return child(QStringLiteral("Text%1").arg(i).toLatin1()); }
    QStringList texts(int first, int count)
    {
        QStringList out;
        for (int i = first; i < first + count; ++i)
            out << output(i)->text();
        return out;
    }
};
} // namespace

TEST_F(UnitsWindow, OpensOnTheLoadTabConvertsAsTypedAndMovesWithTheTab)
{
    EXPECT_EQ(w->windowTitle(), "Unit Conversions");
    EXPECT_EQ(child<QTabWidget>("SSTab1")->currentIndex(), 1);
    const QList<QLineEdit *> boxes = w->findChildren<QLineEdit *>();
    EXPECT_EQ(boxes.size(), 27); // five inputs, 22 outputs
    for (QLineEdit *box : boxes)
        EXPECT_EQ(box->text(), "0") << box->objectName().toStdString();
    for (const char *option : {"Option1_0", "Option2_0", "Option3_0", "Option4_0", "Option5_0"})
        EXPECT_TRUE(child<QRadioButton>(option)->isChecked()) << option;
    EXPECT_TRUE(newLog().contains("Loading Unit Conversion Form"));
    EXPECT_EQ(messageState().TitleError, "Unit Conversion: Error");

    // Typing and changing the unit convert.
    Click(w.get(), "Option2_1"); // ft
    child("txtLength")->setText("12abc");
    EXPECT_EQ(texts(7, 4), (QStringList{"144", "12", "365.76", "3.6576"}));
    // Only the unit changes: the same text is converted again.
    Click(w.get(), "Option2_0"); // in
    EXPECT_EQ(texts(7, 4), (QStringList{"12", "1", "30.48", "0.3048"}));

    child("txtLoad")->setText("1");
    Click(w.get(), "Option5_4"); // kips
    EXPECT_EQ(texts(21, 5), (QStringList{"1000", "0.5", "4.44822048939322", "0.00444822048939322", "1"}));
    // Every result is shown from its first digit.
    for (int i = 21; i <= 25; ++i)
        EXPECT_EQ(output(i)->cursorPosition(), 0) << i;

    // A tab change moves the focus to the shown tab's input.
    QApplication::setActiveWindow(w.get());
    auto *tabs = child<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(3);
    EXPECT_EQ(QApplication::focusWidget(), child("txtStress"));
    EXPECT_TRUE(child("txtStress")->hasSelectedText());
    // Only the shown tab's controls take part in keyboard navigation.
    EXPECT_TRUE(child("txtStress")->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(child<QRadioButton>("Option1_2")->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(child("txtLength")->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(child<QRadioButton>("Option5_0")->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(child("Text21")->focusPolicy() & Qt::TabFocus);

    // The Help hint does not send the window back to the Load tab.
    Click(w.get(), "Command3");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes.at(0).text,
              "Position the cursor on any item on the form and press F1 for context-sensitive Help");
    w->hide();
    w->show();
    EXPECT_EQ(tabs->currentIndex(), 3);
    Click(w.get(), "Command1");
    EXPECT_FALSE(w->isVisible());
}

TEST_F(UnitsWindow, OddEntriesShowNumbersOrOverflow)
{
    const struct { const char *input, *options; int firstOutput, units; } tabs[] = {
        {"txtLength", "Option2", 7, 4}, {"txtLoad", "Option5", 21, 5}, {"txtLoadGrad", "Option4", 17, 4},
        {"txtStress", "Option1", 2, 5}, {"txtStressGrad", "Option3", 12, 4},
    };
    for (const auto &tab : tabs)
        for (int unit = 0; unit < tab.units; ++unit) {
            SCOPED_TRACE(std::string(tab.input) + " unit " + std::to_string(unit));
            Click(w.get(), QStringLiteral("%1_%2").arg(QLatin1String(tab.options)).arg(unit).toLatin1());
            TypeOddTexts(w.get(), {child(tab.input)}, [&] {
                for (const QString &out : texts(tab.firstOutput, tab.units)) {
                    bool number = false;
                    out.toDouble(&number);
                    EXPECT_TRUE(out == "Overflow" || number) << out.toStdString();
                }
            });
        }
    // A tiny number written out in full is zero, not an overflow.
    child("txtStressGrad")->setText("0." + QString(6000, u'0') + "1");
    EXPECT_EQ(texts(12, 4), (QStringList{"0", "0", "0", "0"}));
}
