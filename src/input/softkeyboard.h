#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

#include <initializer_list>

class SoftKey;

// An on-screen keyboard for the dictionary's foreign script: Hebrew (with or
// without a row of vowel points), Farsi, Arabic or Russian, chosen by the
// dictionary's type ("he_IL", "fa_IR", "ar_EG", "ru_RU"); other types get an
// empty key area. The Farsi, Arabic and Russian keyboards have a shift
// layer (capitals, vowel marks, the stress mark, rarer letters). Keys send
// their characters to the focused widget. Each key knows the physical key
// at its place on the user's keyboard (by the keyboard input locale), as in
// the script's standard layout, so an input line can turn physical key
// presses into foreign letters, and the keys can show those physical keys
// as hints. The keys are laid out at a compact size when there is room,
// grow up to their natural size with the space they get, and shrink on a
// small screen.
class SoftKeyboard : public QWidget
{
    Q_OBJECT

public:
    SoftKeyboard(const QString &type, bool keyHints, bool withPoints, QWidget *parent = nullptr);

    void setLanguage(const QString &type, bool withPoints);
    void setKeyHintsVisible(bool on);
    bool keyHintsVisible() const { return m_keyHints; }
    bool isShifted() const { return m_shifted; }
    void unshift() { setShifted(false); }

    // The short name of the keyboard's script ("עב", "РУ", "عر", "فا"), and of
    // the letters on the user's own keys ("EN"); empty without a layout.
    QString scriptLabel() const { return m_scriptLabel; }
    static QString physicalLabel();

    // Sends the character of the key at the place of this physical key
    // (given as the key's text; upper case for the shift layer) and shows
    // the key pressed; false when no key sits there, or the key has no
    // shift layer and the text is upper case.
    bool pressPhysicalKey(const QString &text);
    bool hasPhysicalKey(const QString &text) const;

    const QList<SoftKey *> &keys() const { return m_keys; }
    // The keys' area at its compact size.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The 35 physical keys of the three letter rows and the key left of "1"
    // for a keyboard locale name, such as "de_DE".
    static QString physicalLayout(const QString &localeName);
    // The keyboard locale the layouts use; empty means the system's.
    static void setKeyboardLocale(const QString &localeName);

    // Whether the user last chose to see the keyboards (remembered in the
    // settings; shown until the user hides them).
    static bool visibleBySetting();
    // Shows or hides this keyboard and remembers the choice for the other
    // pages and the next start.
    void setVisibleAndRemember(bool on);
    // Shows or hides this keyboard as the user last chose.
    void applyVisibilitySetting() { setVisible(visibleBySetting()); }

    // What a point or mark is called, in the user's language; empty for
    // other characters.
    static QString markName(QChar mark);

signals:
    void shiftStateChanged();
    // Another script's keys, or none.
    void layoutChanged();
    void visibilityChosen(bool visible);

public slots:
    void setShifted(bool on);

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // A key's character and the one on its shift layer (may be empty).
    struct KeyText
    {
        const char16_t *text;
        const char16_t *shifted;
    };

    SoftKey *addKey(
        const QString &label, const QString &text, int x, int y, int width, int height, const QString &physicalKey);
    void addShiftKey(int x, int y, int width, int height);
    void addRow(const char16_t *letters, int x, int y, int physicalStart);
    void addRow(std::initializer_list<KeyText> keys, int x, int y, int physicalStart);
    SoftKey *addTextKey(const KeyText &key, int x, int y, int width, const QString &physicalKey);
    SoftKey *addSpecialKey(const QString &label, const QString &text, int x, int y, int width = 60);
    SoftKey *addReturnKey(int x, int y, int width = 60);
    SoftKey *addBackspaceKey(int x, int y);
    void addEditingKeys();
    void buildHebrew(bool withPoints);
    void buildFarsi();
    void buildArabic();
    void buildRussian();
    QString physicalKeyAt(int index) const;
    SoftKey *keyForPhysical(const QString &text, bool &shifted) const;
    static QString caption(const QString &text);
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
    QString m_scriptLabel;
};
