#pragma once

#include "archive.h"
#include "fatal.h"
#include "htmlview.h"
#include "mainwindow.h"
#include "settingsstore.h"
#include "startup.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A program folder holding a copy of the built archive, its own settings file, and a main
// window started in it with a given screen width. Fatal messages are recorded, not shown.
struct WindowFixture {
    QTemporaryDir folder;
    std::unique_ptr<RegFileStore> store;
    std::unique_ptr<TForm1> form;
    QStringList fatal;
    QList<QUrl> opened;
    // Modal dialogs are not shown: each is handed to runDialog (when set) and its class recorded.
    QStringList dialogs;
    std::function<int(QDialog&)> runDialog;

    // archive: the archive file copied into the program folder; empty for none. stored: values
    // written into the settings store before the window starts.
    explicit WindowFixture(int screenWidth = 1024, const QString& archive = QStringLiteral(QORIN_ARCHIVE),
                           const std::function<void(RegFileStore&)>& stored = {}) {
        if (!archive.isEmpty())
            QFile::copy(archive, folder.filePath(QStringLiteral("DATA1.HHZ")));
        enterProgramFolder(folder.path());
        setFatalHandler([this](const QString& message) { fatal << message; });
        store = std::make_unique<RegFileStore>(folder.filePath(QStringLiteral("Qorin.reg")));
        if (stored)
            stored(*store);
        StartOptions options;
        options.screenWidth = screenWidth;
        options.store = store.get();
        options.openUrl = [this](const QUrl& url) { opened << url; };
        options.runDialog = [this](QDialog& dialog) {
            dialogs << QString::fromLatin1(dialog.metaObject()->className());
            return runDialog ? runDialog(dialog) : int(QDialog::Rejected);
        };
        form = std::make_unique<TForm1>(options);
        if (form->created()) {
            form->resize(1000, 700);
            form->show();
            QTest::qWait(10);
        }
    }
    ~WindowFixture() {
        form.reset();
        setFatalHandler({});
        Archive::clearCache();
    }

    // A click on a link, routed as the view routes it.
    void click(const QString& url) { form->visor->hotSpotClick(url); }
    void scrollDown(int pixels) { form->visor->SetPosition(form->visor->GetPosition() + pixels); }
};
