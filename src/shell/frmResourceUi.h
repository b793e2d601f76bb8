#pragma once
// The widgets of the resource documents window.

#include <array>

class QPushButton;
class frmResource;

struct Ui_frmResource {
    std::array<QPushButton *, 7> cmdView{};
    QPushButton *Command1 = nullptr;
    void setupUi(frmResource *w);
};
