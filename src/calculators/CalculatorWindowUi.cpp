#include "calculators/CalculatorWindowUi.h"

#include "calculators/BurdenEquations.h"
#include "calculators/CalculatorWindow.h"
#include "calculators/InputDialog.h"
#include "platform/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

void Ui_CalculatorWindow::setupUi(CalculatorWindow *w, const CalculatorDef &def)
{
    m_window = w;
    m_def = &def;
    w->setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    for (const CalcBox &b : def.boxes) {
        auto *box = new QLineEdit(w);
        box->setObjectName(b.name);
        SelectTextOnFocus(box);
        boxes.push_back(box);
    }

    txtFortio = new QLineEdit(w);
    txtFortio->setObjectName(QStringLiteral("txtFortio"));
    txtFortio->setReadOnly(true); // a result: read by the design window, never typed
    SelectTextOnFocus(txtFortio);

    // Enter in a box does not close the window.
    btnOk = NamedButton(w, "btnOk", "OK");
    btnCancel = NamedButton(w, "btnCancel", "Cancel");
    btnHelp = NamedButton(w, "btnHelp", "Help");
}

void Ui_CalculatorWindow::setupTabs()
{
    SSTab1 = WholeTabs(new QTabWidget(m_window));
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    txtKb = new QLineEdit(m_window);
    txtKb->setObjectName(QStringLiteral("txtKb"));
    txtKb->setReadOnly(true); // a result, copied into the coefficient box
}

QLabel *Ui_CalculatorWindow::createLabel(const QString &name, const QString &text) const
{
    auto *label = new QLabel(text, m_window);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

void Ui_CalculatorWindow::buildStandardLayout(const CalcStandardLayout &layout)
{
    auto *main = new QVBoxLayout(m_window);
    main->addWidget(buildInputFrame(m_window, layout.inputFrame, layout.rows));
    main->addWidget(buildResultFrame(m_window, layout.resultFrame, layout.resultLabel, txtFortio, layout.resultUnit,
                                     layout.resultEcho));
    main->addWidget(buttonRow());
    resetEchoes();
}

void Ui_CalculatorWindow::buildTwoTabLayout(const CalcTwoTabLayout &layout)
{
    const auto page = [this](const QString &inputFrame, const std::vector<CalcInputRow> &rows,
                             const QString &resultFrame, const QString &resultLabel, QLineEdit *result,
                             const QString &unit, const QString &echo) {
        auto *w = new QWidget(SSTab1);
        auto *v = new QVBoxLayout(w);
        v->addWidget(buildInputFrame(w, inputFrame, rows));
        v->addWidget(buildResultFrame(w, resultFrame, resultLabel, result, unit, echo));
        v->addStretch();
        SSTab1->addTab(w, QString());
    };
    page(layout.inputFrame0, layout.rows0, layout.resultFrame0, layout.resultLabel, txtFortio, layout.resultUnit,
         layout.resultEcho);
    page(layout.inputFrame1, layout.rows1, layout.resultFrame1, layout.coefficientLabel, txtKb, QString(), QString());

    auto *main = new QVBoxLayout(m_window);
    main->addWidget(SSTab1);
    main->addWidget(buttonRow());
    resetEchoes();
}

QGroupBox *Ui_CalculatorWindow::buildInputFrame(QWidget *parent, const QString &name,
                                                const std::vector<CalcInputRow> &rows) const
{
    auto *input = new QGroupBox(parent);
    input->setObjectName(name);
    auto *inputGrid = new QGridLayout(input);
    int row = 0;
    for (const CalcInputRow &r : rows) {
        inputGrid->addWidget(createLabel(r.label), row, 0);
        inputGrid->addWidget(r.box >= 0 && r.box < int(boxes.size()) ? boxes[size_t(r.box)] : nullptr, row, 1);
        inputGrid->addWidget(createLabel(QString(), r.unit), row, 2);
        if (!r.echo.isEmpty())
            inputGrid->addWidget(createLabel(r.echo), row, 3);
        ++row;
    }
    return input;
}

QGroupBox *Ui_CalculatorWindow::buildResultFrame(QWidget *parent, const QString &name, const QString &label,
                                                 QLineEdit *result, const QString &unit, const QString &echo) const
{
    auto *results = new QGroupBox(parent);
    results->setObjectName(name);
    auto *resultGrid = new QGridLayout(results);
    resultGrid->addWidget(createLabel(label), 0, 0);
    resultGrid->addWidget(result, 0, 1);
    resultGrid->addWidget(createLabel(QString(), unit), 0, 2);
    if (echo.startsWith(QLatin1String("txt"))) {
        auto *box = new QLineEdit(m_window);
        box->setObjectName(echo);
        box->setReadOnly(true);
        resultGrid->addWidget(box, 0, 3);
        resultGrid->addWidget(createLabel(QString(), QStringLiteral("m")), 0, 4);
    } else if (!echo.isEmpty()) {
        resultGrid->addWidget(createLabel(echo), 0, 3);
    }
    return results;
}

QWidget *Ui_CalculatorWindow::buttonRow() const
{
    auto *row = new QWidget(m_window);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addStretch();
    h->addWidget(btnOk);
    h->addWidget(btnCancel);
    h->addWidget(btnHelp);
    return row;
}

void Ui_CalculatorWindow::resetEchoes() const
{
    for (const CalcEcho &e : m_def->echoes)
        if (const auto text = EchoText(e, QString()))
            SetEchoText(m_window, e.label, *text);
}

void SetEchoText(QWidget *window, const QString &name, const QString &text)
{
    QObject *target = window->findChild<QObject *>(name);
    if (auto *label = qobject_cast<QLabel *>(target))
        label->setText(text);
    else if (auto *box = qobject_cast<QLineEdit *>(target))
        box->setText(text);
}
