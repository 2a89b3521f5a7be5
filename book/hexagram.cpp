#include "hexagram.h"

const std::array<SixLines, 64> lineTable = {{
    {1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 0, 1}, {1, 1, 1, 0, 1, 0},
    {0, 1, 0, 1, 1, 1}, {0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 0}, {1, 1, 1, 0, 1, 1}, {1, 1, 0, 1, 1, 1},
    {1, 1, 1, 0, 0, 0}, {0, 0, 0, 1, 1, 1}, {1, 0, 1, 1, 1, 1}, {1, 1, 1, 1, 0, 1}, {0, 0, 1, 0, 0, 0},
    {0, 0, 0, 1, 0, 0}, {1, 0, 0, 1, 1, 0}, {0, 1, 1, 0, 0, 1}, {1, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 1},
    {1, 0, 0, 1, 0, 1}, {1, 0, 1, 0, 0, 1}, {0, 0, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0}, {1, 0, 0, 1, 1, 1},
    {1, 1, 1, 0, 0, 1}, {1, 0, 0, 0, 0, 1}, {0, 1, 1, 1, 1, 0}, {0, 1, 0, 0, 1, 0}, {1, 0, 1, 1, 0, 1},
    {0, 0, 1, 1, 1, 0}, {0, 1, 1, 1, 0, 0}, {0, 0, 1, 1, 1, 1}, {1, 1, 1, 1, 0, 0}, {0, 0, 0, 1, 0, 1},
    {1, 0, 1, 0, 0, 0}, {1, 0, 1, 0, 1, 1}, {1, 1, 0, 1, 0, 1}, {0, 0, 1, 0, 1, 0}, {0, 1, 0, 1, 0, 0},
    {1, 1, 0, 0, 0, 1}, {1, 0, 0, 0, 1, 1}, {1, 1, 1, 1, 1, 0}, {0, 1, 1, 1, 1, 1}, {0, 0, 0, 1, 1, 0},
    {0, 1, 1, 0, 0, 0}, {0, 1, 0, 1, 1, 0}, {0, 1, 1, 0, 1, 0}, {1, 0, 1, 1, 1, 0}, {0, 1, 1, 1, 0, 1},
    {1, 0, 0, 1, 0, 0}, {0, 0, 1, 0, 0, 1}, {0, 0, 1, 0, 1, 1}, {1, 1, 0, 1, 0, 0}, {1, 0, 1, 1, 0, 0},
    {0, 0, 1, 1, 0, 1}, {0, 1, 1, 0, 1, 1}, {1, 1, 0, 1, 1, 0}, {0, 1, 0, 0, 1, 1}, {1, 1, 0, 0, 1, 0},
    {1, 1, 0, 0, 1, 1}, {0, 0, 1, 1, 0, 0}, {1, 0, 1, 0, 1, 0}, {0, 1, 0, 1, 0, 1},
}};

const std::array<const char*, 64> rulerTable = {
    "----G-", "-G----", "G---G-", "-G--G-", "----G-", "----G-", "-G--G-", "----G-", "---CG-", "--C-G-", "-G--G-",
    "-C--G-", "-G--G-", "----G-", "--G---", "---G--", "G---G-", "----G-", "GG----", "----GG", "----G-", "-G---G",
    "-----G", "G-----", "G---G-", "----GG", "----GG", "-G-G--", "-G--G-", "-G--G-", "---GG-", "-G----", "CC--G-",
    "---G--", "----G-", "-G--GC", "-G--G-", "-G--G-", "----G-", "-G--G-", "--C-GC", "CG-CG-", "----GC", "CG--G-",
    "---GG-", "C---G-", "-G--G-", "----G-", "----G-", "----GG", "G-----", "-----G", "-G--G-", "--C-GC", "----G-",
    "----G-", "C--CG-", "-GC-GC", "-C-CG-", "----G-", "--CCG-", "-G--G-", "-G----", "----G-",
};

const std::array<QString, 6> linePhrases = {
    QStringLiteral(" at the beginning means:</I><p>"),   QStringLiteral(" in the second place means:</I><p>"),
    QStringLiteral(" in the third place means:</I><p>"), QStringLiteral(" in the fourth place means:</I><p>"),
    QStringLiteral(" in the fifth place means:</I><p>"), QStringLiteral(" at the top means:</I><p>"),
};

const QStringList& titulos() {
    static const QStringList captions = {
        QStringLiteral("Introduction"),
        QStringLiteral(" 1. Ch'ien / The Creative"),
        QStringLiteral(" 2. K'un / The Receptive"),
        QStringLiteral(" 3. Chun / Difficulty at the Beginning"),
        QStringLiteral(" 4. M\u00EAng / Youthful Folly"),
        QStringLiteral(" 5. Hs\u00FC / Waiting"),
        QStringLiteral(" 6. Sung / Conflict"),
        QStringLiteral(" 7. Shih / The Army"),
        QStringLiteral(" 8. Pi / Holding Together"),
        QStringLiteral(" 9. Hsiao Ch'u / Taming Power of the Small"),
        QStringLiteral("10. L\u00FC / Treading"),
        QStringLiteral("11. T'ai / Peace"),
        QStringLiteral("12. P'i / Standstill"),
        QStringLiteral("13. T'ung J\u00EAn / Fellowship with Men"),
        QStringLiteral("14. Ta Yu / Possession in Great Measure"),
        QStringLiteral("15. Ch'ien / Modesty"),
        QStringLiteral("16. Y\u00FC / Enthusiasm"),
        QStringLiteral("17. Sui / Following"),
        QStringLiteral("18. Ku / Work on what has been spoiled"),
        QStringLiteral("19. Lin / Approach"),
        QStringLiteral("20. Kuan / Contemplation"),
        QStringLiteral("21. Shih Ho / Biting Through"),
        QStringLiteral("22. Pi / Grace"),
        QStringLiteral("23. Po / Splitting Apart"),
        QStringLiteral("24. Fu / Return"),
        QStringLiteral("25. Wu Wang / Innocence"),
        QStringLiteral("26. Ta Ch'u / The Taming Power of the Great"),
        QStringLiteral("27. I / Corners of the Mouth"),
        QStringLiteral("28. Ta Kuo / Preponderance of the Great"),
        QStringLiteral("29. K'an / The Abysmal"),
        QStringLiteral("30. Li / The Clinging, Fire"),
        QStringLiteral("31. Hsien / Influence"),
        QStringLiteral("32. H\u00EAng / Duration"),
        QStringLiteral("33. Tun / Retreat"),
        QStringLiteral("34. Ta Chuang / The Power of the Great"),
        QStringLiteral("35. Chin / Progress"),
        QStringLiteral("36. Ming I / Darkening of the light"),
        QStringLiteral("37. Chia J\u00EAn / The Family"),
        QStringLiteral("38. K'uei / Opposition"),
        QStringLiteral("39. Chien / Obstruction"),
        QStringLiteral("40. Hsieh / Deliverance"),
        QStringLiteral("41. Sun / Decrease"),
        QStringLiteral("42. I / Increase"),
        QStringLiteral("43. Kuai / Break-through"),
        QStringLiteral("44. Kou / Coming to Meet"),
        QStringLiteral("45. Ts'ui / Gathering Together"),
        QStringLiteral("46. Sh\u00EAng / Pushing Upward"),
        QStringLiteral("47. K'un / Oppression"),
        QStringLiteral("48. Ching / The Well"),
        QStringLiteral("49. Ko / Revolution"),
        QStringLiteral("50. Ting / The Caldron"),
        QStringLiteral("51. Ch\u00EAn / The Arousing"),
        QStringLiteral("52. K\u00EAn / Keeping Still, Mountain"),
        QStringLiteral("53. Chien / Development"),
        QStringLiteral("54. Kuei Mei / The Marrying Maiden"),
        QStringLiteral("55. F\u00EAng / Abundance"),
        QStringLiteral("56. L\u00FC / The Wanderer"),
        QStringLiteral("57. Sun / The Gentle"),
        QStringLiteral("58. Tui / The Joyous, Lake"),
        QStringLiteral("59. Huan / Dispersion"),
        QStringLiteral("60. Chieh / Limitation"),
        QStringLiteral("61. Chung Fu / Inner Truth"),
        QStringLiteral("62. Hsiao Kuo / Preponderance of the Small"),
        QStringLiteral("63. Chi Chi / After Completion"),
        QStringLiteral("64. Wei Chi / Before Completion"),
        QStringLiteral("Trigram's Table"),
        QStringLiteral("Appendixes"),
    };
    return captions;
}

int hexNumber(const SixLines& lines) {
    for (int n = 0; n < 64; ++n)
        if (lineTable[n] == lines)
            return n + 1;
    return 65;
}

int hexamuta(int n, int k) {
    SixLines lines = lineTable[n - 1];
    lines[k - 1] = lines[k - 1] ? 0 : 1;
    return hexNumber(lines);
}

QString texLin(int n, int k) {
    const QString number = QString::number(k);
    return QStringLiteral("<A NAME=\"") + number + QStringLiteral("\"><A HREF=\"") + number + QStringLiteral("\">") +
           (lineTable[n - 1][k - 1] ? QStringLiteral("<I>Nine") : QStringLiteral("<I>Six"));
}

QString aleato(int k, FigureState& figure) {
    if (k == 6)
        figure.figureFlip = std::uniform_int_distribution<int>(0, 1)(figure.rng);
    return QString::number(figure.figureFlip == 1 ? 7 - k : k);
}

QString linhex(int k, int n, FigureState& figure) {
    const QString image =
        (lineTable[n - 1][k - 1] ? QStringLiteral("YANG") : QStringLiteral("YIN")) + aleato(k, figure);
    return QStringLiteral("<a href=\"#") + QString::number(k) + QStringLiteral("\"><img src=\"") + image +
           QStringLiteral(".bmp\" border=0 transp></a><br>");
}

QString reg(int k, int n) {
    switch (rulerTable[n - 1][k - 1]) {
    case '-':
        return QString();
    case 'G':
        return QStringLiteral("<img src=\"RE.bmp\" transp>");
    default:
        return QStringLiteral("<img src=\"CU.bmp\" transp>");
    }
}

bool mutalinea(int k, const AnswerView& view) {
    const OracleAnswer& a = view.answer;
    return a.hasMovingLines && a.readingPrimary && view.oraclePaneVisible &&
           a.primaryLines[k - 1] != a.changedLines[k - 1];
}
