#pragma once

// Answers the print dialog as a user would, for tests: picks printing to a PDF file, types the file name and
// presses Print. Meant for a dialog that opens later in the same thread.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace testing {

// Runs `act` on the first modal widget of type T that comes up, polling every few milliseconds until then.
template <typename T> QTimer* whenModal(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(widget);
        }
    });
    timer->start();
    return timer;
}

// What the dialog offered, filled in when it is answered.
struct PrintDialogSeen {
    QStringList destinations; // the printers, and the PDF file entry
    QString proposedFile;
    bool answered = false;
};

// Answers the next print dialog: file `file` as the PDF destination, then Print (or Cancel when `cancel`). When the
// dialog asks whether to overwrite an existing file, the answer is yes.
inline void answerPrintDialog(const QString& file, PrintDialogSeen* seen, bool cancel = false) {
    whenModal<QPrintDialog>([file, seen, cancel](QPrintDialog* dialog) {
        auto* destinations = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (!destinations || !fileName || !buttons) {
            qWarning("the print dialog lacks its destination list, file name or buttons");
            dialog->reject();
            return;
        }
        for (int i = 0; i < destinations->count(); ++i)
            seen->destinations << destinations->itemText(i);
        destinations->setCurrentIndex(destinations->findText(QStringLiteral("PDF"), Qt::MatchContains));
        seen->proposedFile = fileName->text();
        seen->answered = true;
        fileName->setText(file);
        if (cancel) {
            buttons->button(QDialogButtonBox::Cancel)->click();
            return;
        }
        // The overwrite question comes only for an existing file, and only while the dialog is open.
        QTimer* overwrite = whenModal<QMessageBox>([](QMessageBox* box) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
        });
        QObject::connect(dialog, &QDialog::finished, overwrite, &QObject::deleteLater);
        buttons->button(QDialogButtonBox::Ok)->click();
    });
}

} // namespace testing
