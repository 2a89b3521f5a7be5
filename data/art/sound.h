#pragma once

#include <QByteArray>
#include <vector>

// A WAV file (RIFF, PCM) of 16-bit mono samples.
QByteArray wavFile(const std::vector<short>& samples, int sampleRate);

// The clink of bronze coins: a few decaying inharmonic partials between 2 and 6 kHz after a sharp strike,
// about a quarter of a second at 22050 Hz.
std::vector<short> coinClink(int sampleRate);
