"""The pointed dictionary form (past 3sg m) of a verb, built by the rules of
its binyan on its full spelling, for the check that points are read right:
כתב → כָּתַב, דיבר → דִּבֵּר, הזמין → הִזְמִין, הוזמן → הוּזְמַן, התלבש →
הִתְלַבֵּשׁ, נכתב → נִכְתַּב, דובר → דֻּבַּר. Matres lectionis of the full
spelling are dropped where the points say the same."""

SHEVA, HATAF_SEGOL, HIRIQ, TSERE, SEGOL, PATAH, QAMATS, HOLAM, QUBUTS, DAGESH = (
    "\u05b0", "\u05b1", "\u05b4", "\u05b5", "\u05b6", "\u05b7", "\u05b8", "\u05b9", "\u05bb", "\u05bc")
GUTTURALS = "אהחער"
FINAL = {"ך": "כ", "ם": "מ", "ן": "נ", "ף": "פ", "ץ": "צ"}


def medial(c):
    return FINAL.get(c, c)


def doubled(letter):
    """A letter with the dagesh of doubling, where it can take one."""
    return letter if medial(letter) in GUTTURALS else letter + DAGESH


def point(past, binyan):
    p = past
    n = len(p)
    if binyan == "Paal":
        if n == 2:
            return p[0] + QAMATS + p[1]
        if p.endswith("ה"):
            return p[0] + QAMATS + p[1] + QAMATS + p[2]
        if n == 4 and p[2] == "ו":  # יָכֹל
            return p[0] + QAMATS + p[1] + HOLAM + p[3]
        return p[0] + QAMATS + p[1] + PATAH + p[2]
    if binyan == "Piel":
        letters = [c for i, c in enumerate(p) if not (i == 1 and c == "י" and n > 3 and p[2] != "י")]
        if len(letters) == 4 and letters[1] not in "וי":
            a, b, c, d = letters
            return a + HIRIQ + b + SHEVA + doubled(c) + TSERE + d
        a, b, c = letters[0], "".join(letters[1:-1]), letters[-1]
        if b in ("וו", "יי"):
            b = b[0]
        if p.endswith("ה"):
            return a + HIRIQ + doubled(b) + QAMATS + c
        if medial(b[0]) in GUTTURALS:
            return a + TSERE + b + TSERE + c
        return a + HIRIQ + doubled(b) + TSERE + c
    if binyan == "Pual":
        letters = p[0] + p[2:]
        a, rest = letters[0], letters[1:]
        if len(rest) == 3:
            return a + QUBUTS + rest[0] + SHEVA + doubled(rest[1]) + PATAH + rest[2]
        if p.endswith("ה"):
            return a + QUBUTS + doubled(rest[0]) + QAMATS + rest[1]
        return a + QUBUTS + doubled(rest[0]) + PATAH + rest[1]
    if binyan == "Hifil":
        if p.endswith("ה"):
            return "ה" + HIRIQ + "".join(c + SHEVA for c in p[1:-2]) + p[-2] + QAMATS + "ה"
        if n == 3:
            return "ה" + TSERE + p[1] + TSERE + p[2]
        stem = p[1:-2]
        if stem[0] == "ו":
            return "הו" + HOLAM + "".join(stem[1:]) + HIRIQ + "י" + p[-1]
        if len(stem) == 1:
            return "ה" + TSERE + stem + HIRIQ + "י" + p[-1]
        return "ה" + HIRIQ + stem[0] + SHEVA + stem[1:] + HIRIQ + "י" + p[-1]
    if binyan == "Hufal":
        rest = p[2:]
        if len(rest) == 2:
            return "הו" + DAGESH + rest[0] + PATAH + rest[1]
        if p.endswith("ה"):
            return "הו" + DAGESH + rest[0] + SHEVA + rest[1] + QAMATS + rest[2]
        return "הו" + DAGESH + rest[0] + SHEVA + rest[1:-1] + PATAH + rest[-1]
    if binyan == "Hitpael":
        body = p[3:]
        head = "ה" + HIRIQ + p[1] + SHEVA + p[2]
        if p.endswith("ה"):
            return head + PATAH + body[:-1] + QAMATS + "ה"
        if len(body) == 2:
            return head + PATAH + doubled(body[0]) + TSERE + body[1]
        return head + PATAH + body[:-2] + doubled(body[-2]) + TSERE + body[-1]
    if binyan == "Nifal":
        if p[1] == "ו":
            return "נו" + HOLAM + p[2] + PATAH + p[3:]
        if p.endswith("ה"):
            return "נ" + HIRIQ + p[1] + SHEVA + p[2] + QAMATS + "ה"
        if medial(p[1]) in "אהחע":
            return "נ" + SEGOL + p[1] + HATAF_SEGOL + p[2] + PATAH + p[3:]
        if n == 4 and p[1] == "י":
            return "נ" + HIRIQ + doubled(p[2]) + PATAH + p[3]
        return "נ" + HIRIQ + p[1] + SHEVA + doubled(p[2]) + PATAH + p[3:]
    return p
