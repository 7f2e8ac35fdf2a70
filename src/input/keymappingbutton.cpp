#include "keymappingbutton.h"

#include "keymappinglineedit.h"
#include "softkeyboard.h"

KeyMappingButton::KeyMappingButton(KeyMappingLineEdit *edit, QWidget *parent)
    : QToolButton(parent)
    , m_edit(edit)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    connect(this, &QToolButton::clicked, edit, &KeyMappingLineEdit::toggleKeyboardMapping);
    connect(edit, &KeyMappingLineEdit::keyboardMappingChanged, this, &KeyMappingButton::updateState);
    if (edit->keyboard())
        connect(edit->keyboard(), &SoftKeyboard::layoutChanged, this, &KeyMappingButton::updateState);
    updateState();
}

void KeyMappingButton::updateState()
{
    const QString script = m_edit->keyboard() ? m_edit->keyboard()->scriptLabel() : QString();
    const bool mapped = m_edit->keyboardMapping();
    setText(mapped ? script : SoftKeyboard::physicalLabel());
    setToolTip(mapped ? tr("Your keys type the letters of the on-screen keyboard. Ctrl alone or a click switches.")
                      : tr("Your keys type their own letters. Ctrl alone or a click switches."));
    setVisible(!script.isEmpty());
}
