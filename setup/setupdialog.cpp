#include "setupdialog.h"

#include "filelist.h"
#include "setupicon.h"
#include "setupstrings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <utility>

namespace {

// Dialog units to pixels for the dialog's 8-point font at 96 dots per inch: a character cell of 6 x 13 pixels
// is 4 x 8 units. Rounded as the dialog manager rounds.
int unitsX(int x) {
    return (x * 6 + 2) / 4;
}
int unitsY(int y) {
    return (y * 13 + 4) / 8;
}
QRect unitsRect(int x, int y, int w, int h) {
    return {unitsX(x), unitsY(y), unitsX(w), unitsY(h)};
}

QPushButton* button(QWidget* parent, const QString& text, const char* name, const QRect& place) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(place);
    return b;
}

// The nearest folder that exists, so that the browser opens near a folder still to be made.
QString existingFolder(QString folder) {
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    return folder;
}

} // namespace

QString SetupServices::browseForFolder(QWidget* parent, const QString& preselected) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Browsing"), existingFolder(preselected),
                                             QFileDialog::ShowDirsOnly);
}

QMessageBox::StandardButton SetupServices::showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                       const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

SetupDialog::SetupDialog(QString sourceFolder, SetupServices services, QWidget* parent)
    : QDialog(parent), sourceFolder(std::move(sourceFolder)), services(std::move(services)),
      lastFolder(defaultFolder()) {
    setObjectName(QStringLiteral("DIALOG_1"));
    setWindowTitle(QStringLiteral("Setup"));
    setWindowIcon(QIcon(setupIcon(32)));
    // Where "MS Sans Serif" is missing, a face of the same narrow measure keeps the labels in their boxes.
    QFont dialogFont;
    dialogFont.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    setFixedSize(unitsX(287), unitsY(110));

    // One line of the 22-point title is wider than the dialog, so the name and version take a second line,
    // set close under the first so that both keep clear of the folder box.
    title = new QLabel(this);
    title->setObjectName(QStringLiteral("title"));
    title->setFont(QFont(QStringLiteral("Times New Roman"), 22, QFont::Bold));
    title->setTextFormat(Qt::RichText);
    title->setText(
        QStringLiteral("<p style=\"line-height:82%\">%1</p>")
            .arg(QString(setupTitle).toHtmlEscaped().replace(QStringLiteral("of "), QStringLiteral("of<br>"))));
    title->setGeometry(unitsX(60), 6, unitsX(171) + 4, 60);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(setupIcon(32));
    picture->setGeometry(unitsX(18), unitsY(10), 32, 32);

    pathLabel = new QLabel(QStringLiteral("Default &Path:"), this);
    pathLabel->setObjectName(QStringLiteral("pathLabel"));
    pathLabel->setGeometry(unitsRect(15, 44, 44, 8));
    folderBox = new QLineEdit(lastFolder, this);
    folderBox->setObjectName(QStringLiteral("folderBox"));
    folderBox->setGeometry(unitsRect(61, 43, 169, 11));
    pathLabel->setBuddy(folderBox);

    browseButton = button(this, QStringLiteral("&Browse"), "browseButton", unitsRect(237, 41, 40, 14));
    exitButton = button(this, QStringLiteral("E&xit"), "exitButton", unitsRect(95, 69, 40, 14));
    installButton = button(this, QStringLiteral("&Install"), "installButton", unitsRect(151, 69, 40, 14));
    installButton->setDefault(true);
    installButton->setFocus();
    connect(browseButton, &QPushButton::clicked, this, &SetupDialog::chooseFolder);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(installButton, &QPushButton::clicked, this, &SetupDialog::installFiles);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

QRect SetupDialog::progressFrame() {
    return QRect(QPoint(99, 151), QPoint(330, 168));
}

void SetupDialog::chooseFolder() {
    const QString picked = services.pickFolder(this, lastFolder);
    if (picked.isEmpty())
        return;
    lastFolder = browsedFolder(picked);
    folderBox->setText(lastFolder);
}

void SetupDialog::installFiles() {
    if (installing)
        return;
    installing = true;
    InstallHooks hooks;
    hooks.freeBytes = services.freeBytes;
    hooks.progress = [this](int right) { showProgress(right); };
    const InstallResult result = ::installFiles(sourceFolder, folderBox->text(), hooks);
    if (progressOn) {
        progressOn = false;
        QApplication::restoreOverrideCursor();
        update(progressFrame());
    }
    installing = false;

    switch (result.outcome) {
    case InstallOutcome::Installed:
        if (services.message(this, QMessageBox::Question, QStringLiteral("Confirmation"), setupString(1003),
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            services.start(result.folder + mainProgramName(), {}, result.folder);
        accept();
        break;
    case InstallOutcome::FileMissing:
    case InstallOutcome::NoFreeSpace:
        services.message(this, QMessageBox::Warning, QStringLiteral("Warning"), setupString(result.messageId()),
                         QMessageBox::Ok);
        break;
    case InstallOutcome::Failed:
        services.message(this, QMessageBox::Critical, QStringLiteral("Error"), setupString(result.messageId()),
                         QMessageBox::Ok);
        break;
    }
}

void SetupDialog::showProgress(int right) {
    if (!progressOn) {
        progressOn = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    barRight = right;
    repaint(progressFrame());
    emit progressed(right);
    // The dialog keeps painting while files are copied, but takes no clicks until the copy is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SetupDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!progressOn)
        return;
    QPainter painter(this);
    const QRect frame = progressFrame();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(QPoint(frame.left() + 1, frame.top() + 1), QPoint(barRight - 1, frame.bottom() - 1)),
                     QColor(0, 0, 128));
}

void SetupDialog::closeEvent(QCloseEvent* event) {
    // The close box waits while files are being copied; nothing is left half written.
    if (installing)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void runSetupDialog(const QString& sourceFolder, const SetupServices& services) {
    {
        SetupDialog dialog(sourceFolder, services);
        dialog.exec();
    }
    cleanUpSource(sourceFolder, services.start);
}
