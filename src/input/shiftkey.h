#pragma once

#include "softkey.h"

// The "SH" key: checkable; while checked the next character is sent in upper
// case. A lamp in its corner shows the state.
class ShiftKey : public SoftKey
{
    Q_OBJECT

public:
    ShiftKey(SoftKeyboard *keyboard, QWidget *parent);

public slots:
    void updateState();

protected:
    void paintEvent(QPaintEvent *event) override;
};
