#include "calculators/frmUnits.h"

#include "calculators/UnitConversion.h"
#include "calculators/frmUnitsUi.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "platform/Widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace {
struct Converter {
    QLineEdit *input;
    const QList<QRadioButton *> &options;
    const QList<QLineEdit *> &outputs;
};

Converter converter(const Ui_frmUnits &ui, Quantity q)
{
    switch (q) {
    case Quantity::Length:
        return {ui.txtLength, ui.Option2, ui.lengthOut};
    case Quantity::Load:
        return {ui.txtLoad, ui.Option5, ui.loadOut};
    case Quantity::LoadGrad:
        return {ui.txtLoadGrad, ui.Option4, ui.loadGradOut};
    case Quantity::Stress:
        return {ui.txtStress, ui.Option1, ui.stressOut};
    case Quantity::StressGrad:
        break;
    }
    return {ui.txtStressGrad, ui.Option3, ui.stressGradOut};
}
} // namespace

frmUnits::frmUnits(QWidget *parent) : GuardedDialog(parent), ui(std::make_unique<Ui_frmUnits>())
{
    ui->setupUi(this);
    const std::pair<QLineEdit *, void (frmUnits::*)()> inputs[] = {
        {ui->txtLength, &frmUnits::txtLength_Change},
        {ui->txtLoad, &frmUnits::txtLoad_Change},
        {ui->txtLoadGrad, &frmUnits::txtLoadGrad_Change},
        {ui->txtStress, &frmUnits::txtStress_Change},
        {ui->txtStressGrad, &frmUnits::txtStressGrad_Change},
    };
    for (const auto &[box, handler] : inputs) {
        SelectTextOnFocus(box);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, handler);
    }
    // Option2_Click, Option5_Click, ...: a newly selected unit converts its tab again.
    for (int q = 0; q < kQuantityCount; ++q) {
        const Converter c = converter(*ui, static_cast<Quantity>(q));
        ConnectOptionArray(this, c.options, [this, q](int) { convert(static_cast<Quantity>(q)); });
    }
    connect(ui->SSTab1, &QTabWidget::currentChanged, this, &frmUnits::SSTab1_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmUnits::Command1_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &frmUnits::Command3_Click);
    Form_Load();
}

frmUnits::~frmUnits() = default;

void frmUnits::Form_Load()
{
    Loading = true;
    SetModuleTitles(12);
    LogMessage(QStringLiteral("Loading Unit Conversion Form"));
    // Unit 0 of every tab; selecting it fills the outputs for the input "0".
    for (const QList<QRadioButton *> *options : {&ui->Option1, &ui->Option2, &ui->Option3, &ui->Option4, &ui->Option5})
        SetArrayIndex(*options, 0);
    Loading = false;
    adjustSize();
    CenterForm(this);
}

void frmUnits::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Once per opening: a message box or the Help hint re-activates the window, and
    // that must not send the user back to the start tab.
    ActivateOnce(m_activated, [this] { Form_Activate(); });
}

bool frmUnits::eventFilter(QObject *watched, QEvent *event)
{
    // After the box has handled the click itself, so that its caret does not undo it.
    if (auto *box = qobject_cast<QLineEdit *>(watched); box && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
    return QDialog::eventFilter(watched, event);
}

void frmUnits::Form_Activate()
{
    Loading = true;
    ui->SSTab1->setCurrentIndex(appState().UnitsStartTab);
    SetTabStops(ui->SSTab1->currentIndex());
    Loading = false;
    // The first keys typed go into the input box of the tab on view.
    const int tab = ui->SSTab1->currentIndex();
    if (tab >= 0 && tab < kQuantityCount) {
        QLineEdit *input = converter(*ui, static_cast<Quantity>(tab)).input;
        input->setFocus(Qt::TabFocusReason);
        input->selectAll();
    }
}

void frmUnits::convert(Quantity quantity)
{
    const Converter c = converter(*ui, quantity);
    const QStringList texts = ConvertUnits(quantity, GetOptionIndex(c.options), c.input->text());
    // A long result is shown from its first digit.
    for (int i = 0; i < c.outputs.size() && i < texts.size(); ++i) {
        c.outputs[i]->setText(texts.at(i));
        c.outputs[i]->setCursorPosition(0);
    }
}

void frmUnits::txtLength_Change() { convert(Quantity::Length); }
void frmUnits::txtLoad_Change() { convert(Quantity::Load); }
void frmUnits::txtLoadGrad_Change() { convert(Quantity::LoadGrad); }
void frmUnits::txtStress_Change() { convert(Quantity::Stress); }
void frmUnits::txtStressGrad_Change() { convert(Quantity::StressGrad); }

void frmUnits::SSTab1_Click(int)
{
    const int tab = ui->SSTab1->currentIndex();
    if (!Loading && tab >= 0 && tab < kQuantityCount) {
        QLineEdit *input = converter(*ui, static_cast<Quantity>(tab)).input;
        input->setFocus(Qt::TabFocusReason);
        input->selectAll();
    }
    SetTabStops(tab);
}

void frmUnits::SetTabStops(int)
{
    // The controls of the hidden tabs leave the Tab order; those of the shown tab join it.
    QWidget *shown = ui->SSTab1->currentWidget();
    for (int i = 0; i < ui->SSTab1->count(); ++i) {
        QWidget *page = ui->SSTab1->widget(i);
        const auto controls = page->findChildren<QWidget *>();
        for (QWidget *c : controls) {
            if (!qobject_cast<QLineEdit *>(c) && !qobject_cast<QAbstractButton *>(c) && !qobject_cast<QComboBox *>(c))
                continue;
            c->setFocusPolicy(page == shown ? Qt::StrongFocus : Qt::ClickFocus);
        }
    }
}

void frmUnits::Command1_Click() { accept(); }

void frmUnits::Command3_Click() { ShowHelpHint(); }

void OpenUnits(QWidget *owner)
{
    ModalWindow<frmUnits> window(owner);
    window.exec();
}
