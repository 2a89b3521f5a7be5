#pragma once

#include <QDialog>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <random>

class HtmlView;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

// The project's web page, where newer versions are published.
inline constexpr char kProjectWebPage[] = "https://velkora.example.org/iching/";

// The tips in list order, each HTML for the card's view; the pictures are archive members.
const QStringList& tiplist();

// "Tip of the Day": one tip at random on a white card, the next one on request, and the switch
// that turns the tips off at start-up.
class Tftips : public QDialog {
    Q_OBJECT
public:
    // seed: for the first tip's draw; openUrl: how links open (empty: the desktop's handler).
    explicit Tftips(QWidget* parent = nullptr, std::uint32_t seed = std::random_device{}(),
                    std::function<void(const QUrl&)> openUrl = {});

    int shown() const { return shownTip; }

    void bnextClick();
    void ctipsClick();
    void cargaTip(int index);
    QByteArray visorImageRequest(const QString& source) const;
    void visorHotSpotClick(const QString& url, bool& handled);

    QFrame* Panel1 = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    HtmlView* visor = nullptr;
    QCheckBox* ctips = nullptr;
    QPushButton* bnext = nullptr;
    QPushButton* bclose = nullptr;

private:
    void layOut();

    int shownTip = 0;
    int lastTip = 0;
    std::function<void(const QUrl&)> openUrl;
};
