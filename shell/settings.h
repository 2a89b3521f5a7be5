#pragma once

#include <QString>

class SettingsStore;

// The font sizes, in points, that a stored "FontSize" may hold.
inline constexpr int kSmallestFontSize = 6;
inline constexpr int kLargestFontSize = 72;
// The oracle delays in milliseconds that the Control Panel offers.
inline constexpr int kShortestDelay = 1;
inline constexpr int kLongestDelay = 999;

// The program-wide preferences, as they are when nothing is stored.
struct Settings {
    QString fontName = QStringLiteral("Times New Roman"); // page view's default font
    int fontSize = 13;                                    // in points
    QString password;                                     // journal password, plain; empty means none
    bool viewAuto = false;                                // journal window's automatic view switch
    bool playSound = false;                               // coin sound during the oracles
    bool tips = false;                                    // true: no tip of the day at start-up
    int stDelay = 40;                                     // yarrow-stalk oracle delay
    int cDelay = 60;                                      // coin oracle delay
    QString skinDir = QStringLiteral("standard\\");       // skin folder under skins/, with a trailing backslash
};

// The one set of preferences that the windows read and change.
Settings& settings();

// Loads the store into values (the password is unscrambled). A store without "FontName"
// leaves every value as it is when nothing is stored; so does a font size outside
// kSmallestFontSize..kLargestFontSize or a delay outside kShortestDelay..kLongestDelay.
void cargaIni(const SettingsStore& store, Settings& values);

// Writes every value, in a fixed order, then saves the store once. "Path" records programDir
// with the platform's separators. A store that can't be written is left as it was, silently.
void grabaIni(SettingsStore& store, const Settings& values, const QString& programDir);

// The password scramble over Windows-1252 codes 1..255; unscramble(scramble(t)) == t.
QString scramble(const QString& text);
QString unscramble(const QString& text);
