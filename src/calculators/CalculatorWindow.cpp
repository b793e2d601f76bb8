#include "calculators/CalculatorWindow.h"

#include "core/Checks.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "platform/Widgets.h"

#include <QLineEdit>
#include <QShowEvent>

#include <cmath>

CalculatorWindow::CalculatorWindow(const CalculatorDef &def, QWidget *parent)
    : InputDialog(parent), m_def(def), ui(std::make_unique<Ui_CalculatorWindow>())
{
    ui->setupUi(this, def);
    CenterForm(this);
    connect(ui->txtFortio, &QLineEdit::textChanged, this, &CalculatorWindow::txtFortio_Change);
    connectButtons(ui->btnOk, ui->btnCancel, ui->btnHelp);
}

CalculatorWindow::~CalculatorWindow() = default;

QLineEdit *CalculatorWindow::inputBox(int box) const
{
    return box >= 0 && box < int(ui->boxes.size()) ? ui->boxes[size_t(box)] : nullptr;
}

QStringList CalculatorWindow::boxTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : ui->boxes)
        texts << box->text();
    return texts;
}

QString CalculatorWindow::resultText() const { return ui->txtFortio->text(); }

void CalculatorWindow::setCaptions(std::vector<Caption> captions)
{
    m_captions = std::move(captions);
    applyCaptions(false);
}

std::vector<CalculatorWindow::Caption> CalculatorWindow::frameCaptions(const QString &inputFrame,
                                                                       const QString &resultFrame)
{
    return {{inputFrame, QStringLiteral("Input Data"), QStringLiteral("Εισαγωγή Δεδομένων")},
            {resultFrame, QStringLiteral("Results"), QStringLiteral("Αποτελέσματα")}};
}

void CalculatorWindow::applyCaptions(bool english)
{
    for (const Caption &c : m_captions)
        SetControlCaption(this, c.control, c.tab, english ? c.english : c.greek);
}

void CalculatorWindow::Form_Load()
{
    OkPressed = false;
    Loading = true;
    FillControls();
    Loading = false;
    LoadComputations();
    if (m_def.logsLoad)
        LogMessage(LoadLogLine(m_def.name, IsEnglish()));
    if (IsEnglish())
        applyCaptions(true);
}

void CalculatorWindow::ApplyLanguage() { applyCaptions(IsEnglish()); }

void CalculatorWindow::FillControls()
{
    const QStringList texts = StoredTexts(m_def, project());
    for (int i = 0; i < texts.size(); ++i)
        inputBox(i)->setText(texts.at(i));
}

void CalculatorWindow::LoadComputations() { CalcBurden(); }

void CalculatorWindow::InputChanged(int box)
{
    RefreshEchoes(box);
    if (Loading)
        return;
    const TypingScope typing(inputBox(box));
    Recalculate(box);
}

void CalculatorWindow::Recalculate(int) { CalcBurden(); }

void CalculatorWindow::txtFortio_Change() { RefreshEchoes(kResultSource); }

void CalculatorWindow::RefreshEchoes(int source)
{
    const QString text = source == kResultSource ? ui->txtFortio->text() : inputBox(source)->text();
    for (const CalcEcho &e : m_def.echoes)
        if (e.source == source)
            if (const auto echo = EchoText(e, text))
                SetEchoText(this, e.label, *echo);
}

std::vector<double> CalculatorWindow::equationInputs() const { return BoxValues(boxTexts()); }

void CalculatorWindow::CalcBurden()
{
    if (!ValidateInput())
        return;
    if (!m_def.equation)
        return;
    // An arithmetic failure ends the computation quietly: the result keeps its text.
    const std::optional<float> burden = m_def.equation(equationInputs());
    if (!burden || !std::isfinite(*burden))
        return;
    ui->txtFortio->setText(BurdenText(*burden));
}

bool CalculatorWindow::ValidateInput()
{
    const std::optional<CheckFailure> failure = FirstFailingCheck(m_def.checks, boxTexts());
    if (!failure)
        return true;
    QLineEdit *box = inputBox(failure->box);
    if (failure->kind == CheckKind::Range)
        CheckRange(box ? box->text() : QString(), failure->lower, failure->upper, failure->english, failure->greek);
    else
        MsgBox(Lang(failure->english, failure->greek), mb::Critical | mb::OkOnly);
    if (failure->kind != CheckKind::NotNumeric && box)
        moveFocusTo(box);
    return false;
}

void CalculatorWindow::moveFocusTo(QLineEdit *box)
{
    // Not while the user types: the next keys stay in the box being typed.
    if (InTypingScope(this))
        return;
    if (!isVisible()) {
        m_pendingFocus = box;
        return;
    }
    m_pendingFocus = nullptr;
    revealBox(box);
    FocusFailedBox(box);
}

void CalculatorWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QLineEdit *box = m_pendingFocus)
        moveFocusTo(box);
}

bool CalculatorWindow::validateForOk() { return ValidateInput(); }

void CalculatorWindow::unloading(int result)
{
    // OK, Cancel, Esc and the close box all end here; closing is never refused (it only
    // waits for a message open above). The unload step runs once, and the unloaded
    // window goes.
    if (!isUnloaded())
        deleteLater();
    InputDialog::unloading(result);
}

void CalculatorWindow::commit()
{
    StoreControls();
    LogMessage(CommitLogLine(m_def.name));
    MarkProjectChanged();
}

void CalculatorWindow::StoreControls() { StoreTexts(m_def, boxTexts(), project()); }
