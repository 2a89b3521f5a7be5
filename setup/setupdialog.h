#pragma once

#include "installsteps.h"

#include <QDialog>
#include <QMessageBox>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// What the dialog asks of the desktop, replaceable in tests.
struct SetupServices {
    using FolderPicker = std::function<QString(QWidget* parent, const QString& preselected)>;
    using MessageBox =
        std::function<QMessageBox::StandardButton(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                  const QString& text, QMessageBox::StandardButtons buttons)>;

    ProcessStarter start = startProgram;
    FolderPicker pickFolder = browseForFolder;
    MessageBox message = showMessage;
    FreeBytesQuery freeBytes = driveFreeBytes;

    static QString browseForFolder(QWidget* parent, const QString& preselected);
    static QMessageBox::StandardButton showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                   const QString& text, QMessageBox::StandardButtons buttons);
};

// Shows the dialog until it closes, then hands over to the source folder's uninstaller.
void runSetupDialog(const QString& sourceFolder, const SetupServices& services = {});

// The installer's one dialog: the title, the installation folder with its Browse button, Exit and Install, and
// the progress bar painted while the files are copied.
class SetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit SetupDialog(QString sourceFolder, SetupServices services = {}, QWidget* parent = nullptr);

    // Browse: lets the user pick a folder and puts the installation folder for it into the folder box.
    void chooseFolder();
    // Install: installs into the folder of the box, tells how it went, and closes the dialog when done.
    void installFiles();

    // The progress bar's frame, in client pixels; its fill ends at progressRight().
    static QRect progressFrame();
    bool progressShown() const { return progressOn; }
    int progressRight() const { return barRight; }

signals:
    // The bar has been repainted with a new right edge.
    void progressed(int right);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showProgress(int right);

    QString sourceFolder;
    SetupServices services;
    QString lastFolder;
    bool installing = false;
    bool progressOn = false;
    int barRight = progressLeft;

    QLabel* title = nullptr;
    QLabel* picture = nullptr;
    QLabel* pathLabel = nullptr;
    QLineEdit* folderBox = nullptr;
    QPushButton* browseButton = nullptr;
    QPushButton* exitButton = nullptr;
    QPushButton* installButton = nullptr;
};
