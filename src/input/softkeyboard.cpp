#include "softkeyboard.h"

#include "inputlog.h"
#include "shiftkey.h"
#include "softkey.h"

#include "lang/languageinfo.h"

#include <algorithm>

#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLocale>
#include <QSettings>

namespace {

constexpr int KeySize = 60;
constexpr int RowStep = 70;
// the size the keyboard asks for: the natural size would take half of a
// small window
constexpr double CompactScale = 0.7;
// keys never shrink below this part of their natural size
constexpr double MinimumScale = 0.4;
constexpr QChar DottedCircle(0x25CC);
constexpr QChar ZeroWidthNonJoiner(0x200C);
// the physical key left of "1", after the 34 keys of the letter rows
constexpr int KeyLeftOfOne = 34;
const QString VisibleKey = QStringLiteral("keyboard/visible");

enum class Layout { None, Hebrew, Farsi, Arabic, Russian };

Layout layoutOf(const QString &type)
{
    const LanguageInfo *language = LanguageInfo::find(type);
    if (!language)
        return Layout::None;
    switch (language->keyboard) {
    case LanguageInfo::Keyboard::Hebrew: return Layout::Hebrew;
    case LanguageInfo::Keyboard::Farsi: return Layout::Farsi;
    case LanguageInfo::Keyboard::Russian: return Layout::Russian;
    case LanguageInfo::Keyboard::Arabic: return Layout::Arabic;
    case LanguageInfo::Keyboard::None: break;
    }
    return Layout::None;
}

QString &keyboardLocaleOverride()
{
    static QString name;
    return name;
}

QString keyboardLocaleName()
{
    if (!keyboardLocaleOverride().isEmpty())
        return keyboardLocaleOverride();
    return QGuiApplication::inputMethod()->locale().name();
}

} // namespace

SoftKeyboard::SoftKeyboard(const QString &type, bool keyHints, bool withPoints, QWidget *parent)
    : QWidget(parent)
    , m_keyArea(new QWidget(this))
    , m_keyHints(keyHints)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setLanguage(type, withPoints);
}

// The letter rows as the keys print them (upper case), then the key left
// of "1"; dead keys (^ on German and French keyboards) type nothing, so
// their keys are reached on the screen only.
QString SoftKeyboard::physicalLayout(const QString &localeName)
{
    if (localeName.startsWith(QLatin1String("de_")))
        return QStringLiteral("QWERTZUIOP\u00DC+ASDFGHJKL\u00D6\u00C4<YXCVBNM,.-^");
    if (localeName.startsWith(QLatin1String("fr_")))
        return QStringLiteral("AZERTYUIOP^$QSDFGHJKLM\u00D9<WXCVBN,;:!\u00B2");
    if (localeName.startsWith(QLatin1String("it_")))
        return QStringLiteral("QWERTYUIOP\u00C8+ASDFGHJKL\u00D2\u00C0<ZXCVBNM,.-\\");
    if (localeName == QLatin1String("en_GB"))
        return QStringLiteral("QWERTYUIOP[]ASDFGHJKL;'\\ZXCVBNM,./`");
    return QStringLiteral("QWERTYUIOP[]ASDFGHJKL;'<ZXCVBNM,./`");
}

void SoftKeyboard::setKeyboardLocale(const QString &localeName)
{
    keyboardLocaleOverride() = localeName;
}

QString SoftKeyboard::physicalLabel()
{
    const QString language = keyboardLocaleName().left(2).toUpper();
    const bool latin = language.size() == 2
        && std::all_of(language.cbegin(), language.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
    return latin ? language : QStringLiteral("EN");
}

bool SoftKeyboard::visibleBySetting()
{
    return QSettings().value(VisibleKey, true).toBool();
}

void SoftKeyboard::setVisibleAndRemember(bool on)
{
    QSettings().setValue(VisibleKey, on);
    setVisible(on);
    emit visibilityChosen(on);
}

QSize SoftKeyboard::sizeHint() const
{
    return (m_naturalSize + QSize(20, 20)) * CompactScale;
}

QSize SoftKeyboard::minimumSizeHint() const
{
    return m_naturalSize * MinimumScale;
}

void SoftKeyboard::setNaturalSize(int width, int height)
{
    m_naturalSize = QSize(width, height);
    updateGeometry();
}

void SoftKeyboard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeKeys();
}

// The keys at the scale the keyboard's size allows, centred.
void SoftKeyboard::placeKeys()
{
    if (m_naturalSize.isEmpty())
        return;
    const double scale = qBound(MinimumScale,
        qMin(double(width()) / (m_naturalSize.width() + 20), double(height()) / (m_naturalSize.height() + 20)), 1.0);
    const QSize area = m_naturalSize * scale;
    m_keyArea->setGeometry((width() - area.width()) / 2, (height() - area.height()) / 2, area.width(), area.height());
    // the labels shrink with the keys; the keys take the area's font
    QFont labels = font();
    labels.setPointSizeF(qMax(6.0, labels.pointSizeF() * scale));
    m_keyArea->setFont(labels);
    for (auto it = m_naturalGeometry.cbegin(); it != m_naturalGeometry.cend(); ++it) {
        const QRect &r = it.value();
        it.key()->setGeometry(QRect(QPoint(int(r.x() * scale), int(r.y() * scale)), r.size() * scale));
    }
}

void SoftKeyboard::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        placeKeys();
}

QString SoftKeyboard::physicalKeyAt(int index) const
{
    return QString(m_physicalLayout.at(index));
}

void SoftKeyboard::setLanguage(const QString &type, bool withPoints)
{
    qDeleteAll(m_keys);
    m_keys.clear();
    m_naturalGeometry.clear();
    m_physicalKeys.clear();
    m_returnKey = nullptr;
    m_backspaceKey = nullptr;
    m_shifted = false;
    m_physicalLayout = physicalLayout(keyboardLocaleName());

    switch (layoutOf(type)) {
    case Layout::Hebrew: buildHebrew(withPoints); break;
    case Layout::Farsi: buildFarsi(); break;
    case Layout::Arabic: buildArabic(); break;
    case Layout::Russian: buildRussian(); break;
    case Layout::None:
        m_scriptLabel.clear();
        setNaturalSize(860, 220);
        break;
    }
    placeKeys();

    if (isVisible()) {
        for (SoftKey *key : std::as_const(m_keys))
            key->show();
    }
    emit layoutChanged();
}

void SoftKeyboard::setKeyHintsVisible(bool on)
{
    if (on == m_keyHints)
        return;
    m_keyHints = on;
    for (SoftKey *key : std::as_const(m_keys))
        key->update();
}

void SoftKeyboard::setShifted(bool on)
{
    if (on == m_shifted)
        return;
    qCDebug(lcInput) << (on ? "SHIFT" : "UNSHIFT");
    m_shifted = on;
    for (SoftKey *key : std::as_const(m_keys))
        key->showLayer(on);
    emit shiftStateChanged();
}

SoftKey *SoftKeyboard::keyForPhysical(const QString &text, bool &shifted) const
{
    const QString lower = text.toLower();
    SoftKey *key = m_physicalKeys.value(lower);
    shifted = lower != text;
    return key && (!shifted || !key->shiftedText().isEmpty()) ? key : nullptr;
}

bool SoftKeyboard::hasPhysicalKey(const QString &text) const
{
    bool shifted = false;
    return keyForPhysical(text, shifted);
}

bool SoftKeyboard::pressPhysicalKey(const QString &text)
{
    bool shifted = false;
    SoftKey *key = keyForPhysical(text, shifted);
    if (!key)
        return false;
    // the character goes out at once: waiting for the end of the key's
    // animation would drop a letter typed twice within it
    key->flash();
    key->send(shifted || m_shifted);
    unshift();
    return true;
}

void SoftKeyboard::keyPressEvent(QKeyEvent *event)
{
    qCDebug(lcInput) << "shifted:" << bool(event->modifiers() & Qt::ShiftModifier);
    if (event->text() == QLatin1String("\r") && m_returnKey)
        m_returnKey->animateClick();
    else if (event->text() == QLatin1String("\b") && m_backspaceKey)
        m_backspaceKey->animateClick();
}

SoftKey *SoftKeyboard::addKey(
    const QString &label, const QString &text, int x, int y, int width, int height, const QString &physicalKey)
{
    auto *key = new SoftKey(this, label, text, physicalKey.trimmed(), m_keyArea);
    m_naturalGeometry.insert(key, QRect(x, y, width, height));
    key->setAccessibleName(accessibleName(text));
    if (text.size() == 1 && text.at(0).isPrint() && text != QLatin1String(" "))
        key->setShortcut(QKeySequence(text));
    if (!physicalKey.trimmed().isEmpty())
        m_physicalKeys.insert(physicalKey.trimmed().toLower(), key);
    m_keys.append(key);
    return key;
}

// How a key shows a character: a mark on a dotted circle, where it can be
// seen, but the dots of shin and sin on their letter, told apart by their
// side of it; the non-joiner, which has no shape, as a broken bar; letters
// in capitals.
QString SoftKeyboard::caption(const QString &text)
{
    if (text == ZeroWidthNonJoiner)
        return QStringLiteral("\u00A6");
    if (text == QChar(0x05C1) || text == QChar(0x05C2))
        return QChar(0x05E9) + text;
    if (text.size() == 1 && text.front().category() == QChar::Mark_NonSpacing)
        return DottedCircle + text;
    return text.toUpper();
}

// What a screen reader says for a key: the letter itself, or what the key does.
QString SoftKeyboard::accessibleName(const QString &text)
{
    if (text == QLatin1String(" "))
        return tr("Space");
    if (text == QLatin1String("\r"))
        return tr("Return");
    if (text == QLatin1String("\b"))
        return tr("Backspace");
    if (text.size() == 1 && !markName(text.front()).isEmpty())
        return markName(text.front());
    return text;
}

QString SoftKeyboard::markName(QChar mark)
{
    switch (mark.unicode()) {
    case 0x05B0: return tr("Sheva");
    case 0x05B1: return tr("Hataf segol");
    case 0x05B2: return tr("Hataf patah");
    case 0x05B3: return tr("Hataf qamats");
    case 0x05B4: return tr("Hiriq");
    case 0x05B5: return tr("Tsere");
    case 0x05B6: return tr("Segol");
    case 0x05B7: return tr("Patah");
    case 0x05B8: return tr("Qamats");
    case 0x05B9: return tr("Holam");
    case 0x05BB: return tr("Qubuts");
    case 0x05BC: return tr("Dagesh");
    case 0x05C1: return tr("Shin dot");
    case 0x05C2: return tr("Sin dot");
    case 0x05C7: return tr("Qamats qatan");
    case 0x064B: return tr("Fathatan (tanwin)");
    case 0x064C: return tr("Dammatan (tanwin)");
    case 0x064D: return tr("Kasratan (tanwin)");
    case 0x064E: return tr("Fatha");
    case 0x064F: return tr("Damma");
    case 0x0650: return tr("Kasra");
    case 0x0651: return tr("Shadda");
    case 0x0652: return tr("Sukun");
    case 0x0653: return tr("Madda");
    case 0x0654: return tr("Hamza above");
    case 0x0670: return tr("Superscript alif");
    case 0x0301: return tr("Stress mark");
    case 0x200C: return tr("Zero-width non-joiner (half space)");
    default: return QString();
    }
}

// A key of the letter rows: its caption, the names of its marks as its
// tool tip.
SoftKey *SoftKeyboard::addTextKey(const KeyText &keyText, int x, int y, int width, const QString &physicalKey)
{
    const QString text = QString::fromUtf16(keyText.text);
    const QString shifted = QString::fromUtf16(keyText.shifted);
    SoftKey *key = addKey(caption(text), text, x, y, width, KeySize, physicalKey);
    QStringList names;
    if (text.size() == 1 && !markName(text.front()).isEmpty())
        names.append(markName(text.front()));
    if (!shifted.isEmpty()) {
        key->setShiftLayer(caption(shifted), shifted);
        if (shifted.size() == 1 && !markName(shifted.front()).isEmpty())
            names.append(tr("Shift: %1").arg(markName(shifted.front())));
    }
    key->setToolTip(names.join(QLatin1Char('\n')));
    return key;
}

void SoftKeyboard::addShiftKey(int x, int y, int width, int height)
{
    auto *key = new ShiftKey(this, m_keyArea);
    m_naturalGeometry.insert(key, QRect(x, y, width, height));
    m_keys.append(key);
}

// Letters at x, x + 70, ... with the physical keys from physicalStart on;
// a letter with a capital has it on the shift layer.
void SoftKeyboard::addRow(const char16_t *letters, int x, int y, int physicalStart)
{
    for (int i = 0; letters[i]; ++i) {
        const char16_t letter[] = {letters[i], 0};
        const QString capital = QString(QChar(letters[i])).toUpper();
        const char16_t shifted[] = {capital != QChar(letters[i]) ? capital.front().unicode() : char16_t(0), 0};
        addTextKey({letter, shifted}, x + i * RowStep, y, KeySize, physicalKeyAt(physicalStart + i));
    }
}

void SoftKeyboard::addRow(std::initializer_list<KeyText> keys, int x, int y, int physicalStart)
{
    int i = 0;
    for (const KeyText &key : keys) {
        addTextKey(key, x + i * RowStep, y, KeySize, physicalKeyAt(physicalStart + i));
        ++i;
    }
}

// Space, Return and Backspace have no physical key; the two that act are
// labelled by what they do, their tool tips say it in words.
SoftKey *SoftKeyboard::addSpecialKey(const QString &label, const QString &text, int x, int y, int width)
{
    return addKey(label, text, x, y, width, KeySize, QString());
}

SoftKey *SoftKeyboard::addReturnKey(int x, int y, int width)
{
    SoftKey *key = addSpecialKey(QString(QChar(0x21B5)), QStringLiteral("\r"), x, y, width);
    key->setToolTip(tr("Return: takes what was typed"));
    return key;
}

SoftKey *SoftKeyboard::addBackspaceKey(int x, int y)
{
    SoftKey *key = addSpecialKey(QString(QChar(0x232B)), QStringLiteral("\b"), x, y);
    key->setToolTip(tr("Backspace: deletes the letter before the cursor"));
    return key;
}

// Backspace at the end of the top row, Return at the end of the middle
// one, Shift at the start of the bottom one, as on a physical keyboard.
void SoftKeyboard::addEditingKeys()
{
    setNaturalSize(920, 220);
    m_backspaceKey = addBackspaceKey(850, 10);
    m_returnKey = addReturnKey(815, 80, 95);
    addShiftKey(10, 150, KeySize, KeySize);
}

void SoftKeyboard::buildHebrew(bool withPoints)
{
    m_scriptLabel = QStringLiteral("\u05E2\u05D1");
    setNaturalSize(790, withPoints ? 300 : 220);
    const int top = withPoints ? 80 : 10;
    if (withPoints) {
        // grouped by sound: a, e, the short i and sheva, o and u, then
        // the dots that change a letter
        static const char16_t *const groups[] = {u"\u05B7\u05B8\u05B2", u"\u05B5\u05B6\u05B1", u"\u05B0\u05B4",
            u"\u05B9\u05BB\u05C7\u05B3", u"\u05C1\u05C2\u05BC"};
        int x = 10;
        for (const char16_t *group : groups) {
            for (int i = 0; group[i]; ++i, x += 48) {
                const char16_t point[] = {group[i], 0};
                addTextKey({point, u""}, x, 10, 44, QString());
            }
            x += 12;
        }
    }
    addRow(u"~'\u05E7\u05E8\u05D0\u05D8\u05D5\u05DF\u05DD\u05E4", 10, top, 0);
    m_returnKey = addReturnKey(710, top);
    addRow(u"\u05E9\u05D3\u05D2\u05DB\u05E2\u05D9\u05D7\u05DC\u05DA\u05E3", 45, top + RowStep, 12);
    const int bottom = top + 2 * RowStep;
    addSpecialKey(QStringLiteral(" "), QStringLiteral(" "), 10, bottom);
    addRow(u"\u05D6\u05E1\u05D1\u05D4\u05E0\u05DE\u05E6\u05EA\u05E5", 80, bottom, 24);
    m_backspaceKey = addBackspaceKey(710, bottom);
}

// The Persian standard layout (ISIRI 9147): its shift layer holds the
// short vowels, the hamza forms, zhe and the non-joiner, which also has a
// key of its own, being in every other compound.
void SoftKeyboard::buildFarsi()
{
    m_scriptLabel = QStringLiteral("\u0641\u0627");
    addEditingKeys();
    addRow({{u"\u0636", u"\u0652"}, {u"\u0635", u"\u064C"}, {u"\u062B", u"\u064D"}, {u"\u0642", u"\u064B"},
               {u"\u0641", u"\u064F"}, {u"\u063A", u"\u0650"}, {u"\u0639", u"\u064E"}, {u"\u0647", u"\u0651"},
               {u"\u062E", u""}, {u"\u062D", u""}, {u"\u062C", u""}, {u"\u0686", u""}},
        10, 10, 0);
    addRow({{u"\u0634", u"\u0624"}, {u"\u0633", u"\u0626"}, {u"\u06CC", u"\u064A"}, {u"\u0628", u"\u0625"},
               {u"\u0644", u"\u0623"}, {u"\u0627", u"\u0622"}, {u"\u062A", u"\u0629"}, {u"\u0646", u""},
               {u"\u0645", u""}, {u"\u06A9", u""}, {u"\u06AF", u""}},
        45, 80, 12);
    addRow({{u"\u0638", u"\u0643"}, {u"\u0637", u"\u0653"}, {u"\u0632", u"\u0698"}, {u"\u0631", u"\u0670"},
               {u"\u0630", u"\u200C"}, {u"\u062F", u"\u0654"}, {u"\u067E", u"\u0621"}, {u"\u0648", u""}},
        80, 150, 24);
    addTextKey({u"\u200C", u""}, 640, 150, KeySize, QString());
    addSpecialKey(QStringLiteral(" "), QStringLiteral(" "), 710, 150, 200);
}

// The Arabic standard layout (101): the short vowels, tanwin and sukun
// on the shift layer, shadda over dhal, lam-alef on B. Superscript alif,
// which the standard lacks, takes the place of the tatweel (Shift+J).
void SoftKeyboard::buildArabic()
{
    m_scriptLabel = QStringLiteral("\u0639\u0631");
    addEditingKeys();
    addRow({{u"\u0636", u"\u064E"}, {u"\u0635", u"\u064B"}, {u"\u062B", u"\u064F"}, {u"\u0642", u"\u064C"},
               {u"\u0641", u"\u0644\u0625"}, {u"\u063A", u"\u0625"}, {u"\u0639", u""}, {u"\u0647", u""},
               {u"\u062E", u""}, {u"\u062D", u""}, {u"\u062C", u""}, {u"\u062F", u""}},
        10, 10, 0);
    addRow({{u"\u0634", u"\u0650"}, {u"\u0633", u"\u064D"}, {u"\u064A", u""}, {u"\u0628", u""},
               {u"\u0644", u"\u0644\u0623"}, {u"\u0627", u"\u0623"}, {u"\u062A", u"\u0670"}, {u"\u0646", u""},
               {u"\u0645", u""}, {u"\u0643", u""}, {u"\u0637", u""}},
        45, 80, 12);
    addRow({{u"\u0626", u""}, {u"\u0621", u"\u0652"}, {u"\u0624", u""}, {u"\u0631", u""},
               {u"\u0644\u0627", u"\u0644\u0622"}, {u"\u0649", u"\u0622"}, {u"\u0629", u""}, {u"\u0648", u""},
               {u"\u0632", u""}, {u"\u0638", u""}},
        80, 150, 24);
    addTextKey({u"\u0630", u"\u0651"}, 780, 150, KeySize, physicalKeyAt(KeyLeftOfOne));
    addSpecialKey(QStringLiteral(" "), QStringLiteral(" "), 850, 150);
}

// ЙЦУКЕН with capitals on the shift layer, yo left of "1"; the stress mark
// for editing shares a key with the hyphen.
void SoftKeyboard::buildRussian()
{
    m_scriptLabel = QStringLiteral("\u0420\u0423");
    addEditingKeys();
    addRow(u"\u0439\u0446\u0443\u043A\u0435\u043D\u0433\u0448\u0449\u0437\u0445\u044A", 10, 10, 0);
    addRow(u"\u0444\u044B\u0432\u0430\u043F\u0440\u043E\u043B\u0434\u0436\u044D", 45, 80, 12);
    addRow(u"\u044F\u0447\u0441\u043C\u0438\u0442\u044C\u0431\u044E", 80, 150, 24);
    addTextKey({u"\u0451", u"\u0401"}, 710, 150, KeySize, physicalKeyAt(KeyLeftOfOne));
    addTextKey({u"-", u"\u0301"}, 780, 150, KeySize, QString());
    addSpecialKey(QStringLiteral(" "), QStringLiteral(" "), 850, 150);
}
