// The program entry: the page, report and consult commands without a window, or the reader behind its splash.
#include "application.h"
#include "consultcommand.h"
#include "dateform.h"
#include "mainwindow.h"
#include "pagecommand.h"
#include "programstrings.h"
#include "reportcommand.h"
#include "searchcommand.h"
#include "splash.h"
#include "startup.h"

#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace {

// True when the arguments hold the option, as "--name" or "--name=value".
bool wantsCommand(int argc, char** argv, const char* option) {
    const size_t length = std::strlen(option);
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0 || (std::strncmp(argv[i], option, length) == 0 && argv[i][length] == '='))
            return true;
    return false;
}

int run(int argc, char** argv) {
    for (const auto& [option, command] :
         {std::pair{"--page", &runPageCommand}, std::pair{"--report", &runReportCommand},
          std::pair{"--search", &runSearchCommand}, std::pair{"--consult", &runConsultCommand}}) {
        if (!wantsCommand(argc, argv, option))
            continue;
        QCoreApplication app(argc, argv);
        if (!enterProgramFolder(QCoreApplication::applicationDirPath()))
            return 1;
        useFourDigitYears(); // the journal's date keys as the window writes them
        return command(app.arguments());
    }

    QorinApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qorin"));
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Velkora I Ching, a reader and oracle of the Book of Changes."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption quitAfterStart(QStringLiteral("quit-after-start"),
                                            QStringLiteral("Quit as soon as the introduction is on show."));
    parser.addOption(quitAfterStart);
    parser.addOption(
        {QStringLiteral("page"), QStringLiteral("Print hexagram N's page and open no window."), QStringLiteral("N")});
    parser.addOption({QStringLiteral("report"),
                      QStringLiteral("Print the analysis report (trigrams or hexagrams) over the journal."),
                      QStringLiteral("KIND")});
    parser.addOption(
        {QStringLiteral("sort"), QStringLiteral("With --report hexagrams: \"frequency\"."), QStringLiteral("ORDER")});
    parser.addOption({QStringLiteral("search"),
                      QStringLiteral("Print the hexagram pages that hold TEXT (with --match-case, --from N)."),
                      QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("match-case"), QStringLiteral("With --search: compare letters' case too.")});
    parser.addOption({QStringLiteral("from"), QStringLiteral("With --search: the first hexagram page searched."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("consult"),
                      QStringLiteral("Cast answers with coins or stalks and print one line each; open no window."),
                      QStringLiteral("coins|stalks")});
    parser.addOption(
        {QStringLiteral("question"), QStringLiteral("The question of --consult."), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("count"), QStringLiteral("How many answers --consult casts (1 to 100000)."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("save"), QStringLiteral("With --consult: store each answer in the journal.")});
    parser.process(app);

    if (!enterProgramFolder(QCoreApplication::applicationDirPath())) {
        QorinApplication::showError(loadProgramString(92));
        return 1;
    }

    // The splash is on screen while the main window is built, and goes in every case.
    auto splash = std::make_unique<Tfpresenta>();
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    auto form = std::make_unique<TForm1>();
    splash.reset();
    if (!form->created())
        return 1;

    if (parser.isSet(quitAfterStart))
        QObject::connect(form.get(), &TForm1::introductionShown, form.get(),
                         [&form] { QTimer::singleShot(0, form.get(), &QWidget::close); });
    // Without a window manager a maximized window keeps its size, so it is given the screen first.
    const bool shown = QorinApplication::startUp([&form] {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            form->setGeometry(screen->availableGeometry());
        form->showMaximized();
    });
    if (!shown)
        return 1;
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    // Whatever escapes the program's own handling ends it with its message and exit 1, never with a bare abort.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qorin: %s\n", e.what());
        return 1;
    }
}
