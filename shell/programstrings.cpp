#include "programstrings.h"

#include <algorithm>
#include <iterator>

namespace {

struct ProgramString {
    int id;
    const char* text; // UTF-8
};

// Sorted by id. "\r" is a line break inside a message box.
constexpr ProgramString kStrings[] = {
    {1, "Velkora I Ching"},
    {4, "Open Oracle Answers"},
    {5, "Save Oracle Answer"},
    {8, "Search text in all hexagrams"},
    {9, "Show/Hide Oracle pane"},
    {10, "Print current hexagram/page"},
    {11, "Back to previous location"},
    {12, "Show/Hide the index"},
    {13, "Search text"},
    {14, "Search text in current page"},
    {15, "Cancel"},
    {16, "Type the word(s) you want to find"},
    {17, " Match case"},
    {18, "Find"},
    {19, "Next"},
    {20, "Not found"},
    {21, "3 steps for each line"},
    {22, "Write your question and press ENTER"},
    {23, "Please wait a moment"},
    {24, "Click on the stalks to divide them. Move the cursor a bit around on the stalks before each click."},
    {25, "New yarrow-stalk Oracle"},
    {26, "Click to read the hexagram"},
    {27, "Click to read the second hexagram"},
    {33, "I Ching Help"},
    {34, "Jump to line #"},
    {38, "Press ESC to close this text box"},
    {39, "Write hex. # and press Enter"},
    {48, "Throw the coins other time"},
    {49, "Processing line "},
    {50, "Line "},
    {51, "Write your question and throw the coins six times"},
    // 52 + archive name + 53 + "\r" + title + " " + version + 54
    {52, "You can't open the "},
    {53, " file of an invalid program."},
    {54, " must be terminated."},
    {56, "Searching: "},
    {57, "Search your questions"},
    {60, "Control Panel..."},
    {61, "New Coins Oracle"},
    {81, "Only the underlined lines (if any) must be considered.<p>"},
    {82, "<H3>THE JUDGMENT</H3><dir>"},
    {83, "<H3>THE IMAGE</H3><dir>"},
    {84, "<H3>THE LINES</H3>"},
    {85, "<A HREF=\"02@\"><I><A NAME=\"7\">When all the lines  are nines, it means:</I></A><p><dir>"},
    {86, "<A HREF=\"01@\"><I><A NAME=\"7\">When all the lines  are sixes, it means:</I></A><p><dir>"},
    {87, "Back (disabled for now)"},
    {88, "<img src=\"line1.bmp\" HEIGHT=8 WIDTH="},
    {89, "<table border=0 width=100%><tr><td width=10% align=center valign=top><b><font size=+2>"},
    {90, "<font color=maroon face=Arial>"},
    {91, "<p>&nbsp;<p>&nbsp;<p>&nbsp;<p>&nbsp;<p>&nbsp;<p>&nbsp;<p>&nbsp;"
         "<p>&nbsp;<p>&nbsp;<p>&nbsp;<p>&nbsp;<p>&nbsp;<p>&nbsp;<p>&nbsp;"},
    {92, "The file DATA1.HHZ isn't founded. Velkora I Ching must be terminated!\rPlease reinstall the program."},
    {94, "Restore"},
    {95, "Maximize"},
    {99, "Please write your question before asking the oracle."},
    // Names inside the settings store.
    {200, "FontName"},
    {201, "Password"},
    {202, "ViewAuto"},
    {205, "PlaySound"},
    {206, "FontSize"},
    {207, "Software\\Velkora\\"},
    {208, "Software\\Velkora\\Qorin"},
    {212, "DATA1.HHZ"},
    {214, "STDelay"},
    {215, "CDelay"},
    {300,
     "Fatal error (can't create SkinDir, may be Velkora I Ching is running from a CD-ROM). Velkora I Ching must be "
     "terminated!"},
};

} // namespace

QString loadProgramString(int id) {
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const ProgramString& s, int key) { return s.id < key; });
    if (it == std::end(kStrings) || it->id != id)
        return QString();
    return QString::fromUtf8(it->text).left(kMaxProgramString);
}

QString invalidProgramMessage(const QString& archiveName, const QString& version) {
    return loadProgramString(52) + archiveName + loadProgramString(53) + QLatin1Char('\r') + loadProgramString(1) +
           QLatin1Char(' ') + version + loadProgramString(54);
}
