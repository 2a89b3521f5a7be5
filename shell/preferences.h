#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
struct Settings;

// The Control Panel: font and size of the book pages, the coin sound, the tips at start-up, the
// delays of the two oracles and the skin. It edits copies; applyPreferences takes them after OK.
class Tfpref : public QDialog {
    Q_OBJECT
public:
    // fontName and fontSize: the page view's default font; values: the settings in memory.
    Tfpref(const QString& fontName, int fontSize, const Settings& values, QWidget* parent = nullptr);

    // Track bar position <-> font size, the same in both directions: position 8 is size 18.
    static int convertPosition(int value) { return 26 - value; }

    // The font size that fsize stands for.
    int chosenFontSize() const;
    // The selected font, or empty text when none is selected.
    QString chosenFontName() const;
    // The selected skin folder ("name\") when the list was filled and the folder is complete, or empty text.
    QString chosenSkin() const;

    void fuentesClick();
    void fsizeChange();
    void PageControl1Change(int index);
    void listaskinClick();
    void actualizaSkins();

    QLabel* fondo = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QLabel* Sample = nullptr;
    QListWidget* fuentes = nullptr;
    QSlider* fsize = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* csonido = nullptr;
    QCheckBox* ctips = nullptr;
    QSpinBox* delaycoins = nullptr;
    QSpinBox* delaysticks = nullptr;
    QListWidget* listaskin = nullptr;
    QLabel* skinback = nullptr;
    QWidget* okcancel = nullptr;
    QLabel* okcancelimage = nullptr;
    QPushButton* bapply = nullptr;
    QPushButton* bcancel = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFontsPage();
    void buildMiscPage();
    void buildSkinsPage();
    void selectFont(const QString& name);
    void updateSample();
    // Pulls back the controls of every page that reach under the OK/Cancel panel.
    void keepPanelCornerFree();

    QString skinDir; // the current skin, selected when the list is filled
};

// Takes the choices of a Control Panel that ended with OK into values: font and size, sound,
// delays, tips, and the skin when one was chosen and its folder is complete.
void applyPreferences(const Tfpref& dialog, Settings& values);
