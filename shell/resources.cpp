#include "resources.h"

#include "archive.h"
#include "programstrings.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

QString archiveName() {
    return loadProgramString(212);
}

QImage loadArchiveBitmap(const QString& member) {
    QByteArray bytes;
    try {
        Archive().expandToStream(archiveName(), bytes, member);
    } catch (const ArchiveError&) {
        return QImage(); // the callers treat an unreadable archive like a missing picture
    }
    return bytes.isEmpty() ? QImage() : QImage::fromData(bytes);
}

QString waveResourcePath(const QString& name) {
    if (name.compare(QLatin1String("COINSWAV"), Qt::CaseInsensitive) == 0)
        return QStringLiteral(":/sounds/coins.wav");
    return QString();
}

bool playWaveResource(const QString& name) {
    const QString path = waveResourcePath(name);
    if (path.isEmpty() || !QFile::exists(path) || !QCoreApplication::instance())
        return false;

    // One player for the whole program, owned by the application so that it goes before it does.
    static QPointer<QSoundEffect> player;
    if (!player)
        player = new QSoundEffect(QCoreApplication::instance());
    player->stop();
    player->setSource(QUrl(QLatin1String("qrc") + path));
    player->play();
    return true;
}

void pumpDelay(int ms) {
    Delay().wait(ms);
}

bool Delay::wait(int ms) {
    if (isStopped)
        return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (isStopped)
        return false;
    if (ms <= 0 || !QCoreApplication::instance() || QCoreApplication::closingDown())
        return true;

    // A nested loop sleeps between events; QCoreApplication::exit() ends it, and it refuses to
    // start at all once the application has been told to quit.
    QEventLoop waiting;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &waiting, &QEventLoop::quit);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &waiting, &QEventLoop::quit);
    timer.start(ms);
    QEventLoop* outer = loop;
    loop = &waiting;
    waiting.exec();
    loop = outer;
    return !isStopped;
}

void Delay::stop() {
    isStopped = true;
    if (loop)
        loop->quit();
}
