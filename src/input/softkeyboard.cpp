#include "softkeyboard.h"

#include "inputlog.h"
#include "shiftkey.h"
#include "softkey.h"

#include "lang/languageinfo.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLocale>

namespace {

constexpr int KeySize = 60;
constexpr int RowStep = 70;
// keys never shrink below this part of their natural size
constexpr double MinimumScale = 0.4;

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

QString SoftKeyboard::physicalLayout(const QString &localeName)
{
    if (localeName.startsWith(QLatin1String("de_")))
        return QStringLiteral("QWERTZUIOP\u00DC*ASDFGHJKL\u00D6\u00C4<YXCVBNM,.-");
    if (localeName.startsWith(QLatin1String("fr_")))
        return QStringLiteral("AZERTYUIOP^$QSDFGHJKLM%<WXCVBN,;:!");
    if (localeName.startsWith(QLatin1String("it_")))
        return QStringLiteral("QWERTYUIOP[]ASDFGHJKL\u00F2\u00E0<ZXCVBNM,./");
    if (localeName == QLatin1String("en_GB"))
        return QStringLiteral("QWERTYUIOP[]ASDFGHJKL;@\\ZXCVBNM,./");
    return QStringLiteral("QWERTYUIOP[]ASDFGHJKL;*<ZXCVBNM,./");
}

void SoftKeyboard::setKeyboardLocale(const QString &localeName)
{
    keyboardLocaleOverride() = localeName;
}

QSize SoftKeyboard::sizeHint() const
{
    return m_naturalSize + QSize(20, 20);
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
    m_physicalLayout = physicalLayout(keyboardLocaleName());

    const LanguageInfo *language = LanguageInfo::find(type);
    switch (language ? language->keyboard : LanguageInfo::Keyboard::None) {
    case LanguageInfo::Keyboard::Hebrew: buildHebrew(withPoints); break;
    case LanguageInfo::Keyboard::Farsi: buildFarsi(); break;
    case LanguageInfo::Keyboard::Russian: buildRussian(); break;
    case LanguageInfo::Keyboard::None: setNaturalSize(860, 220); break;
    }
    placeKeys();

    if (isVisible()) {
        for (SoftKey *key : std::as_const(m_keys))
            key->show();
    }
}

void SoftKeyboard::setKeyHintsVisible(bool on)
{
    if (on == m_keyHints)
        return;
    m_keyHints = on;
    for (SoftKey *key : std::as_const(m_keys))
        key->update();
}

void SoftKeyboard::unshift()
{
    qCDebug(lcInput) << "UNSHIFT";
    m_shifted = false;
    emit shiftStateChanged();
}

bool SoftKeyboard::pressPhysicalKey(const QString &text)
{
    SoftKey *key = m_physicalKeys.value(text);
    if (!key)
        return false;
    // the character goes out at once: waiting for the end of the key's
    // animation would drop a letter typed twice within it
    key->flash();
    key->sendText();
    return true;
}

void SoftKeyboard::keyPressEvent(QKeyEvent *event)
{
    qCDebug(lcInput) << "SHIFTED?" << bool(event->modifiers() & Qt::ShiftModifier);
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
    if (!text.isEmpty() && text.at(0).isPrint() && text != QLatin1String(" "))
        key->setShortcut(QKeySequence(text));
    if (!physicalKey.trimmed().isEmpty())
        m_physicalKeys.insert(physicalKey.trimmed().toLower(), key);
    m_keys.append(key);
    return key;
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
    if (text.size() == 1 && text.front().category() == QChar::Mark_NonSpacing)
        return tr("Vowel point %1").arg(QString(QChar(0x25CC)) + text);
    return text;
}

SoftKey *SoftKeyboard::addCharKey(QChar c, int x, int y, const QString &physicalKey)
{
    return addKey(QString(c), QString(c), x, y, KeySize, KeySize, physicalKey);
}

void SoftKeyboard::addShiftKey(int x, int y, int width, int height)
{
    auto *key = new ShiftKey(this, m_keyArea);
    m_naturalGeometry.insert(key, QRect(x, y, width, height));
    m_keys.append(key);
}

// Letters at x, x + 70, ... with the physical keys from physicalStart on.
void SoftKeyboard::addRow(const char16_t *letters, int x, int y, int physicalStart)
{
    for (int i = 0; letters[i]; ++i)
        addCharKey(QChar(letters[i]), x + i * RowStep, y, physicalKeyAt(physicalStart + i));
}

// Space, Return and Backspace have no physical key; the two that act are
// labelled by what they do, their tool tips say it in words.
SoftKey *SoftKeyboard::addSpecialKey(const QString &label, const QString &text, int x, int y)
{
    return addKey(label, text, x, y, KeySize, KeySize, QString());
}

SoftKey *SoftKeyboard::addReturnKey(int x, int y)
{
    SoftKey *key = addSpecialKey(QString(QChar(0x21B5)), QStringLiteral("\r"), x, y);
    key->setToolTip(tr("Return: takes what was typed"));
    return key;
}

SoftKey *SoftKeyboard::addBackspaceKey(int x, int y)
{
    SoftKey *key = addSpecialKey(QString(QChar(0x232B)), QStringLiteral("\b"), x, y);
    key->setToolTip(tr("Backspace: deletes the letter before the cursor"));
    return key;
}

void SoftKeyboard::buildHebrew(bool withPoints)
{
    setNaturalSize(790, withPoints ? 300 : 220);
    const int top = withPoints ? 80 : 10;
    if (withPoints) {
        static const int xs[] = {10, 70, 130, 200, 260, 320, 380, 460, 520, 580, 660, 720};
        static const char16_t points[] = u"\u05B7\u05B8\u05B2\u05B5\u05B6\u05B1\u05B0\u05B4\u05B9\u05BB\u05C1\u05BC";
        // a point is shown on a dotted circle, where it can be seen
        for (int i = 0; i < 12; ++i)
            addKey(QString(QChar(0x25CC)) + QChar(points[i]), QString(QChar(points[i])), xs[i], 10, 50, KeySize,
                QString());
    }
    addCharKey(u'~', 10, top, physicalKeyAt(0));
    addCharKey(u'\'', 80, top, physicalKeyAt(1));
    addRow(u"\u05E7\u05E8\u05D0\u05D8\u05D5\u05DF\u05DD\u05E4", 150, top, 2);
    m_returnKey = addReturnKey(710, top);
    addRow(u"\u05E9\u05D3\u05D2\u05DB\u05E2\u05D9\u05D7\u05DC\u05DA\u05E3", 45, top + RowStep, 12);
    const int bottom = top + 2 * RowStep;
    addSpecialKey(QStringLiteral(" "), QStringLiteral(" "), 10, bottom);
    addRow(u"\u05D6\u05E1\u05D1\u05D4\u05E0\u05DE\u05E6\u05EA\u05E5", 80, bottom, 24);
    m_backspaceKey = addBackspaceKey(710, bottom);
}

void SoftKeyboard::buildFarsi()
{
    setNaturalSize(860, 220);
    addRow(u"\u0636\u0635\u062B\u0642\u0641\u063A\u0639\u06D5\u062E\u062D\u062C\u0686", 10, 10, 0);
    addRow(u"\u0634\u0633\u0649\u0628\u0644\u0627\u062A\u0646\u0645\u06A9\u06AF", 45, 80, 12);
    addSpecialKey(QStringLiteral(" "), QStringLiteral(" "), 10, 150);
    addRow(u"\u0638\u0637\u0632\u0631\u0630\u062F\u067E\u0648", 80, 150, 24);
    m_returnKey = addReturnKey(710, 150);
    m_backspaceKey = addBackspaceKey(780, 150);
}

void SoftKeyboard::buildRussian()
{
    setNaturalSize(860, 220);
    addRow(u"\u0419\u0426\u0423\u041A\u0415\u041D\u0413\u0428\u0429\u0417\u0425\u042A", 10, 10, 0);
    addRow(u"\u0424\u042B\u0412\u0410\u041F\u0420\u041E\u041B\u0414\u0416\u042D", 45, 80, 12);
    addShiftKey(10, 150, KeySize, KeySize);
    addRow(u"\u042F\u0427\u0421\u041C\u0418\u0422\u042C\u0411\u042E", 80, 150, 24);
    m_returnKey = addReturnKey(710, 150);
    m_backspaceKey = addBackspaceKey(780, 150);
}
