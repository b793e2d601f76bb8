#pragma once
// The unit converter window: five tabs, each converting the typed value from the chosen
// unit to every unit of its quantity on every keystroke and every change of unit.
// Nothing is stored; the window is built for each opening and deleted after it.

#include "platform/ModalWindows.h"

#include <memory>

struct Ui_frmUnits;
enum class Quantity;

class frmUnits : public GuardedDialog {
    Q_OBJECT
public:
    explicit frmUnits(QWidget *parent = nullptr);
    ~frmUnits() override;

    // Keyboard navigation (Tab) reaches only the controls of the shown tab.
    void SetTabStops(int TabIndex);

public slots:
    void Command1_Click();
    void Command3_Click();
    void txtLength_Change();
    void txtLoad_Change();
    void txtLoadGrad_Change();
    void txtStress_Change();
    void txtStressGrad_Change();
    void SSTab1_Click(int PreviousTab);

protected:
    void showEvent(QShowEvent *event) override;
    // txtLength_Click and the other input boxes' clicks: a click selects the whole input.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void convert(Quantity quantity);

    std::unique_ptr<Ui_frmUnits> ui;
    bool Loading = false; // the load and activation steps are running
    bool m_activated = false;
};

// Opens the converter modally, owned by 'owner'.
void OpenUnits(QWidget *owner);
