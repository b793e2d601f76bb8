#include "calculators/InputDialog.h"

#include "core/Messages.h"
#include "platform/Widgets.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void InputDialog::connectButtons(QPushButton *ok, QPushButton *cancel, QPushButton *help)
{
    connect(ok, &QPushButton::clicked, this, &InputDialog::btnOk_Click);
    connect(cancel, &QPushButton::clicked, this, &InputDialog::btnCancel_Click);
    connect(help, &QPushButton::clicked, this, &InputDialog::btnHelp_Click);
}

void InputDialog::btnOk_Click()
{
    if (!validateForOk())
        return;
    OkPressed = true;
    done(QDialog::Accepted);
}

void InputDialog::btnCancel_Click()
{
    OkPressed = false;
    done(QDialog::Rejected);
}

void InputDialog::btnHelp_Click() { ShowHelpHint(); }

void InputDialog::unloading(int)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (OkPressed)
        commit();
    else
        discard();
}

void ApplyBilingualCaptions(QWidget *window, std::span<const BilingualCaption> captions, bool english)
{
    for (const BilingualCaption &c : captions)
        SetControlCaption(window, QString::fromLatin1(c.control), -1,
                          QString::fromUtf8(english ? c.english : c.greek));
}

QPushButton *NamedButton(QWidget *parent, const char *name, const char *text)
{
    auto *b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

void BuildOkCancelHelp(QWidget *parent, QPushButton *&btnOk, QPushButton *&btnCancel, QPushButton *&btnHelp)
{
    btnHelp = NamedButton(parent, "btnHelp", "Help");
    btnCancel = NamedButton(parent, "btnCancel", "Cancel");
    btnOk = NamedButton(parent, "btnOk", "OK");
    btnOk->setDefault(true);
}

QList<QRadioButton *> BuildOptionArray(QGroupBox *frame, const char *name, int count)
{
    QList<QRadioButton *> list;
    auto *column = new QVBoxLayout(frame);
    for (int i = 0; i < count; ++i) {
        auto *b = new QRadioButton(frame);
        b->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        column->addWidget(b);
        list << b;
    }
    return list;
}
