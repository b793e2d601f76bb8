#include "calculators/BurdenCalculators.h"

#include "calculators/CalculatorWindow.h"
#include "calculators/frmAnderson.h"

#include <QLineEdit>
#include <QPointer>

#include <array>

namespace {
// One window per calculator, built when it is first needed after an unload.
std::array<QPointer<CalculatorWindow>, kCalculatorCount> g_windows;

CalculatorWindow *build(int index, QWidget *owner)
{
    switch (index) {
    case 0:
        return new frmAnderson(owner);
    default:
        return nullptr;
    }
}

CalculatorWindow *loaded(int index)
{
    if (index < 0 || index >= kCalculatorCount)
        return nullptr;
    CalculatorWindow *w = g_windows[size_t(index)];
    return w && !w->isUnloaded() ? w : nullptr;
}

CalculatorWindow *load(int index, QWidget *owner)
{
    if (!CalculatorAvailable(index))
        return nullptr;
    if (CalculatorWindow *w = loaded(index))
        return w;
    CalculatorWindow *w = build(index, owner);
    g_windows[size_t(index)] = w;
    w->Form_Load();
    return w;
}
} // namespace

bool CalculatorAvailable(int index) { return index == 0; }

void OpenCalculator(int index, QWidget *owner)
{
    CalculatorWindow *w = load(index, owner);
    if (!w)
        return;
    // A window loaded hidden for its result gets its owner now.
    if (w->parentWidget() != owner)
        w->setParent(owner, w->windowFlags());
    w->ApplyLanguage();
    w->exec();
}

QString CalculatorResultText(int index)
{
    CalculatorWindow *w = load(index, nullptr);
    return w ? w->txtFortio->text() : QString();
}

QWidget *LoadCalculator(int index) { return load(index, nullptr); }

QWidget *LoadedCalculator(int index) { return loaded(index); }

void UnloadAllCalculators()
{
    for (QPointer<CalculatorWindow> &w : g_windows) {
        delete w.data();
        w = nullptr;
    }
}
