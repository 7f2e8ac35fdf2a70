#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

class SoftKey;

// An on-screen keyboard for the dictionary's foreign script: Hebrew (with or
// without a row of vowel points), Farsi or Russian, chosen by the
// dictionary's type ("he_IL", "fa_IR", "ru_RU"); other types get an empty
// key area. Keys send their characters to the focused widget. Each key knows
// the physical key at its place on the user's keyboard (by the keyboard
// input locale), so an input line can turn physical key presses into
// foreign letters, and the keys can show those physical keys as hints. The
// keys are laid out at their natural size when there is room, and shrink
// with the space the keyboard gets on a small screen.
class SoftKeyboard : public QWidget
{
    Q_OBJECT

public:
    SoftKeyboard(const QString &type, bool keyHints, bool withPoints, QWidget *parent = nullptr);

    void setLanguage(const QString &type, bool withPoints);
    void setKeyHintsVisible(bool on);
    bool keyHintsVisible() const { return m_keyHints; }
    bool isShifted() const { return m_shifted; }
    void unshift();

    // Sends the character of the key at the place of this physical key
    // (given as the key's text, lower case) and shows the key pressed;
    // false when no key sits there.
    bool pressPhysicalKey(const QString &text);
    bool hasPhysicalKey(const QString &text) const { return m_physicalKeys.contains(text); }

    const QList<SoftKey *> &keys() const { return m_keys; }
    // The keys' area at its natural size.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The 34 physical keys of the three letter rows for a keyboard locale
    // name, such as "de_DE".
    static QString physicalLayout(const QString &localeName);
    // The keyboard locale the layouts use; empty means the system's.
    static void setKeyboardLocale(const QString &localeName);

signals:
    void shiftStateChanged();

public slots:
    void setShifted(bool on) { m_shifted = on; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    SoftKey *addKey(
        const QString &label, const QString &text, int x, int y, int width, int height, const QString &physicalKey);
    SoftKey *addCharKey(QChar c, int x, int y, const QString &physicalKey);
    void addShiftKey(int x, int y, int width, int height);
    void addRow(const char16_t *letters, int x, int y, int physicalStart);
    SoftKey *addSpecialKey(const QString &label, const QString &text, int x, int y);
    SoftKey *addReturnKey(int x, int y);
    SoftKey *addBackspaceKey(int x, int y);
    void buildHebrew(bool withPoints);
    void buildFarsi();
    void buildRussian();
    QString physicalKeyAt(int index) const;
    static QString accessibleName(const QString &text);
    void setNaturalSize(int width, int height);
    void placeKeys();

    bool m_shifted = false;
    QList<SoftKey *> m_keys;
    SoftKey *m_returnKey = nullptr;
    SoftKey *m_backspaceKey = nullptr;
    QWidget *m_keyArea;
    QSize m_naturalSize;
    // each key's place at the natural size
    QHash<SoftKey *, QRect> m_naturalGeometry;
    bool m_keyHints;
    QHash<QString, SoftKey *> m_physicalKeys;
    QString m_physicalLayout;
};
