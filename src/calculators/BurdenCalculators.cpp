#include "calculators/BurdenCalculators.h"

#include "calculators/CalculatorWindow.h"
#include "calculators/frmAnderson.h"
#include "calculators/frmAsh.h"
#include "calculators/frmFraenkel.h"
#include "calculators/frmJimeno.h"
#include "calculators/frmKonya.h"
#include "calculators/frmLangefors.h"
#include "calculators/frmPearse.h"

#include "core/ProgramState.h"
#include "platform/ModalWindows.h"

#include <QLineEdit>

namespace {
// One window per calculator, built when it is first needed after an unload.
auto &windows() { return loadedWindows().Calculators; }
static_assert(std::tuple_size_v<std::decay_t<decltype(LoadedWindows::Calculators)>> == kCalculatorCount);

CalculatorWindow *build(int index, QWidget *owner)
{
    switch (index) {
    case 0:
        return new frmAnderson(owner);
    case 1:
        return new frmAsh(owner);
    case 2:
        return new frmFraenkel(owner);
    case 3:
        return new frmKonya(owner);
    case 4:
        return new frmLangefors(owner);
    case 5:
        return new frmPearse(owner);
    case 6:
        return new frmJimeno(owner);
    default:
        return nullptr;
    }
}

CalculatorWindow *loaded(int index)
{
    if (index < 0 || index >= kCalculatorCount)
        return nullptr;
    auto *w = qobject_cast<CalculatorWindow *>(windows()[size_t(index)].data());
    return w && !w->isUnloaded() ? w : nullptr;
}

CalculatorWindow *load(int index, QWidget *owner)
{
    if (!CalculatorAvailable(index))
        return nullptr;
    if (CalculatorWindow *w = loaded(index))
        return w;
    CalculatorWindow *w = build(index, owner);
    windows()[size_t(index)] = w;
    w->Form_Load();
    return w;
}
} // namespace

bool CalculatorAvailable(int index) { return index >= 0 && index < kCalculatorCount; }

void OpenCalculator(int index, QWidget *owner)
{
    CalculatorWindow *w = load(index, owner);
    if (!w)
        return;
    // A window loaded hidden for its result gets its owner now.
    if (w->parentWidget() != owner)
        w->setParent(owner, w->windowFlags());
    w->ApplyLanguage();
    ExecModal(w);
}

QString CalculatorResultText(int index)
{
    CalculatorWindow *w = load(index, nullptr);
    return w ? w->resultText() : QString();
}

QWidget *LoadCalculator(int index) { return load(index, nullptr); }

QWidget *LoadedCalculator(int index) { return loaded(index); }

void UnloadAllCalculators()
{
    // Deferred: a window may still have a message box of its own on the stack.
    for (QPointer<QObject> &w : windows()) {
        if (w)
            w->deleteLater();
        w = nullptr;
    }
}

void UnloadHiddenCalculators()
{
    for (int i = 0; i < kCalculatorCount; ++i)
        if (CalculatorWindow *w = loaded(i); w && !w->isVisible())
            w->btnCancel_Click(); // unloads without storing anything
}
