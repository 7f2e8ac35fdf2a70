#pragma once

#include <QToolButton>

class KeyMappingLineEdit;

// Shows beside an input line which letters its keys type: the script's
// short name ("עב", "РУ", "عر", "فا") while the line maps the physical keys
// to the on-screen keyboard, the user's own ("EN") while it does not; a
// click switches. Hidden while the keyboard has no layout. It takes no
// focus, so the line keeps it.
class KeyMappingButton : public QToolButton
{
    Q_OBJECT

public:
    explicit KeyMappingButton(KeyMappingLineEdit *edit, QWidget *parent = nullptr);

private:
    void updateState();

    KeyMappingLineEdit *m_edit;
};
