#pragma once

#include <QImage>
#include <QString>

// The data archive's name (string 212), relative to the current folder, which is the program folder.
QString archiveName();

// The archive member decoded as a picture; a null image when the archive or the member is missing,
// or its bytes are no picture.
QImage loadArchiveBitmap(const QString& member);

// The Qt resource that holds the sound of that name ("COINSWAV"), or empty text.
QString waveResourcePath(const QString& name);

// Starts the named sound and returns at once; a new sound cuts the one playing. A missing
// resource or a machine without sound plays nothing and says nothing. True when the sound was found.
bool playWaveResource(const QString& name);

// Keeps handling events until ms milliseconds have passed or the application is quitting.
// pumpDelay(0) handles the pending events once. Handlers run during the wait.
void pumpDelay(int ms);

// A pumpDelay that can be cut short: stop() ends the wait in progress at once and every later one.
class Delay {
public:
    // False when the delay has been stopped, before or during the wait.
    bool wait(int ms);
    void stop();
    bool stopped() const { return isStopped; }

private:
    bool isStopped = false;
    class QEventLoop* loop = nullptr;
};
