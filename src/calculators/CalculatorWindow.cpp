#include "calculators/CalculatorWindow.h"

#include "core/Checks.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "platform/Widgets.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <cmath>

CalculatorWindow::CalculatorWindow(const CalculatorDef &def, QWidget *parent)
    : QDialog(parent), m_def(def)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    for (const CalcBox &b : m_def.boxes) {
        auto *box = new QLineEdit(this);
        box->setObjectName(b.name);
        SelectTextOnFocus(box);
        m_boxes.push_back(box);
    }

    txtFortio = new QLineEdit(this);
    txtFortio->setObjectName(QStringLiteral("txtFortio"));
    txtFortio->setReadOnly(true); // a result: read by the design window, never typed
    SelectTextOnFocus(txtFortio);
    connect(txtFortio, &QLineEdit::textChanged, this, &CalculatorWindow::txtFortio_Change);

    const auto makeButton = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false); // Enter in a box does not close the window
        return b;
    };
    btnOk = makeButton(QStringLiteral("btnOk"), QStringLiteral("OK"));
    btnCancel = makeButton(QStringLiteral("btnCancel"), QStringLiteral("Cancel"));
    btnHelp = makeButton(QStringLiteral("btnHelp"), QStringLiteral("Help"));
    connect(btnOk, &QPushButton::clicked, this, &CalculatorWindow::btnOk_Click);
    connect(btnCancel, &QPushButton::clicked, this, &CalculatorWindow::btnCancel_Click);
    connect(btnHelp, &QPushButton::clicked, this, &CalculatorWindow::btnHelp_Click);
}

CalculatorWindow::~CalculatorWindow() = default;

QLineEdit *CalculatorWindow::inputBox(int box) const
{
    return box >= 0 && box < int(m_boxes.size()) ? m_boxes[size_t(box)] : nullptr;
}

QStringList CalculatorWindow::boxTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : m_boxes)
        texts << box->text();
    return texts;
}

QLabel *CalculatorWindow::createLabel(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, this);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

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

void CalculatorWindow::applyCaption(const Caption &caption, const QString &text)
{
    SetControlCaption(this, caption.control, caption.tab, text);
}

void CalculatorWindow::applyCaptions(bool english)
{
    for (const Caption &c : m_captions)
        applyCaption(c, english ? c.english : c.greek);
}

void CalculatorWindow::buildStandardLayout(const StandardLayout &layout)
{
    auto *main = new QVBoxLayout(this);
    main->addWidget(buildInputFrame(this, layout.inputFrame, layout.rows));
    main->addWidget(buildResultFrame(this, layout.resultFrame, layout.resultLabel, txtFortio, layout.resultUnit,
                                     layout.resultEcho));
    main->addWidget(buttonRow());
    resetEchoes();
}

QGroupBox *CalculatorWindow::buildInputFrame(QWidget *parent, const QString &name, const std::vector<InputRow> &rows)
{
    auto *input = new QGroupBox(parent);
    input->setObjectName(name);
    auto *inputGrid = new QGridLayout(input);
    int row = 0;
    for (const InputRow &r : rows) {
        inputGrid->addWidget(createLabel(r.label), row, 0);
        inputGrid->addWidget(inputBox(r.box), row, 1);
        inputGrid->addWidget(createLabel(QString(), r.unit), row, 2);
        if (!r.echo.isEmpty())
            inputGrid->addWidget(createLabel(r.echo), row, 3);
        ++row;
    }
    return input;
}

QGroupBox *CalculatorWindow::buildResultFrame(QWidget *parent, const QString &name, const QString &label,
                                              QLineEdit *result, const QString &unit, const QString &echo)
{
    auto *results = new QGroupBox(parent);
    results->setObjectName(name);
    auto *resultGrid = new QGridLayout(results);
    resultGrid->addWidget(createLabel(label), 0, 0);
    resultGrid->addWidget(result, 0, 1);
    resultGrid->addWidget(createLabel(QString(), unit), 0, 2);
    if (echo.startsWith(QLatin1String("txt"))) {
        auto *box = new QLineEdit(this);
        box->setObjectName(echo);
        box->setReadOnly(true);
        resultGrid->addWidget(box, 0, 3);
        resultGrid->addWidget(createLabel(QString(), QStringLiteral("m")), 0, 4);
    } else if (!echo.isEmpty()) {
        resultGrid->addWidget(createLabel(echo), 0, 3);
    }
    return results;
}

void CalculatorWindow::resetEchoes()
{
    for (const CalcEcho &e : m_def.echoes)
        if (const auto text = EchoText(e, QString()))
            setEchoText(e.label, *text);
}

QWidget *CalculatorWindow::buttonRow()
{
    auto *row = new QWidget(this);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    h->addStretch();
    h->addWidget(btnOk);
    h->addWidget(btnCancel);
    h->addWidget(btnHelp);
    return row;
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
    if (!Loading)
        Recalculate(box);
}

void CalculatorWindow::Recalculate(int) { CalcBurden(); }

void CalculatorWindow::txtFortio_Change() { RefreshEchoes(kResultSource); }

void CalculatorWindow::RefreshEchoes(int source)
{
    const QString text = source == kResultSource ? txtFortio->text() : inputBox(source)->text();
    for (const CalcEcho &e : m_def.echoes)
        if (e.source == source)
            if (const auto echo = EchoText(e, text))
                setEchoText(e.label, *echo);
}

void CalculatorWindow::setEchoText(const QString &name, const QString &text)
{
    QObject *target = findChild<QObject *>(name);
    if (auto *label = qobject_cast<QLabel *>(target))
        label->setText(text);
    else if (auto *box = qobject_cast<QLineEdit *>(target))
        box->setText(text);
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
    txtFortio->setText(BurdenText(*burden));
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
    if (!isVisible()) {
        m_pendingFocus = box;
        return;
    }
    m_pendingFocus = nullptr;
    revealBox(box);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void CalculatorWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QLineEdit *box = m_pendingFocus)
        moveFocusTo(box);
}

void CalculatorWindow::btnOk_Click()
{
    if (!ValidateInput())
        return;
    OkPressed = true;
    done(QDialog::Accepted);
}

void CalculatorWindow::btnCancel_Click()
{
    OkPressed = false;
    done(QDialog::Rejected);
}

void CalculatorWindow::btnHelp_Click() { ShowHelpHint(); }

void CalculatorWindow::done(int result)
{
    // OK, Cancel, Esc and the close box all end here; closing is never refused.
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
        deleteLater();
    }
    QDialog::done(result);
}

void CalculatorWindow::Form_Unload()
{
    if (!OkPressed)
        return;
    StoreControls();
    LogMessage(CommitLogLine(m_def.name));
    MarkProjectChanged();
}

void CalculatorWindow::StoreControls() { StoreTexts(m_def, boxTexts(), project()); }
